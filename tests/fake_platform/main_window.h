#pragma once

#include <functional>

#include "tests/fake_platform/fake_platform.h"
#include "window/main_dlg.h"

namespace zorvane::test {

// Opens the main window on a fake platform and runs `script` as its user; the
// window is then closed with Escape. Returns DoModal's result.
inline int RunMainWindow(FakePlatform& platform,
                         const std::function<void(FakeSite&, window::CMainDlg&)>& script) {
  window::CMainDlg dlg(platform);
  platform.scripts[102] = [&](FakeSite& site) {
    script(site, dlg);
    site.Cancel();
  };
  return dlg.DoModal();
}

inline int RunMainWindow(const std::function<void(FakeSite&, window::CMainDlg&)>& script) {
  FakePlatform platform;
  return RunMainWindow(platform, script);
}

}  // namespace zorvane::test
