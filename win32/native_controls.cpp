// What the dialog manager's template cannot say about the controls.
#include <windows.h>

#include "win32/native_internal.h"
#include "window/accessible_names.h"
#include "window/text_positions.h"

namespace zorvane::win32 {

// The dialog manager makes the controls in template order, each below the one
// before, so the children are walked alongside the template: controls without
// an id of their own (the icon, the labels) are found as well.
void PrepareControls(HWND dialog, const res::DialogTemplate& dialogTemplate) {
  HWND hwnd = GetWindow(dialog, GW_CHILD);
  for (const res::DialogControl& control : dialogTemplate.controls) {
    if (!hwnd) break;
    if (control.kind == res::ControlKind::Edit) {
      PrepareEdit(hwnd, control.styles & res::kUpperCase);
      AddTips(dialog, hwnd);
    }
    // Enter presses this button, also from a box that takes no line breaks.
    if (control.kind == res::ControlKind::PushButton && (control.styles & res::kDefault))
      SendMessageW(dialog, DM_SETDEFID, static_cast<WPARAM>(control.id), 0);
    NameControl(
        hwnd, window::FromWindowText(window::AccessibleName(dialogTemplate.id, control), u""),
        window::FromWindowText(window::AccessibleDescription(dialogTemplate.id, control.id), u""));
    hwnd = GetWindow(hwnd, GW_HWNDNEXT);
  }
  CreateAnnouncer(dialog);
}

}  // namespace zorvane::win32
