// zorvane.exe: the calculator window on Windows.
#include "win32/win32_platform.h"
#include "window/main_app.h"

int main() {
  zorvane::win32::Win32Platform platform;
  zorvane::window::CMainApp theApp(platform);
  return zorvane::afx::AfxWinMain(theApp);
}
