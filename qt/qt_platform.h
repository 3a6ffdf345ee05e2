#pragma once

#include <QIcon>
#include <vector>

#include "qt/held_keys.h"
#include "window/platform.h"

class QDialog;

namespace zorvane::qt {

class DialogWindow;

// The Qt widgets behind the calculator window: each dialog is a QDialog built from
// its template and run with exec().
class QtPlatform : public afx::Platform {
 public:
  QtPlatform();
  ~QtPlatform() override;

  int RunModalDialog(afx::CDialog& dialog) override;
  afx::HICON LoadIcon(int resourceId) override;
  void WinHelp() override;

  QIcon Icon(afx::HICON icon) const;
  // The dialog running modally on top, or nullptr; for tests and tools.
  QDialog* TopDialog() const;

 private:
  std::vector<DialogWindow*> open_;
  HeldKeyFilter heldKeys_;
};

}  // namespace zorvane::qt
