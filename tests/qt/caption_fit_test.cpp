// Every caption of both dialogs fits its control: push buttons, check boxes and
// labels, with the font the window picks and with each candidate face laid out
// the same way. ctest runs these once more at QT_SCALE_FACTOR=2.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "both_dialogs.h"
#include "dialog_units.h"
#include "dialog_window.h"
#include "qt_platform.h"
#include "resources/dialogs/dialog_template.h"
#include "resources/dialogs/resource_ids.h"
#include "window/about_dlg.h"
#include "window/main_dlg.h"

namespace zorvane::qt {
namespace {

std::string Describe(const QWidget& control, const QString& caption, int needed, int room) {
  return QStringLiteral("'%1' (%2 at %3x%4): needs %5 px, has %6 px")
      .arg(caption, control.objectName())
      .arg(control.width())
      .arg(control.height())
      .arg(needed)
      .arg(room)
      .toStdString();
}

// The captions that do not fit inside the part of their control that the style
// leaves for text. A push button centres its caption, so blanks around it take
// no room that the letters need.
std::vector<std::string> ClippedCaptions(QWidget& dialog) {
  std::vector<std::string> clipped;
  const auto check = [&](const QWidget& control, const QString& caption, QRect room) {
    const QFontMetrics metrics(control.font());
    const int width = metrics.horizontalAdvance(caption);
    if (width > room.width()) clipped.push_back(Describe(control, caption, width, room.width()));
    if (metrics.height() > room.height())
      clipped.push_back(Describe(control, caption, metrics.height(), room.height()) + " in height");
  };
  for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
    button->ensurePolished();
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    if (button->autoDefault()) option.features |= QStyleOptionButton::AutoDefaultButton;
    if (button->isDefault()) option.features |= QStyleOptionButton::DefaultButton;
    check(*button, button->text().trimmed(),
          button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button));
  }
  for (QCheckBox* box : dialog.findChildren<QCheckBox*>()) {
    box->ensurePolished();
    QStyleOptionButton option;
    option.initFrom(box);
    option.text = box->text();
    check(*box, box->text(),
          box->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, box));
  }
  for (QLabel* label : dialog.findChildren<QLabel*>()) {
    if (!label->text().isEmpty()) check(*label, label->text(), label->contentsRect());
  }
  return clipped;
}

std::string Report(const std::vector<std::string>& clipped) {
  std::string text;
  for (const std::string& line : clipped)
    text += line + "\n";
  return text;
}

TEST(Captions, FitInTheMainWindowAndTheAboutBox) {
  BothDialogs dialogs;
  DialogWindow& mainWindow = dialogs.mainWindow;
  DialogWindow& aboutWindow = dialogs.aboutWindow;
  for (QDialog* dialog : {mainWindow.Widget(), aboutWindow.Widget()}) {
    const std::vector<std::string> clipped = ClippedCaptions(*dialog);
    EXPECT_TRUE(clipped.empty()) << dialog->font().family().toStdString() << " "
                                 << dialog->font().pointSizeF() << " pt, scale "
                                 << qgetenv("QT_SCALE_FACTOR").toStdString() << ":\n"
                                 << Report(clipped);
  }
}

// A template laid out in `font` as the window lays it out: the same units and
// rectangles, the same kinds of widget.
std::unique_ptr<QWidget> LayOut(const res::DialogTemplate& dialogTemplate, const QFont& font) {
  auto dialog = std::make_unique<QWidget>();
  dialog->setFont(font);
  const BaseUnits units = DialogBaseUnits(font);
  for (const res::DialogControl& control : dialogTemplate.controls) {
    const QString caption =
        QString::fromUtf8(control.caption.data(), static_cast<qsizetype>(control.caption.size()));
    QWidget* widget = nullptr;
    switch (control.kind) {
      case res::ControlKind::PushButton: {
        auto* button = new QPushButton(caption, dialog.get());
        button->setAutoDefault(control.styles & res::kTabStop);
        button->setDefault(control.styles & res::kDefault);
        widget = button;
        break;
      }
      case res::ControlKind::CheckBox:
        widget = new QCheckBox(caption, dialog.get());
        break;
      case res::ControlKind::Label:
        widget = new QLabel(caption, dialog.get());
        break;
      case res::ControlKind::Edit:
      case res::ControlKind::Icon:
        continue;
    }
    widget->setObjectName(QStringLiteral("control%1").arg(control.id));
    widget->setGeometry(MapDialogRect(units, control.x, control.y, control.w, control.h));
  }
  return dialog;
}

TEST(Captions, FitInEveryCandidateFace) {
  // The desktop's own face and size serve both templates on a machine without a
  // Japanese gothic face; otherwise the main window takes a fixed-pitch gothic
  // face and the About box a proportional one, at the templates' 9 pt.
  struct Candidate {
    const char* face;  // nullptr: the desktop's default
    std::vector<int> templates;
  };
  const std::vector<int> mainWindow = {res::IDD_MAIN};
  const std::vector<int> aboutBox = {res::IDD_ABOUT};
  const Candidate candidates[] = {
      {nullptr, {res::IDD_MAIN, res::IDD_ABOUT}},
      {"IPAGothic", mainWindow},
      {"Noto Sans Mono CJK JP", mainWindow},
      {"TakaoGothic", mainWindow},
      {"VL Gothic", mainWindow},
      {"IPAexGothic", {res::IDD_MAIN, res::IDD_ABOUT}},
      {"IPAPGothic", aboutBox},
      {"Noto Sans CJK JP", aboutBox},
      {"TakaoPGothic", aboutBox},
      {"VL PGothic", aboutBox},
  };
  const QStringList installed = QFontDatabase::families();
  int layouts = 0;
  for (const Candidate& candidate : candidates) {
    QFont font = QApplication::font();
    if (candidate.face) {
      if (!installed.contains(QLatin1String(candidate.face), Qt::CaseInsensitive)) continue;
      font.setFamilies({QLatin1String(candidate.face)});
      font.setPointSizeF(std::max<qreal>(9, QApplication::font().pointSizeF()));
    }
    for (int id : candidate.templates) {
      const std::unique_ptr<QWidget> dialog = LayOut(*res::FindDialogTemplate(id), font);
      const std::vector<std::string> clipped = ClippedCaptions(*dialog);
      EXPECT_TRUE(clipped.empty()) << "template " << id << " in " << font.family().toStdString()
                                   << " " << font.pointSizeF() << " pt:\n"
                                   << Report(clipped);
      ++layouts;
    }
  }
  EXPECT_GE(layouts, 2);
}

// The check itself notices a caption that is too wide for its button.
TEST(Captions, ACaptionWiderThanItsButtonIsReported) {
  QWidget dialog;
  auto* button = new QPushButton(QStringLiteral("BackSpace"), &dialog);
  const BaseUnits units = DialogBaseUnits(dialog.font());
  button->setGeometry(MapDialogRect(units, 0, 0, 19, 14));
  auto* box = new QCheckBox(QStringLiteral("MostTop"), &dialog);
  box->setGeometry(MapDialogRect(units, 0, 20, 28, 10));
  EXPECT_EQ(ClippedCaptions(dialog).size(), 2u) << Report(ClippedCaptions(dialog));
}

}  // namespace
}  // namespace zorvane::qt
