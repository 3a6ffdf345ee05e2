// zorvane_startup_probe.exe: zorvane.exe itself, reporting its first paint (see
// first_paint_probe.h), for scripts/startup-compare-windows.
#include "bench/win32/first_paint_probe.h"
#include "win32/win32_platform.h"
#include "window/main_app.h"

int main() {
  zorvane::bench::InstallFirstPaintProbe();
  zorvane::win32::Win32Platform platform;
  zorvane::window::CMainApp theApp(platform);
  return zorvane::afx::AfxWinMain(theApp);
}
