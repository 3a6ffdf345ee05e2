// Both dialogs as built from their templates: every caption fits its control,
// and the desktop's colour scheme reaches every part. ctest runs these once more
// at QT_SCALE_FACTOR=2.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QPalette>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <algorithm>
#include <string>

#include "dialog_units.h"
#include "dialog_window.h"
#include "qt_platform.h"
#include "resources/dialogs/resource_ids.h"
#include "window/about_dlg.h"
#include "window/main_dlg.h"

namespace zorvane::qt {
namespace {

// The main window and the About box built from their templates, not shown.
struct BothDialogs {
  QtPlatform platform;
  window::CMainDlg main{platform};
  window::CAboutDlg about{platform};
  DialogWindow mainWindow{platform, main, *res::FindDialogTemplate(res::IDD_MAIN), nullptr};
  DialogWindow aboutWindow{platform, about, *res::FindDialogTemplate(res::IDD_ABOUT),
                           mainWindow.Widget()};
};

// The captions that do not fit inside the part of their control that the style
// leaves for text, one line each. A push button centres its caption, so blanks
// around it take no room that the letters need.
std::string ClippedCaptions(QWidget& dialog) {
  std::string clipped;
  const auto check = [&](QWidget& control, const QString& caption, QRect room) {
    const QFontMetrics metrics(control.font());
    const int width = metrics.horizontalAdvance(caption);
    if (width > room.width() || metrics.height() > room.height()) {
      clipped += QStringLiteral("'%1' needs %2x%3 px, has %4x%5 px\n")
                     .arg(caption)
                     .arg(width)
                     .arg(metrics.height())
                     .arg(room.width())
                     .arg(room.height())
                     .toStdString();
    }
  };
  for (QAbstractButton* button : dialog.findChildren<QAbstractButton*>()) {
    button->ensurePolished();
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    auto* push = qobject_cast<QPushButton*>(button);
    if (push && push->autoDefault()) option.features |= QStyleOptionButton::AutoDefaultButton;
    if (push && push->isDefault()) option.features |= QStyleOptionButton::DefaultButton;
    const auto part = push ? QStyle::SE_PushButtonContents : QStyle::SE_CheckBoxContents;
    check(*button, button->text().trimmed(),
          button->style()->subElementRect(part, &option, button));
  }
  for (QLabel* label : dialog.findChildren<QLabel*>()) {
    if (!label->text().isEmpty()) check(*label, label->text(), label->contentsRect());
  }
  return clipped;
}

TEST(Captions, FitInTheMainWindowAndTheAboutBox) {
  BothDialogs dialogs;
  for (QDialog* dialog : {dialogs.mainWindow.Widget(), dialogs.aboutWindow.Widget()}) {
    EXPECT_EQ(ClippedCaptions(*dialog), "")
        << dialog->font().family().toStdString() << " " << dialog->font().pointSizeF() << " pt";
  }
  // The check itself notices a caption too wide for its button and box.
  QWidget narrow;
  const BaseUnits units = DialogBaseUnits(narrow.font());
  (new QPushButton(QStringLiteral("BackSpace"), &narrow))
      ->setGeometry(MapDialogRect(units, 0, 0, 19, 14));
  (new QCheckBox(QStringLiteral("MostTop"), &narrow))
      ->setGeometry(MapDialogRect(units, 0, 20, 28, 10));
  const std::string report = ClippedCaptions(narrow);
  EXPECT_EQ(std::count(report.begin(), report.end(), '\n'), 2) << report;
}

// The lightness at `at` (logical pixels) of `widget` as its whole dialog draws it.
int Lightness(const QImage& image, const QWidget& widget, QPoint at) {
  const QPoint point = widget.mapTo(widget.window(), at) * image.devicePixelRatio();
  return image.pixelColor(point).lightness();
}

// Under a dark application palette, as a platform theme sets one, no part of
// either dialog stays light; under a light one the same measure reads light.
TEST(Palette, TheDesktopSchemeReachesEveryPartOfBothDialogs) {
  const QPalette saved = QApplication::palette();
  for (const int window : {0x30, 0xf0}) {
    QApplication::setPalette(QPalette(QColor(window, window, window)));
    const bool dark = window < 0x80;
    SCOPED_TRACE(dark ? "dark" : "light");
    BothDialogs dialogs;
    QDialog& main = *dialogs.mainWindow.Widget();
    QDialog& about = *dialogs.aboutWindow.Widget();
    const QImage mainImage = main.grab().toImage();
    const QImage aboutImage = about.grab().toImage();
    auto* input = main.findChild<QPlainTextEdit*>(QStringLiteral("control1001"));
    auto* paste = main.findChild<QPushButton*>(QStringLiteral("control1028"));
    ASSERT_TRUE(input && paste);
    const int parts[] = {
        Lightness(mainImage, main, {2, 2}),
        Lightness(mainImage, *input->viewport(), input->viewport()->rect().center()),
        Lightness(mainImage, *paste, {paste->width() - 4, paste->height() / 2}),
        Lightness(aboutImage, about, {2, 2}),
        Lightness(aboutImage, about, {about.width() - 3, about.height() - 3}),
    };
    for (int lightness : parts)
      EXPECT_TRUE(dark ? lightness < 100 : lightness > 200) << lightness;
  }
  QApplication::setPalette(saved);
}

}  // namespace
}  // namespace zorvane::qt
