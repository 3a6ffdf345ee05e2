#include "window/afx.h"

namespace zorvane::afx {

namespace {
CWinApp* g_app = nullptr;
}  // namespace

CWinApp::CWinApp(Platform& platform) : m_platform(platform) {
  g_app = this;
}

CWinApp::~CWinApp() {
  if (g_app == this) g_app = nullptr;
}

void CWinApp::OnHelp() {
  m_platform.WinHelp();
}

CWinApp* AfxGetApp() {
  return g_app;
}

int AfxWinMain(CWinApp& app) {
  if (!app.InitInstance()) return app.ExitInstance();
  return app.Run();
}

void CEdit::SetFocus() {
  if (m_control) m_control->SetFocus();
}

void CEdit::GetSel(int& start, int& end) const {
  start = end = 0;
  if (m_control) m_control->GetSel(start, end);
}

std::string CEdit::GetWindowText() const {
  return m_control ? m_control->GetWindowText() : std::string();
}

void CEdit::SetWindowText(std::string_view text) {
  if (m_control) m_control->SetWindowText(text);
}

bool CEdit::IsEmpty() const {
  return !m_control || m_control->IsEmpty();
}

void CEdit::ReplaceSel(std::string_view text) {
  if (m_control) m_control->ReplaceSel(text);
}

bool CEdit::ReplaceText(std::string_view text) {
  if (!m_control) return false;
  if (!window::FitsEditLimit(0, 0, static_cast<std::int64_t>(text.size()),
                             m_control->EditLimit())) {
    m_control->Beep();
    return false;
  }
  m_control->ReplaceText(text);
  return true;
}

void CEdit::SetSel(int start, int end) {
  if (m_control) m_control->SetSel(start, end);
}

void CEdit::ScrollCaret() {
  if (m_control) m_control->ScrollCaret();
}

void CEdit::AnnounceInsertion(std::string_view text) {
  if (m_control) m_control->AnnounceInsertion(text);
}

void CEdit::AnnounceRemark(std::string_view remark) {
  if (m_control) m_control->AnnounceRemark(remark);
}

void CEdit::ShowTip(int position, std::string_view tip) {
  if (m_control) m_control->ShowTip(position, tip);
}

void DDX_Control(CDataExchange* pDX, int id, CEdit& edit) {
  CDialog& dialog = pDX->Dialog();
  if (edit.IsAttached() || !dialog.m_site) return;
  edit.Attach(dialog.m_site->GetEditControl(id));
  dialog.m_boundEdits.push_back(&edit);
}

void DDX_Text(CDataExchange* pDX, int id, std::string& value) {
  DialogSite* site = pDX->Dialog().m_site;
  EditControl* control = site ? site->GetEditControl(id) : nullptr;
  if (!control) return;
  if (pDX->m_bSaveAndValidate) {
    value = control->GetWindowText();
  } else {
    control->SetWindowText(value);
  }
}

CDialog::~CDialog() = default;

void CDialog::AttachSite(DialogSite* site) {
  m_site = site;
  if (site) return;
  for (CEdit* edit : m_boundEdits)
    edit->Detach();
  m_boundEdits.clear();
}

int CDialog::DoModal() {
  return m_platform.RunModalDialog(*this);
}

BOOL CDialog::OnInitDialog() {
  UpdateData(FALSE);
  return TRUE;
}

bool CDialog::OnCmdMsg(int id, int code) {
  if (code != BN_CLICKED) return false;
  if (id == IDOK) {
    OnOK();
    return true;
  }
  if (id == IDCANCEL) {
    OnCancel();
    return true;
  }
  CWinApp* app = AfxGetApp();
  return app && app->OnCmdMsg(id, code);
}

void CDialog::OnShortcut(int command) {
  if (m_site && m_site->ClickControl(command)) return;
  OnCmdMsg(command, BN_CLICKED);
}

std::string CDialog::OnToolTipText(int /*id*/, int /*position*/) const {
  return {};
}

BOOL CDialog::UpdateData(BOOL saveAndValidate) {
  CDataExchange dx(*this, saveAndValidate);
  DoDataExchange(&dx);
  return TRUE;
}

void CDialog::OnOK() {
  if (UpdateData(TRUE)) EndDialog(IDOK);
}

void CDialog::OnCancel() {
  EndDialog(IDCANCEL);
}

void CDialog::EndDialog(int result) {
  if (m_site) m_site->EndDialog(result);
}

int CDialog::IsDlgButtonChecked(int id) const {
  CheckControl* check = m_site ? m_site->GetCheckControl(id) : nullptr;
  return check ? check->GetCheck() : 0;
}

void CDialog::SetIcon(HICON icon, bool bigIcon) {
  if (m_site) m_site->SetIcon(icon, bigIcon);
}

void CDialog::SetWindowPos(InsertAfter where) {
  if (m_site) m_site->SetWindowPos(where);
}

void CDialog::SetFont(int controlId, StockFont font) {
  if (m_site) m_site->SetFont(controlId, font);
}

}  // namespace zorvane::afx
