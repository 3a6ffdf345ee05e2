#pragma once

#include "dialog_window.h"
#include "qt_platform.h"
#include "resources/dialogs/dialog_template.h"
#include "resources/dialogs/resource_ids.h"
#include "window/about_dlg.h"
#include "window/main_dlg.h"

namespace zorvane::qt {

// The main window and the About box built from their templates, not shown.
struct BothDialogs {
  QtPlatform platform;
  window::CMainDlg main{platform};
  window::CAboutDlg about{platform};
  DialogWindow mainWindow{platform, main, *res::FindDialogTemplate(res::IDD_MAIN), nullptr};
  DialogWindow aboutWindow{platform, about, *res::FindDialogTemplate(res::IDD_ABOUT),
                           mainWindow.Widget()};
};

}  // namespace zorvane::qt
