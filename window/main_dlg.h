#pragma once

#include <span>
#include <string>

#include "afx.h"

namespace zorvane::window {

// The calculator's main window, built from template 102. It owns the state that
// outlives a command: the two edit boxes, the function-mode texts and the icon.
// Every command reaches it through the message map.
class CMainDlg : public afx::CDialog {
 public:
  explicit CMainDlg(afx::Platform& platform);
  ~CMainDlg() override;

  afx::BOOL OnInitDialog() override;
  bool OnCmdMsg(int id, int code) override;

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

  void InsertKey(int id);
  void ShowKeyEdit(int caret);

  afx::CEdit m_outputEdit;
  afx::CEdit m_inputEdit;
  std::string m_formula;
  std::string m_formulaState;
  afx::HICON m_hIcon;
};

}  // namespace zorvane::window
