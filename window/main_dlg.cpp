#include "window/main_dlg.h"

#include <algorithm>
#include <limits>

#include "engine/exe.h"
#include "engine/text/text_ops.h"
#include "resources/dialogs/resource_ids.h"
#include "window/about_dlg.h"
#include "window/keypad.h"

namespace zorvane::window {
namespace {

using namespace res;
using afx::BN_CLICKED;
using afx::EN_CHANGE;

int ToPosition(std::size_t position) {
  return static_cast<int>(std::min<std::size_t>(position, std::numeric_limits<int>::max()));
}

}  // namespace

CMainDlg::CMainDlg(afx::Platform& platform)
    : CDialog(platform, IDD_MAIN), m_hIcon(platform.LoadIcon(IDR_MAINFRAME)) {}

CMainDlg::~CMainDlg() = default;

std::span<const afx::MessageMapEntry<CMainDlg>> CMainDlg::GetMessageMap() {
  static constexpr afx::MessageMapEntry<CMainDlg> kMessageMap[] = {
      {IDC_SQR, BN_CLICKED, &CMainDlg::OnKeypad<IDC_SQR>},
      {IDC_EXP, BN_CLICKED, &CMainDlg::OnKeypad<IDC_EXP>},
      {IDC_CLEAR_INPUT, BN_CLICKED, &CMainDlg::OnClearInput},
      {IDC_EXE, BN_CLICKED, &CMainDlg::OnExe},
      {IDC_LN, BN_CLICKED, &CMainDlg::OnKeypad<IDC_LN>},
      {IDC_LOG, BN_CLICKED, &CMainDlg::OnKeypad<IDC_LOG>},
      {IDC_SIN, BN_CLICKED, &CMainDlg::OnKeypad<IDC_SIN>},
      {IDC_COS, BN_CLICKED, &CMainDlg::OnKeypad<IDC_COS>},
      {IDC_TAN, BN_CLICKED, &CMainDlg::OnKeypad<IDC_TAN>},
      {IDC_ASN, BN_CLICKED, &CMainDlg::OnKeypad<IDC_ASN>},
      {IDC_ACS, BN_CLICKED, &CMainDlg::OnKeypad<IDC_ACS>},
      {IDC_ATN, BN_CLICKED, &CMainDlg::OnKeypad<IDC_ATN>},
      {IDC_PAREN_PAIR, BN_CLICKED, &CMainDlg::OnKeypad<IDC_PAREN_PAIR>},
      {IDC_POWER, BN_CLICKED, &CMainDlg::OnKeypad<IDC_POWER>},
      {IDC_PI, BN_CLICKED, &CMainDlg::OnKeypad<IDC_PI>},
      {IDC_INPUT, EN_CHANGE, &CMainDlg::OnInputChange},
      {IDC_CLEAR_OUTPUT, BN_CLICKED, &CMainDlg::OnClearOutput},
      {IDC_PASTE, BN_CLICKED, &CMainDlg::OnPaste},
      {IDC_MULTIPLY, BN_CLICKED, &CMainDlg::OnKeypad<IDC_MULTIPLY>},
      {IDC_DIVIDE, BN_CLICKED, &CMainDlg::OnKeypad<IDC_DIVIDE>},
      {IDC_PLUS, BN_CLICKED, &CMainDlg::OnKeypad<IDC_PLUS>},
      {IDC_MINUS, BN_CLICKED, &CMainDlg::OnKeypad<IDC_MINUS>},
      {IDC_DIGIT_7, BN_CLICKED, &CMainDlg::OnKeypad<IDC_DIGIT_7>},
      {IDC_DIGIT_8, BN_CLICKED, &CMainDlg::OnKeypad<IDC_DIGIT_8>},
      {IDC_DIGIT_9, BN_CLICKED, &CMainDlg::OnKeypad<IDC_DIGIT_9>},
      {IDC_OPEN_PAREN, BN_CLICKED, &CMainDlg::OnKeypad<IDC_OPEN_PAREN>},
      {IDC_DIGIT_4, BN_CLICKED, &CMainDlg::OnKeypad<IDC_DIGIT_4>},
      {IDC_DIGIT_5, BN_CLICKED, &CMainDlg::OnKeypad<IDC_DIGIT_5>},
      {IDC_DIGIT_6, BN_CLICKED, &CMainDlg::OnKeypad<IDC_DIGIT_6>},
      {IDC_CLOSE_PAREN, BN_CLICKED, &CMainDlg::OnKeypad<IDC_CLOSE_PAREN>},
      {IDC_DIGIT_1, BN_CLICKED, &CMainDlg::OnKeypad<IDC_DIGIT_1>},
      {IDC_DIGIT_2, BN_CLICKED, &CMainDlg::OnKeypad<IDC_DIGIT_2>},
      {IDC_DIGIT_3, BN_CLICKED, &CMainDlg::OnKeypad<IDC_DIGIT_3>},
      {IDC_DIGIT_0, BN_CLICKED, &CMainDlg::OnKeypad<IDC_DIGIT_0>},
      {IDC_POINT, BN_CLICKED, &CMainDlg::OnKeypad<IDC_POINT>},
      {IDC_DEG, BN_CLICKED, &CMainDlg::OnOption},
      {IDC_FIX_E, BN_CLICKED, &CMainDlg::OnOption},
      {IDC_ABOUT, BN_CLICKED, &CMainDlg::OnAbout},
      {IDC_EXPONENT_MARK, BN_CLICKED, &CMainDlg::OnKeypad<IDC_EXPONENT_MARK>},
      {IDC_BACKSPACE, BN_CLICKED, &CMainDlg::OnBackSpace},
      {IDC_F_IN, BN_CLICKED, &CMainDlg::OnFIn},
      {IDC_F_OUT, BN_CLICKED, &CMainDlg::OnFOut},
      {IDC_F_MODE, BN_CLICKED, &CMainDlg::OnOption},
      {IDC_MOST_TOP, BN_CLICKED, &CMainDlg::OnMostTop},
      {ID_SHOW_REASON, BN_CLICKED, &CMainDlg::OnShowReason},
  };
  return kMessageMap;
}

bool CMainDlg::OnCmdMsg(int id, int code) {
  if (afx::DispatchMessageMap(*this, GetMessageMap(), id, code)) return true;
  return CDialog::OnCmdMsg(id, code);
}

void CMainDlg::DoDataExchange(afx::CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  afx::DDX_Control(pDX, IDC_OUTPUT, m_outputEdit);
  afx::DDX_Control(pDX, IDC_INPUT, m_inputEdit);
  afx::DDX_Text(pDX, IDC_INPUT, m_formula);
  // Not a slip: the dialog has always exchanged the function-mode state with
  // the Output Box. It goes into the box once, while the window starts (it is
  // empty then), and would come back only with OK, which this window never
  // sends; so the member and the log stay independent.
  afx::DDX_Text(pDX, IDC_OUTPUT, m_formulaState);
}

afx::BOOL CMainDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  SetIcon(m_hIcon, true);
  SetIcon(m_hIcon, false);
  m_formula = "";
  m_formulaState = "a";
  SetFont(IDC_INPUT, afx::StockFont::SystemFixed);
  SetFont(IDC_OUTPUT, afx::StockFont::SystemFixed);
  return afx::TRUE;
}

