#include "win32/win32_platform.h"

#include <map>

#include "window/afx.h"
#include "window/text_change.h"
#include "window/text_positions.h"

namespace zorvane::win32 {
namespace {

constexpr std::u16string_view kLineBreak = u"\r\n";

// An edit control as the window sees it: UTF-8 text with CR LF and byte
// positions over the control's UTF-16.
class Win32EditControl : public afx::EditControl {
 public:
  Win32EditControl(WindowHandle edit, WindowHandle dialog) : edit_(edit), dialog_(dialog) {}

  void SetFocus() override { Focus(edit_); }
  void GetSel(int& start, int& end) const override {
    const std::u16string text = EditText(edit_);
    const auto [first, last] = EditSelection(edit_);
    start = window::ToWindowPosition(text, first);
    end = window::ToWindowPosition(text, last);
  }
  std::string GetWindowText() const override { return window::ToWindowText(EditText(edit_)); }
  void SetWindowText(std::string_view text) override {
    SetEditText(edit_, window::FromWindowText(text, kLineBreak));
    SelectInEdit(edit_, 0, 0);
  }
  bool IsEmpty() const override { return EditIsEmpty(edit_); }
  void ReplaceSel(std::string_view text) override {
    ReplaceEditSelection(edit_, window::FromWindowText(text, kLineBreak), false);
  }
  // A command's edit as one the user could undo with Ctrl+Z: only the part that
  // differs, so that undoing and redoing it select what typing's would.
  void ReplaceText(std::string_view text) override {
    const std::u16string wanted = window::FromWindowText(text, kLineBreak);
    const auto [first, last] = EditSelection(edit_);
    const window::TextChange change = window::ChangedPart(EditText(edit_), wanted, first, last);
    if (change.removed > 0 || change.inserted > 0) {
      SelectInEdit(edit_, int(change.start), int(change.start + change.removed));
      ReplaceEditSelection(edit_, std::u16string_view(wanted).substr(change.start, change.inserted),
                           true);
    }
    SelectInEdit(edit_, 0, 0);
  }
  void Beep() override { win32::Beep(); }
  void SetSel(int start, int end) override {
    if (start == -1) {
      SelectInEdit(edit_, -1, 0);
      return;
    }
    // The text is read only when a position needs converting: placing the caret
    // at the start of a long log stays cheap.
    const std::u16string text = start > 0 || end > 0 ? EditText(edit_) : std::u16string();
    SelectInEdit(edit_, window::FromWindowPosition(text, start),
                 end < 0 ? -1 : window::FromWindowPosition(text, end));
  }
  void ScrollCaret() override { ScrollEditCaret(edit_); }
  void AnnounceInsertion(std::string_view text) override {
    announced_ = window::FromWindowText(text, kLineBreak);
    Announce(dialog_, announced_);
  }
  // Read out with the entry it belongs to, in one announcement of the live
  // region: two in a row could have the first one cut short.
  void AnnounceRemark(std::string_view remark) override {
    std::u16string text = announced_;
    text.append(kLineBreak).append(window::FromWindowText(remark, kLineBreak));
    Announce(dialog_, text);
  }
  void ShowTip(int position, std::string_view tip) override {
    const std::u16string text = EditText(edit_);
    ShowEditTip(edit_, window::FromWindowPosition(text, position),
                window::FromWindowText(tip, kLineBreak));
  }

 private:
  WindowHandle edit_;
  WindowHandle dialog_;
  std::u16string announced_;  // the last insertion announced
};

class Win32CheckControl : public afx::CheckControl {
 public:
  explicit Win32CheckControl(WindowHandle button) : button_(button) {}
  int GetCheck() const override { return CheckState(button_); }

 private:
  WindowHandle button_;
};

}  // namespace

// One dialog's window while it exists: the framework's site, and the events of
// the native dialog.
class Win32Site : public afx::DialogSite, public DialogEvents {
 public:
  Win32Site(Win32Platform& platform, afx::CDialog& dialog, const res::DialogTemplate& t)
      : platform_(platform), dialog_(dialog), template_(t) {}

  void OnCreated(WindowHandle window) override {
    window_ = window;
    for (const res::DialogControl& control : template_.controls) {
      const WindowHandle hwnd = ControlOf(window, control.id);
      if (control.kind == res::ControlKind::Edit) edits_.try_emplace(control.id, hwnd, window);
      if (control.kind == res::ControlKind::CheckBox) checks_.try_emplace(control.id, hwnd);
    }
    platform_.open_.push_back(window);
    dialog_.AttachSite(this);
  }
  bool OnInitDialog() override { return dialog_.OnInitDialog() != afx::FALSE; }
  void OnCommand(int id, int code) override { dialog_.OnCmdMsg(id, code); }
  void OnShortcut(int command) override { dialog_.OnShortcut(command); }
  std::u16string OnToolTip(int controlId, int position) override {
    const std::u16string text = EditText(ControlOf(window_, controlId));
    return window::FromWindowText(
        dialog_.OnToolTipText(controlId, window::ToWindowPosition(text, position)), kLineBreak);
  }
  void OnDestroy() override {
    dialog_.AttachSite(nullptr);
    platform_.open_.pop_back();
  }

  afx::EditControl* GetEditControl(int id) override {
    const auto edit = edits_.find(id);
    return edit == edits_.end() ? nullptr : &edit->second;
  }
  afx::CheckControl* GetCheckControl(int id) override {
    const auto check = checks_.find(id);
    return check == checks_.end() ? nullptr : &check->second;
  }
  void SetIcon(afx::HICON icon, bool bigIcon) override {
    SetDialogIcon(window_, icon.resourceId, bigIcon);
  }
  void SetFont(int controlId, afx::StockFont) override {
    SetSystemFixedFont(ControlOf(window_, controlId));
  }
  void SetWindowPos(afx::InsertAfter where) override {
    SetWindowOrder(window_, where == afx::InsertAfter::TopMost  ? WindowOrder::TopMost
                            : where == afx::InsertAfter::Bottom ? WindowOrder::Bottom
                                                                : WindowOrder::Top);
  }
  void EndDialog(int result) override { win32::EndDialog(window_, result); }
  bool ClickControl(int id) override { return win32::ClickControl(window_, id); }

 private:
  Win32Platform& platform_;
  afx::CDialog& dialog_;
  const res::DialogTemplate& template_;
  WindowHandle window_ = nullptr;
  std::map<int, Win32EditControl> edits_;
  std::map<int, Win32CheckControl> checks_;
};

Win32Platform::Win32Platform() {
  InitializeControls();
}

int Win32Platform::RunModalDialog(afx::CDialog& dialog) {
  const res::DialogTemplate* dialogTemplate = res::FindDialogTemplate(dialog.GetTemplateId());
  if (!dialogTemplate) return -1;
  Win32Site site(*this, dialog, *dialogTemplate);
  return RunDialog(*dialogTemplate, open_.empty() ? nullptr : open_.back(), site);
}

void Win32Platform::WinHelp() {
  ShowHelp(open_.empty() ? nullptr : open_.back());
}

}  // namespace zorvane::win32
