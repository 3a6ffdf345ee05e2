#include "qt/qt_platform.h"

#include <QCoreApplication>
#include <QFile>
#include <QImageReader>
#include <QPixmap>

#include "qt/dialog_window.h"
#include "qt/help_window.h"
#include "resources/dialogs/resource_ids.h"

namespace zorvane::qt {

QtPlatform::QtPlatform() {
  if (QCoreApplication* application = QCoreApplication::instance()) {
    application->installEventFilter(&heldKeys_);
  }
}

QtPlatform::~QtPlatform() {
  if (QCoreApplication* application = QCoreApplication::instance()) {
    application->removeEventFilter(&heldKeys_);
  }
}

int QtPlatform::RunModalDialog(afx::CDialog& dialog) {
  const res::DialogTemplate* dialogTemplate = res::FindDialogTemplate(dialog.GetTemplateId());
  if (!dialogTemplate) return -1;
  QWidget* owner = open_.empty() ? nullptr : open_.back()->Widget();
  DialogWindow window(*this, dialog, *dialogTemplate, owner);
  open_.push_back(&window);
  dialog.AttachSite(&window);
  if (dialog.OnInitDialog()) window.FocusFirstTabStop();
  const int result = window.Exec();
  dialog.AttachSite(nullptr);
  open_.pop_back();
  if (owner) owner->activateWindow();  // the keyboard goes back to the owner
  return result;
}

// Only whether the icon is there: its images are read when a window shows it.
afx::HICON QtPlatform::LoadIcon(int resourceId) {
  const bool present =
      resourceId == res::IDR_MAINFRAME && QFile::exists(QStringLiteral(":/icons/32.png"));
  return present ? afx::HICON{resourceId} : afx::HICON{};
}

void QtPlatform::WinHelp() {
  QWidget* owner = TopDialog();
  ShowHelpWindow(owner);
  if (owner) owner->activateWindow();  // the keyboard goes back to the owner
}

QIcon QtPlatform::Icon(afx::HICON icon) const {
  if (icon.resourceId != res::IDR_MAINFRAME) return {};
  // The window manager is given every size the icon holds, so it holds those a
  // title bar, task bar or the About box can use, up to 128 pixels for a scale of
  // 2; the larger one is for the desktop's icon theme only.
  static const QIcon appIcon = [] {
    QIcon result;
    // Read as PNG without looking at the contents: that would load every image
    // format plugin to ask it about the file's first bytes.
    for (int size : {16, 32, 48, 64, 128}) {
      QImageReader reader(QStringLiteral(":/icons/%1.png").arg(size), "png");
      reader.setAutoDetectImageFormat(false);
      result.addPixmap(QPixmap::fromImage(reader.read()));
    }
    return result;
  }();
  return appIcon;
}

QDialog* QtPlatform::TopDialog() const {
  return open_.empty() ? nullptr : open_.back()->Widget();
}

}  // namespace zorvane::qt
