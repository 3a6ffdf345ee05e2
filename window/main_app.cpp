#include "window/main_app.h"

#include "resources/dialogs/resource_ids.h"
#include "window/main_dlg.h"

namespace zorvane::window {

CMainApp::~CMainApp() = default;

// One entry: the standard Help command goes to the framework's help handler.
std::span<const afx::MessageMapEntry<CMainApp>> CMainApp::GetMessageMap() {
  static constexpr afx::MessageMapEntry<CMainApp> kMessageMap[] = {
      {afx::ID_HELP, afx::BN_CLICKED, &CMainApp::OnHelp},
  };
  return kMessageMap;
}

bool CMainApp::OnCmdMsg(int id, int code) {
  return afx::DispatchMessageMap(*this, GetMessageMap(), id, code);
}

afx::BOOL CMainApp::InitInstance() {
  CMainDlg dlg(GetPlatform());
  m_pMainWnd = &dlg;
  dlg.DoModal();
  m_pMainWnd = nullptr;
  return afx::FALSE;  // no message loop of our own: the program ends here
}

}  // namespace zorvane::window