// EXE: one evaluation by the engine; the window only carries its texts. A new
// entry is put in front of the log, which stays whole below it. Why an entry
// failed is kept while it stands, and said with it to assistive technology.
void CMainDlg::OnExe() {
  ExeInput in;
  in.input = m_inputEdit.GetWindowText();
  in.fMode = IsDlgButtonChecked(IDC_F_MODE) == afx::BST_CHECKED;
  in.fixE = IsDlgButtonChecked(IDC_FIX_E) == afx::BST_CHECKED;
  in.deg = IsDlgButtonChecked(IDC_DEG) == afx::BST_CHECKED;
  in.formula = m_formula;
  in.formulaState = ReadFormulaState(m_formulaState);
  in.formulaState.given = m_givenValues;

  const ExeOutput out = RunExe(in);
  const std::string reason = out.failure ? out.failure->reason : std::string();
  if (out.formulaState) {
    m_formulaState = FormulaStateText(*out.formulaState);
    m_givenValues = out.formulaState->given;
  }
  if (out.entry) {
    const bool logEmpty = m_outputEdit.IsEmpty();
    m_outputEdit.SetSel(0, 0);
    m_outputEdit.ReplaceSel(LogHead(*out.entry, logEmpty));
    m_errorReasons.Added(*out.entry, logEmpty, reason);
    m_outputEdit.SetSel(0, 0);
    m_outputEdit.ScrollCaret();
    m_outputEdit.AnnounceInsertion(*out.entry);
    if (!reason.empty()) m_outputEdit.AnnounceRemark(reason);
  }
  if (out.input) m_inputEdit.SetWindowText(*out.input);
  m_inputEdit.SetSel(ToPosition(out.selection.start), ToPosition(out.selection.end));
  m_inputEdit.ScrollCaret();
  m_inputEdit.SetFocus();
}

