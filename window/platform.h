#pragma once

// The window toolkit seen by the calculator: abstract operations on a dialog
// window made from a template and on its edit and check-box controls. A backend
// (the Qt widgets, or the fake used by the tests) implements them; the command
// logic uses nothing else.

#include <string>
#include <string_view>

#include "window/edit_limit.h"

namespace zorvane::afx {

class CDialog;

// Notification codes of a control's command.
inline constexpr int BN_CLICKED = 0;
inline constexpr int EN_CHANGE = 0x300;

// BM_GETCHECK results.
inline constexpr int BST_UNCHECKED = 0;
inline constexpr int BST_CHECKED = 1;

// Where SetWindowPos puts the window in the window order. Only the order changes;
// position and size stay (SWP_NOMOVE | SWP_NOSIZE).
enum class InsertAfter { Top, Bottom, TopMost };

enum class StockFont { SystemFixed };

// An icon resource loaded by the platform; it owns the image and never frees it.
struct HICON {
  int resourceId = 0;
  friend bool operator==(const HICON&, const HICON&) = default;
};

// An edit control. Its text is a byte string in which a line break is CR LF;
// positions count bytes, so a line break counts two.
class EditControl {
 public:
  virtual ~EditControl() = default;
  // SetFocus: keyboard focus moves here; text and selection do not change.
  virtual void SetFocus() = 0;
  // EM_GETSEL: the selection as an ordered pair, start <= end; the caret is at
  // start when nothing is selected.
  virtual void GetSel(int& start, int& end) const = 0;
  // GetWindowText: the whole text.
  virtual std::string GetWindowText() const = 0;
  // SetWindowText: replaces the whole text; the caret is at 0 afterwards.
  virtual void SetWindowText(std::string_view text) = 0;
  // Whether the box holds no text (GetWindowTextLength is 0).
  virtual bool IsEmpty() const = 0;
  // EM_REPLACESEL: `text` takes the place of the selection, with no limit; the
  // caret stands behind it afterwards. With the caret at 0 this puts a text in
  // front of the box's text at the cost of that text alone, however long the
  // box has grown.
  virtual void ReplaceSel(std::string_view text) = 0;
  // Replaces the whole text as an edit of the user's would, which its undo can
  // take back; otherwise as SetWindowText. It takes every text: CEdit refuses
  // one past EditLimit before. A box without undo of its own writes the text,
  // the default.
  virtual void ReplaceText(std::string_view text) { SetWindowText(text); }
  // The most positions an edit of the user's may fill in the box.
  virtual int EditLimit() const { return window::kEditLimit; }
  // Tells the user that an edit of theirs was refused; a toolkit without a
  // sound for it does nothing, the default.
  virtual void Beep() {}
  // EM_SETSEL: selects start..end; start == -1 clears the selection and leaves
  // the caret where it is. Positions beyond the text stand for its end.
  virtual void SetSel(int start, int end) = 0;
  // EM_SCROLLCARET: scrolls until the caret is visible.
  virtual void ScrollCaret() = 0;
  // Tells assistive technology that `text` now stands at the start of the box.
  virtual void AnnounceInsertion(std::string_view text) = 0;
  // Tells assistive technology `remark` right after the text last announced
  // with AnnounceInsertion: something about that text which the box does not
  // show, such as why a log entry failed. It holds until the next insertion is
  // announced or the whole text is replaced. A toolkit that cannot say it does
  // nothing, the default.
  virtual void AnnounceRemark(std::string_view /*remark*/) {}
  // Shows `tip` as a tooltip at window position `position` of the box, as if
  // the pointer rested there, until the user moves on. A toolkit without
  // tooltips does nothing, the default.
  virtual void ShowTip(int /*position*/, std::string_view /*tip*/) {}
};

// A check box.
class CheckControl {
 public:
  virtual ~CheckControl() = default;
  virtual int GetCheck() const = 0;  // BM_GETCHECK
};

// The window of one dialog while it exists, created from its template.
class DialogSite {
 public:
  virtual ~DialogSite() = default;
  // The control with the given id, or nullptr when it is no edit (check) box.
  virtual EditControl* GetEditControl(int id) = 0;
  virtual CheckControl* GetCheckControl(int id) = 0;
  virtual void SetIcon(HICON icon, bool bigIcon) = 0;       // WM_SETICON
  virtual void SetFont(int controlId, StockFont font) = 0;  // WM_SETFONT, redraw on
  virtual void SetWindowPos(InsertAfter where) = 0;
  // Ends the modal loop; DoModal returns `result`.
  virtual void EndDialog(int result) = 0;
  // Clicks the push button or check box `id` as the mouse does (a check box
  // toggles first); false when the window has no such control.
  virtual bool ClickControl(int /*id*/) { return false; }
};

// The toolkit itself.
class Platform {
 public:
  virtual ~Platform() = default;
  // Creates the window of `dialog` from its template (owned by the dialog that is
  // running modally at the time, if any), attaches it, calls OnInitDialog (and
  // gives the focus to the first tab stop when that returns TRUE), then runs the
  // window modally until EndDialog. Returns the EndDialog result, or -1 when the
  // window could not be created.
  virtual int RunModalDialog(CDialog& dialog) = 0;
  // LoadIcon: an icon resource of the program.
  virtual HICON LoadIcon(int resourceId) = 0;
  // WinHelp: shows the program's help over the dialog running modally, if any,
  // until the user closes it. A toolkit without help shows nothing.
  virtual void WinHelp() {}
};

}  // namespace zorvane::afx
