// The keyboard shortcuts of the dialog running modally (Alt+D, F1...), from its
// template's table. The dialog manager's own loop runs the dialog, so they are
// read through its message filter and given to the dialog, which carries them
// out (CDialog::OnShortcut). Other Alt+letters are left to the dialog manager,
// which beeps.
#include <windows.h>

#include <string_view>

#include "resources/dialogs/accelerators.h"
#include "win32/native_internal.h"

namespace zorvane::win32 {
namespace {

int g_templateId = 0;
HHOOK g_hook = nullptr;

struct Keys {
  WPARAM key;
  bool alt;
};

// "Alt+D" or "F1".
Keys Parse(std::string_view keys) {
  constexpr std::string_view kAlt = "Alt+";
  if (keys.starts_with(kAlt) && keys.size() == kAlt.size() + 1) return {WPARAM(keys.back()), true};
  if (keys.size() == 2 && keys[0] == 'F') return {WPARAM(VK_F1 + (keys[1] - '1')), false};
  return {0, false};
}

bool Pressed(int key) {
  return (GetKeyState(key) & 0x8000) != 0;
}

bool RunShortcut(const MSG& msg) {
  if (msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN) return false;
  const bool alt = Pressed(VK_MENU);
  if (Pressed(VK_CONTROL) || Pressed(VK_SHIFT)) return false;
  const HWND dialog = GetAncestor(msg.hwnd, GA_ROOT);
  for (const res::Accelerator& accelerator : res::FindAccelerators(g_templateId)) {
    const Keys keys = Parse(accelerator.keys);
    if (keys.key != msg.wParam || keys.alt != alt) continue;
    GiveShortcut(dialog, accelerator.command);
    return true;
  }
  return false;
}

LRESULT CALLBACK MessageFilter(int code, WPARAM wParam, LPARAM lParam) {
  if (code == MSGF_DIALOGBOX && RunShortcut(*reinterpret_cast<const MSG*>(lParam))) return TRUE;
  return CallNextHookEx(g_hook, code, wParam, lParam);
}

}  // namespace

ShortcutScope::ShortcutScope(int templateId) : previous_(g_templateId) {
  g_templateId = templateId;
  if (!g_hook)
    g_hook = SetWindowsHookExW(WH_MSGFILTER, MessageFilter, nullptr, GetCurrentThreadId());
}

ShortcutScope::~ShortcutScope() {
  g_templateId = previous_;
  if (previous_ == 0 && g_hook) {
    UnhookWindowsHookEx(g_hook);
    g_hook = nullptr;
  }
}

}  // namespace zorvane::win32
