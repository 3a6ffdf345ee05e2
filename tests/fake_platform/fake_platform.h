#pragma once

// A platform without a display: edit boxes and check boxes are plain values, the
// focus is a control id, and every window operation is recorded. A test plays the
// user of a dialog with a script that runs while the dialog is "modal".

#include <algorithm>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "resources/dialogs/dialog_template.h"
#include "window/edit_limit.h"
#include "window/main_dlg.h"

namespace zorvane::test {

class FakeEdit : public afx::EditControl {
 public:
  FakeEdit(int& focused, int id) : m_focused(focused), m_id(id) {}

  void SetFocus() override { m_focused = m_id; }
  void GetSel(int& start, int& end) const override {
    start = std::min(anchor, active);
    end = std::max(anchor, active);
  }
  std::string GetWindowText() const override { return text; }
  void SetWindowText(std::string_view newText) override { Set(newText, 0, 0); }
  bool IsEmpty() const override { return text.empty(); }
  void ReplaceSel(std::string_view newText) override;
  int EditLimit() const override { return static_cast<int>(limit); }
  void Beep() override { ++beeps; }
  void SetSel(int start, int end) override;
  void ScrollCaret() override { ++scrolls; }
  void AnnounceInsertion(std::string_view entry) override { announced.emplace_back(entry); }
  void AnnounceRemark(std::string_view remark) override { announced.emplace_back(remark); }
  void ShowTip(int position, std::string_view tip) override { tips.emplace_back(position, tip); }

  // What the user does: put text in and select start..end (the caret at end).
  void Set(std::string_view newText, int start, int end) {
    text = newText;
    anchor = start;
    active = end;
  }
  std::pair<int, int> Selection() const { return {anchor, active}; }

  std::string text;
  int anchor = 0;  // where the selection started; both as last asked, even outside the text
  int active = 0;  // the caret
  int scrolls = 0;
  std::size_t limit = window::kEditLimit;         // the most an edit of the user's may fill
  int beeps = 0;                                  // edits refused for passing it
  std::vector<std::string> announced;             // insertions and remarks, in turn
  std::vector<std::pair<int, std::string>> tips;  // where, and what

 private:
  int& m_focused;
  int m_id;
};

class FakeCheck : public afx::CheckControl {
 public:
  int GetCheck() const override { return state; }
  int state = afx::BST_UNCHECKED;
};

class FakeSite : public afx::DialogSite {
 public:
  FakeSite(afx::CDialog& dialog, const res::DialogTemplate& dialogTemplate);

  afx::EditControl* GetEditControl(int id) override {
    return id == 1001 ? &input : id == 1002 ? &output : nullptr;
  }
  afx::CheckControl* GetCheckControl(int id) override {
    return m_checks.contains(id) ? &m_checks.at(id) : nullptr;
  }
  void SetIcon(afx::HICON icon, bool big) override { icons.push_back({icon.resourceId, big}); }
  void SetFont(int controlId, afx::StockFont) override { fonts.push_back(controlId); }
  void SetWindowPos(afx::InsertAfter where) override { windowOrder.push_back(where); }
  void EndDialog(int code) override { result = code; }

  // A click: a check box (each one here toggles itself) changes its mark, then
  // the command goes through the dialog's message map.
  void Click(int id);
  // A command that is no control's click: a keyboard shortcut's, or 2 for Escape.
  bool Command(int id) { return m_dialog.OnCmdMsg(id, afx::BN_CLICKED); }

  int focused = 0;                // id of the control with the keyboard focus
  FakeEdit input{focused, 1001};  // the main window's two edit boxes
  FakeEdit output{focused, 1002};
  std::vector<std::pair<int, bool>> icons;  // resource id, and whether the big one
  std::vector<int> fonts;
  std::vector<afx::InsertAfter> windowOrder;
  std::optional<int> result;

 private:
  afx::CDialog& m_dialog;
  std::map<int, FakeCheck> m_checks;
};

class FakePlatform : public afx::Platform {
 public:
  int RunModalDialog(afx::CDialog& dialog) override;
  afx::HICON LoadIcon(int resourceId) override { return afx::HICON{resourceId}; }
  void WinHelp() override { ++helpShown; }

  // The script that plays the user of a dialog template. Without one a dialog is
  // closed with OK as soon as it opens.
  std::map<int, std::function<void(FakeSite&)>> scripts;
  std::vector<int> opened;  // template ids, in the order the dialogs opened
  int helpShown = 0;
};

// Opens the main window on `platform` and runs `script` as its user; the window
// is then closed with Escape (command 2). Returns DoModal's result.
inline int RunMainWindow(FakePlatform& platform,
                         const std::function<void(FakeSite&, window::CMainDlg&)>& script) {
  window::CMainDlg dlg(platform);
  platform.scripts[102] = [&](FakeSite& site) {
    script(site, dlg);
    site.Command(2);
  };
  return dlg.DoModal();
}

inline int RunMainWindow(const std::function<void(FakeSite&, window::CMainDlg&)>& script) {
  FakePlatform platform;
  return RunMainWindow(platform, script);
}

}  // namespace zorvane::test
