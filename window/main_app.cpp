#include "main_app.h"

#include "main_dlg.h"

namespace zorvane::window {

CMainApp::~CMainApp() = default;

afx::BOOL CMainApp::InitInstance() {
  CMainDlg dlg(GetPlatform());
  m_pMainWnd = &dlg;
  dlg.DoModal();
  m_pMainWnd = nullptr;
  return afx::FALSE;  // no message loop of our own: the program ends here
}

}  // namespace zorvane::window
