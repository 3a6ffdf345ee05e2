#pragma once

#include <vector>

#include "win32/native.h"
#include "window/platform.h"

namespace zorvane::win32 {

// The Win32 behind the calculator window: each dialog is made by the dialog
// manager from its template data and run modally; its edit and check boxes are
// the system's own controls.
class Win32Platform : public afx::Platform {
 public:
  Win32Platform();

  int RunModalDialog(afx::CDialog& dialog) override;
  afx::HICON LoadIcon(int resourceId) override { return {resourceId}; }
  void WinHelp() override;

 private:
  friend class Win32Site;
  std::vector<WindowHandle> open_;  // the dialogs running modally, innermost last
};

}  // namespace zorvane::win32
