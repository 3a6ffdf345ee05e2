// The windows draw with the desktop's colour scheme: under a dark application
// palette, as a platform theme sets one, no part of either dialog stays light.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QImage>
#include <QLabel>
#include <QPalette>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>

#include "both_dialogs.h"
#include "dialog_window.h"
#include "qt_platform.h"
#include "resources/dialogs/resource_ids.h"
#include "window/about_dlg.h"
#include "window/main_dlg.h"

namespace zorvane::qt {
namespace {

QPalette DarkPalette() {
  QPalette palette;
  const auto set = [&](QPalette::ColorRole role, QColor color) {
    palette.setColor(role, color);
    palette.setColor(QPalette::Inactive, role, color);
  };
  set(QPalette::Window, QColor(0x30, 0x30, 0x30));
  set(QPalette::WindowText, QColor(0xe0, 0xe0, 0xe0));
  set(QPalette::Base, QColor(0x20, 0x20, 0x20));
  set(QPalette::AlternateBase, QColor(0x28, 0x28, 0x28));
  set(QPalette::Text, QColor(0xe0, 0xe0, 0xe0));
  set(QPalette::Button, QColor(0x3a, 0x3a, 0x3a));
  set(QPalette::ButtonText, QColor(0xe0, 0xe0, 0xe0));
  set(QPalette::Light, QColor(0x50, 0x50, 0x50));
  set(QPalette::Midlight, QColor(0x45, 0x45, 0x45));
  set(QPalette::Mid, QColor(0x28, 0x28, 0x28));
  set(QPalette::Dark, QColor(0x18, 0x18, 0x18));
  set(QPalette::Shadow, QColor(0x10, 0x10, 0x10));
  return palette;
}

// Sets the application palette for one test and puts the old one back.
class PaletteScope {
 public:
  explicit PaletteScope(const QPalette& palette) : m_saved(QApplication::palette()) {
    QApplication::setPalette(palette);
  }
  ~PaletteScope() { QApplication::setPalette(m_saved); }

 private:
  QPalette m_saved;
};

int Lightness(const QImage& image, QPoint at) {
  return image.pixelColor(at).lightness();
}

// The colour in the middle of `widget` as the whole dialog draws it: the
// middle of a control's face, away from frames and captions' strokes.
int LightnessAt(const QImage& image, const QWidget& widget, QPoint offset = {}) {
  const qreal ratio = image.devicePixelRatio();
  const QPoint centre = widget.mapTo(widget.window(), widget.rect().center() + offset);
  return Lightness(image, QPoint(qRound(centre.x() * ratio), qRound(centre.y() * ratio)));
}

TEST(Palette, ADarkSchemeReachesEveryPartOfBothDialogs) {
  PaletteScope dark(DarkPalette());
  BothDialogs dialogs;
  DialogWindow& mainWindow = dialogs.mainWindow;
  DialogWindow& aboutWindow = dialogs.aboutWindow;

  QDialog& dialog = *mainWindow.Widget();
  auto* input = dialog.findChild<QPlainTextEdit*>(QStringLiteral("control1001"));
  auto* output = dialog.findChild<QPlainTextEdit*>(QStringLiteral("control1002"));
  auto* paste = dialog.findChild<QPushButton*>(QStringLiteral("control1028"));
  auto* deg = dialog.findChild<QCheckBox*>(QStringLiteral("control1007"));
  ASSERT_TRUE(input && output && paste && deg);
  const QImage mainImage = dialog.grab().toImage();
  constexpr int kDark = 100;  // of 255
  EXPECT_LT(Lightness(mainImage, {2, 2}), kDark) << "window background";
  EXPECT_LT(LightnessAt(mainImage, *input->viewport()), kDark) << "Input Box";
  EXPECT_LT(LightnessAt(mainImage, *output->viewport()), kDark) << "Output Box";
  EXPECT_LT(LightnessAt(mainImage, *paste, {paste->width() / 2 - 4, 0}), kDark) << "Paste";
  EXPECT_EQ(input->palette().color(QPalette::Text), DarkPalette().color(QPalette::Text));
  EXPECT_EQ(deg->palette().color(QPalette::WindowText), DarkPalette().color(QPalette::WindowText));

  QDialog& box = *aboutWindow.Widget();
  const QImage aboutImage = box.grab().toImage();
  EXPECT_LT(Lightness(aboutImage, {2, 2}), kDark) << "About box background";
  EXPECT_LT(Lightness(aboutImage, {aboutImage.width() - 3, aboutImage.height() - 3}), kDark);
  for (QLabel* label : box.findChildren<QLabel*>()) {
    if (!label->text().isEmpty()) {
      EXPECT_EQ(label->palette().color(QPalette::WindowText),
                DarkPalette().color(QPalette::WindowText));
    }
  }
}

// The same check sees a light scheme as light, so it measures what it claims.
TEST(Palette, TheLightSchemeReadsAsLight) {
  QPalette light = DarkPalette();
  for (QPalette::ColorRole role : {QPalette::Window, QPalette::Base, QPalette::Button}) {
    light.setColor(role, QColor(0xf0, 0xf0, 0xf0));
    light.setColor(QPalette::Inactive, role, QColor(0xf0, 0xf0, 0xf0));
  }
  PaletteScope scope(light);
  QtPlatform platform;
  window::CMainDlg main(platform);
  DialogWindow mainWindow(platform, main, *res::FindDialogTemplate(res::IDD_MAIN), nullptr);
  QDialog& dialog = *mainWindow.Widget();
  auto* input = dialog.findChild<QPlainTextEdit*>(QStringLiteral("control1001"));
  ASSERT_NE(input, nullptr);
  const QImage image = dialog.grab().toImage();
  EXPECT_GT(Lightness(image, {2, 2}), 200);
  EXPECT_GT(LightnessAt(image, *input->viewport()), 200);
}

}  // namespace
}  // namespace zorvane::qt
