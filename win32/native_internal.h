#pragma once

// Shared by the native_*.cpp files only: it includes <windows.h>.

#include <windows.h>
// after <windows.h>, which it needs
#include <commctrl.h>

#include <optional>
#include <string>
#include <string_view>

#include "resources/dialogs/dialog_template.h"
#include "win32/native.h"

namespace zorvane::win32 {

// Where the icon is drawn in a minimised window's client area: centred, with
// the halves rounded toward zero.
struct IconOrigin {
  int x;
  int y;
  friend bool operator==(const IconOrigin&, const IconOrigin&) = default;
};
IconOrigin IconOriginIn(int clientWidth, int clientHeight, int iconWidth, int iconHeight);

// The program's icon resource at the system's large or small icon size; shared,
// never freed.
HICON LoadProgramIcon(int resourceId, bool big);

// What the dialog manager's template cannot say: the default button, the edit
// boxes' behaviour (the edit limit, Ctrl+Enter, the number under a
// double-click), and the controls' spoken names.
void PrepareControls(HWND dialog, const res::DialogTemplate& dialogTemplate);

// Where a client point of an edit box falls: the line, the line's first
// character and the character under the point, in the box's UTF-16 positions;
// nullopt where the box has no such line.
struct EditHit {
  int line;
  int lineStart;
  int character;
};
std::optional<EditHit> HitInEdit(HWND edit, LPARAM point);

// An edit box's part of PrepareControls; with `upperCase`, the letters a to z
// typed or pasted become capitals.
void PrepareEdit(HWND edit, bool upperCase);

// The name and description a screen reader speaks for a control, over what it
// would take from the control itself.
void NameControl(HWND control, std::u16string_view name, std::u16string_view description);

// The control id of the live region, the dialog's property that holds its
// tooltip control, and the tool id of a tip shown from the keyboard.
inline constexpr int kAnnouncerId = 0x7FFE;
inline constexpr wchar_t kTipsProperty[] = L"Zorvane.Tips";
inline constexpr UINT_PTR kShownTipId = 0x7FFF;

// A control of the dialog's own that screen readers watch as a live region:
// what Announce writes there is read out.
HWND CreateAnnouncer(HWND dialog);

// Tooltips on an edit box of the dialog (native_tips.cpp): the hover tip asks
// DialogEvents::OnToolTip through TTN_GETDISPINFO (TipUnderPointer, which
// points `info` at `text`); the edit box reports the pointer's moves and hides
// a tip shown from the keyboard at its next key or click.
void AddTips(HWND dialog, HWND edit);
void RemoveTips(HWND dialog);
void PointerMovedOverEdit(HWND edit, LPARAM point);
void HideShownTip(HWND dialog);
bool TipUnderPointer(NMTTDISPINFOW& info, DialogEvents& events, std::u16string& text);

// Gives a keyboard shortcut's command to the dialog's DialogEvents.
void GiveShortcut(HWND dialog, int command);

// The keyboard shortcuts of the dialog running modally, from its template's
// table, for as long as the scope lasts.
class ShortcutScope {
 public:
  explicit ShortcutScope(int templateId);
  ~ShortcutScope();
  ShortcutScope(const ShortcutScope&) = delete;
  ShortcutScope& operator=(const ShortcutScope&) = delete;

 private:
  int previous_;
};

}  // namespace zorvane::win32
