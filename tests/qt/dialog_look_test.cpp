// Both dialogs as built from their templates: every caption fits its control,
// and the desktop's colour scheme reaches every part. ctest runs this once more
// at QT_SCALE_FACTOR=2 and once in the desktop's own face.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>

#include "qt/dialog_window.h"
#include "qt/qt_platform.h"
#include "resources/dialogs/resource_ids.h"
#include "window/about_dlg.h"
#include "window/main_dlg.h"

namespace zorvane::qt {
namespace {

// The captions that do not fit inside the part of their control that the style
// leaves for text. A push button centres its caption, so blanks around it take
// no room that the letters need.
QStringList ClippedCaptions(QWidget& dialog) {
  QStringList clipped;
  const auto check = [&](QWidget& control, const QString& caption, QRect room) {
    const QFontMetrics metrics(control.font());
    if (metrics.horizontalAdvance(caption) > room.width() || metrics.height() > room.height())
      clipped << caption;
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

// The lightness at `at` (logical pixels) of `widget` as its whole dialog draws it.
int Lightness(const QImage& image, const QWidget& widget, QPoint at) {
  const QPoint point = widget.mapTo(widget.window(), at) * image.devicePixelRatio();
  return image.pixelColor(point).lightness();
}

// Under a dark application palette, as a platform theme sets one, no part of
// either dialog stays light; under a light one the same measure reads light.
TEST(DialogLook, CaptionsFitAndTheDesktopSchemeReachesEveryPart) {
  const QPalette saved = QApplication::palette();
  for (const int shade : {0x30, 0xf0}) {
    QApplication::setPalette(QPalette(QColor(shade, shade, shade)));
    SCOPED_TRACE(shade);
    QtPlatform platform;
    window::CMainDlg mainDlg(platform);
    window::CAboutDlg aboutDlg(platform);
    DialogWindow mainWindow(platform, mainDlg, *res::FindDialogTemplate(res::IDD_MAIN), nullptr);
    QDialog& main = *mainWindow.Widget();
    DialogWindow aboutWindow(platform, aboutDlg, *res::FindDialogTemplate(res::IDD_ABOUT), &main);
    QDialog& about = *aboutWindow.Widget();
    for (QDialog* dialog : {&main, &about}) {
      EXPECT_EQ(ClippedCaptions(*dialog).join(u'\n').toStdString(), "")
          << dialog->font().family().toStdString() << " " << dialog->font().pointSizeF() << " pt";
    }
    const QImage mainImage = main.grab().toImage();
    const QImage aboutImage = about.grab().toImage();
    auto* input = main.findChild<QPlainTextEdit*>(QStringLiteral("control1001"));
    auto* paste = main.findChild<QPushButton*>(QStringLiteral("control1028"));
    for (int lightness :
         {Lightness(mainImage, main, {2, 2}),
          Lightness(mainImage, *input->viewport(), input->viewport()->rect().center()),
          Lightness(mainImage, *paste, {paste->width() - 4, paste->height() / 2}),
          Lightness(aboutImage, about, {2, 2}),
          Lightness(aboutImage, about, {about.width() - 3, about.height() - 3})})
      EXPECT_TRUE(shade < 0x80 ? lightness < 100 : lightness > 200) << lightness;
  }
  QApplication::setPalette(saved);
}

}  // namespace
}  // namespace zorvane::qt
