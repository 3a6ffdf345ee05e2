#include "window/about_dlg.h"

#include "resources/dialogs/resource_ids.h"

namespace zorvane::window {

CAboutDlg::CAboutDlg(afx::Platform& platform) : CDialog(platform, res::IDD_ABOUT) {}

CAboutDlg::~CAboutDlg() = default;

// Nothing to exchange; its message map is empty, so OK and Cancel take the
// framework's defaults.
void CAboutDlg::DoDataExchange(afx::CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
}

}  // namespace zorvane::window
