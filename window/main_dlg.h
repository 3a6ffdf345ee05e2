#pragma once

#include <span>
#include <string>
#include <vector>

#include "engine/function_mode.h"
#include "window/afx.h"
#include "window/error_reasons.h"

namespace zorvane::window {

// The calculator's main window, built from template 102. It owns the state that
// outlives a command: the two edit boxes, the function-mode texts, the icon and
// the reasons of the failed entries in the log.
// Every command reaches it through the message map.
class CMainDlg : public afx::CDialog {
 public:
  explicit CMainDlg(afx::Platform& platform);
  ~CMainDlg() override;

  afx::BOOL OnInitDialog() override;
  bool OnCmdMsg(int id, int code) override;
  // On an "=error" entry of the Output Box, on any of its lines: why it failed.
  std::string OnToolTipText(int id, int position) const override;

  static std::span<const afx::MessageMapEntry<CMainDlg>> GetMessageMap();

  const std::string& Formula() const { return m_formula; }
  const std::string& FormulaState() const { return m_formulaState; }

 protected:
  void DoDataExchange(afx::CDataExchange* pDX) override;

 private:
  void OnExe();
  void OnFIn();
  void OnFOut();
  template <int Id>
  void OnKeypad();
  void OnBackSpace();
  void OnClearInput();
  void OnClearOutput();
  void OnPaste();
  void OnAbout();
  void OnMostTop();
  void OnOption();
  void OnInputChange();
  void OnShowReason();

  void InsertKey(int id);
  void ShowKeyEdit(int caret);

  afx::CEdit m_outputEdit;
  afx::CEdit m_inputEdit;
  std::string m_formula;
  std::string m_formulaState;
  // The values given at the prompts of the evaluation under way, so that a
  // failure can say in which one it stands.
  std::vector<GivenValue> m_givenValues;
  afx::HICON m_hIcon;
  ErrorReasons m_errorReasons;  // of the entries in the Output Box
};

}  // namespace zorvane::window
