// bare_dialog_probe.exe: the yardstick for zorvane.exe's start-up. A minimal
// dialog (one label, one button) made the same way, from template data at run
// time, reporting its first paint as zorvane_startup_probe.exe does.
#include <windows.h>

#include <vector>

#include "bench/win32/first_paint_probe.h"
#include "win32/native_template.h"

namespace {

INT_PTR CALLBACK BareProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  if (message == WM_INITDIALOG) return TRUE;
  if (message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
    EndDialog(dialog, LOWORD(wParam));
    return TRUE;
  }
  return FALSE;
}

}  // namespace

int main() {
  using namespace zorvane::res;
  zorvane::bench::InstallFirstPaintProbe();
  const DialogControl controls[] = {
      {-1, ControlKind::Label, "A minimal Win32 dialog", 7, 7, 120, 8, kLeftText},
      {IDOK, ControlKind::PushButton, "OK", 40, 22, 50, 14, kDefault | kTabStop},
  };
  const DialogTemplate bare{
      0, "Bare", 134, 43, "MS Shell Dlg", 8, kCaption | kSystemMenu | kCentreOnScreen, controls};
  const std::vector<std::uint16_t> data = zorvane::win32::BuildDialogTemplate(bare);
  return static_cast<int>(DialogBoxIndirectParamW(GetModuleHandleW(nullptr),
                                                  reinterpret_cast<LPCDLGTEMPLATEW>(data.data()),
                                                  nullptr, BareProc, 0));
}
