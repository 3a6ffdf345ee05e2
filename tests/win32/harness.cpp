#include "tests/win32/harness.h"

#include "win32/win32_platform.h"
#include "window/main_dlg.h"

namespace zorvane::test {

int RunMainWindow(const DialogScript& script) {
  win32::Win32Platform platform;
  win32::SetDialogShownHook(script);
  window::CMainDlg dlg(platform);
  const int result = dlg.DoModal();
  win32::SetDialogShownHook(nullptr);
  return result;
}

}  // namespace zorvane::test
