#pragma once

// The Win32 calls behind the platform layer, over opaque window handles.
//
// Two kinds of file live in this folder, and a reader can tell them by name:
// native_*.cpp include <windows.h> and no header of the framework layer
// (window/afx.h, window/platform.h and the dialog classes), because
// <windows.h> defines TRUE, IDOK, BN_CLICKED... as macros and renames
// GetWindowText, SetWindowText, LoadIcon and WinHelp to their wide forms, which
// would take the framework's names. The adapter (win32_platform.*) implements
// the framework's Platform over this header and never sees <windows.h>. Both
// may use the toolkit-free rules of resources/ and window/ (templates, edit
// limit, text positions, the number under the pointer).

#include <functional>
#include <string>
#include <string_view>
#include <utility>

#include "resources/dialogs/dialog_template.h"

namespace zorvane::win32 {

using WindowHandle = void*;  // an HWND

// What a running dialog tells the framework side.
class DialogEvents {
 public:
  virtual ~DialogEvents() = default;
  // The window and its controls exist; nothing has been initialised yet.
  virtual void OnCreated(WindowHandle dialog) = 0;
  // The dialog's own initialisation; true gives the focus to the first tab stop.
  virtual bool OnInitDialog() = 0;
  // A control's notification, or Enter and Escape (the default button's id,
  // IDCANCEL).
  virtual void OnCommand(int id, int code) = 0;
  // A keyboard shortcut of the template's table, with its command.
  virtual void OnShortcut(int command) = 0;
  // The window is going away.
  virtual void OnDestroy() = 0;
  // The tooltip for character `position` (UTF-16) of control `controlId`,
  // where the pointer rests; empty for none.
  virtual std::u16string OnToolTip(int controlId, int position) = 0;
};

// Prepares the program's use of the system's controls (common controls 6, the
// current look); once, before the first dialog.
void InitializeControls();

// Makes the window of `dialogTemplate` from the template data (an in-memory
// dialog template) owned by `owner` (may be null), and runs it modally until
// EndDialog. Returns the EndDialog result, or -1 when it could not be made.
int RunDialog(const res::DialogTemplate& dialogTemplate, WindowHandle owner, DialogEvents& events);
void EndDialog(WindowHandle dialog, int result);
WindowHandle ControlOf(WindowHandle dialog, int id);

// Called once each dialog has been shown and its initialisation is over, with
// the dialog's window, for the tests that drive a real window. Null: nothing.
void SetDialogShownHook(std::function<void(WindowHandle dialog, int templateId)> hook);

// Edit controls. Text and positions are the control's own: UTF-16, a line
// break CR LF.
std::u16string EditText(WindowHandle edit);
void SetEditText(WindowHandle edit, std::u16string_view text);
bool EditIsEmpty(WindowHandle edit);
std::pair<int, int> EditSelection(WindowHandle edit);  // ordered: start <= end
// EM_SETSEL: start -1 clears the selection; end -1 stands for the end.
void SelectInEdit(WindowHandle edit, int start, int end);
void ReplaceEditSelection(WindowHandle edit, std::u16string_view text, bool canUndo);
void ScrollEditCaret(WindowHandle edit);
// Shows `tip` just below character `position` of the edit box, until its next
// key or click.
void ShowEditTip(WindowHandle edit, int position, std::u16string_view tip);

void Focus(WindowHandle control);
// BM_CLICK on the control `id` of `dialog`; false when it has none.
bool ClickControl(WindowHandle dialog, int id);
int CheckState(WindowHandle button);  // BM_GETCHECK
void Beep();                          // a refused edit

enum class WindowOrder { Top, Bottom, TopMost };
void SetWindowOrder(WindowHandle window, WindowOrder where);  // position and size stay
void SetSystemFixedFont(WindowHandle control);                // WM_SETFONT, redraw on
void SetDialogIcon(WindowHandle dialog, int resourceId, bool big);

// Tells assistive technology `text`, as a live region of the dialog.
void Announce(WindowHandle dialog, std::u16string_view text);

// The program's help, in a window of its own over `owner`, until it is closed.
void ShowHelp(WindowHandle owner);

}  // namespace zorvane::win32