// F_IN: the Input Box text becomes the stored formula.
void CMainDlg::OnFIn() {
  m_formula = m_inputEdit.GetWindowText();
  m_formulaState = FormulaStateText({std::nullopt, m_formula, {}});
  m_givenValues.clear();
  m_inputEdit.SetFocus();
}

// F_OUT: the stored formula back into the Input Box, caret at its end.
void CMainDlg::OnFOut() {
  if (!m_inputEdit.ReplaceText(m_formula)) {
    m_inputEdit.SetFocus();
    return;
  }
  const int end = ToPosition(m_formula.size());
  m_inputEdit.SetSel(end, end);
  m_inputEdit.ScrollCaret();
  m_inputEdit.SetFocus();
}

template <int Id>
void CMainDlg::OnKeypad() {
  InsertKey(Id);
}

// A token, function or bracket-pair key: edits the Input Box at the caret or over
// the selection. An edit the box refuses (too long) leaves caret and selection.
void CMainDlg::InsertKey(int id) {
  const KeypadKey* key = FindKeypadKey(id);
  if (!key) return;
  m_inputEdit.SetFocus();
  int start = 0;
  int end = 0;
  m_inputEdit.GetSel(start, end);
  const KeyEdit edit = ApplyKey(*key, m_inputEdit.GetWindowText(), start, end);
  if (m_inputEdit.ReplaceText(edit.text)) ShowKeyEdit(edit.caret);
}

void CMainDlg::ShowKeyEdit(int caret) {
  m_inputEdit.SetSel(caret, caret);
  m_inputEdit.ScrollCaret();
}

void CMainDlg::OnBackSpace() {
  int start = 0;
  int end = 0;
  m_inputEdit.GetSel(start, end);
  const KeyEdit edit = ApplyBackSpace(m_inputEdit.GetWindowText(), start, end);
  if (m_inputEdit.ReplaceText(edit.text)) ShowKeyEdit(edit.caret);
  m_inputEdit.SetFocus();
}

void CMainDlg::OnClearInput() {
  m_inputEdit.ReplaceText("");
  m_inputEdit.SetFocus();
}

void CMainDlg::OnClearOutput() {
  m_outputEdit.SetWindowText("");
  m_errorReasons.Clear();
  m_inputEdit.SetFocus();
}

// Alt+R: the reason of the newest failed entry, as a tip at its "=error" line,
// which the caret brings into view. With no failed entry in the log nothing
// happens.
void CMainDlg::OnShowReason() {
  if (const std::optional<ErrorReasons::Entry> newest = m_errorReasons.Newest()) {
    const int line = ToPosition(newest->resultLine);
    m_outputEdit.SetSel(line, line);
    m_outputEdit.ScrollCaret();
    m_outputEdit.ShowTip(line, newest->reason);
  }
  m_inputEdit.SetFocus();
}

std::string CMainDlg::OnToolTipText(int id, int position) const {
  if (id != IDC_OUTPUT || position < 0) return {};
  const std::optional<ErrorReasons::Entry> entry = m_errorReasons.At(std::size_t(position));
  return entry ? std::string(entry->reason) : std::string();
}

// Paste: the part of the log selected in the Output Box replaces the whole input.
void CMainDlg::OnPaste() {
  int start = 0;
  int end = 0;
  m_outputEdit.GetSel(start, end);
  const std::string log = m_outputEdit.GetWindowText();
  const std::string selected(Mid(log, start, end - start));
  if (selected.empty()) {
    m_inputEdit.SetFocus();
    return;
  }
  if (!m_inputEdit.ReplaceText(selected)) {
    m_inputEdit.SetFocus();
    return;
  }
  m_inputEdit.SetFocus();
  m_inputEdit.SetSel(end - start, end - start);
  m_inputEdit.ScrollCaret();
}

void CMainDlg::OnAbout() {
  CAboutDlg about(GetPlatform());
  about.DoModal();
  m_inputEdit.SetFocus();
}

// MostTop: the window order follows the check mark, which the click has already
// toggled.
void CMainDlg::OnMostTop() {
  if (IsDlgButtonChecked(IDC_MOST_TOP) == afx::BST_CHECKED) {
    SetWindowPos(afx::InsertAfter::TopMost);
  } else {
    SetWindowPos(afx::InsertAfter::Bottom);
    SetWindowPos(afx::InsertAfter::Top);
  }
  m_inputEdit.SetFocus();
}

// DEG, Fix_E and F_Mode: the check mark is the option; the next EXE reads it.
void CMainDlg::OnOption() {
  m_inputEdit.SetFocus();
}

// Typing never starts an evaluation.
void CMainDlg::OnInputChange() {}

}  // namespace zorvane::window
