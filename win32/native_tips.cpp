// Tooltips on the edit boxes: the tip the dialog gives for the line under a
// resting pointer (asked afresh when the pointer moves to another line), and a
// tip shown at a position from the keyboard, until the next key or click.
#include <windows.h>
// after <windows.h>, which it needs
#include <commctrl.h>

#include <string>

#include "win32/native.h"
#include "win32/native_internal.h"

namespace zorvane::win32 {
namespace {

constexpr wchar_t kLineProperty[] = L"Zorvane.TipLine";  // the line under the pointer, plus 1

HWND Tips(HWND dialog) {
  return static_cast<HWND>(GetPropW(dialog, kTipsProperty));
}

// The record of the dialog's tool `id`, as the tooltip control's messages take it.
TTTOOLINFOW Tool(HWND dialog, UINT_PTR id, UINT flags = 0, const wchar_t* text = nullptr) {
  TTTOOLINFOW tool{};
  tool.cbSize = sizeof tool;
  tool.uFlags = flags;
  tool.hwnd = dialog;
  tool.uId = id;
  tool.lpszText = const_cast<wchar_t*>(text);
  return tool;
}

int LineHeight(HWND edit) {
  const HDC dc = GetDC(edit);
  const HGDIOBJ old =
      SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(edit, WM_GETFONT, 0, 0)));
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  SelectObject(dc, old);
  ReleaseDC(edit, dc);
  return metrics.tmHeight;
}

// Where a client point of the edit box falls; nullopt below its last line
// (where no line is).
std::optional<EditHit> HitOnLine(HWND edit, POINT point) {
  const std::optional<EditHit> hit = HitInEdit(edit, MAKELPARAM(point.x, point.y));
  if (!hit) return std::nullopt;
  const LRESULT at = SendMessageW(edit, EM_POSFROMCHAR, hit->lineStart, 0);
  if (at != -1 && point.y >= static_cast<short>(HIWORD(at)) + LineHeight(edit)) return std::nullopt;
  return hit;
}

}  // namespace

void AddTips(HWND dialog, HWND edit) {
  HWND tips = Tips(dialog);
  if (!tips) {
    // Owned by no window: on Wine a topmost window owned by the dialog keeps
    // the dialog itself out of the topmost band (MostTop). The tools still
    // report to the dialog, and RemoveTips destroys it with the dialog.
    tips = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX,
                           CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr,
                           nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!tips) return;
    SetPropW(dialog, kTipsProperty, tips);
    SendMessageW(tips, TTM_SETMAXTIPWIDTH, 0, 400);
    TTTOOLINFOW shown = Tool(dialog, kShownTipId, TTF_TRACK | TTF_ABSOLUTE, L"");
    SendMessageW(tips, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&shown));
  }
  TTTOOLINFOW tool = Tool(dialog, reinterpret_cast<UINT_PTR>(edit), TTF_IDISHWND | TTF_SUBCLASS,
                          LPSTR_TEXTCALLBACKW);
  SendMessageW(tips, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

void RemoveTips(HWND dialog) {
  if (const HWND tips = Tips(dialog)) DestroyWindow(tips);
  RemovePropW(dialog, kTipsProperty);
}

// A new line under the pointer: the tip there may be another one.
void PointerMovedOverEdit(HWND edit, LPARAM point) {
  const std::optional<EditHit> hit =
      HitOnLine(edit, {static_cast<short>(LOWORD(point)), static_cast<short>(HIWORD(point))});
  const LRESULT line = hit ? hit->line : -1;
  const auto previous = reinterpret_cast<LRESULT>(GetPropW(edit, kLineProperty)) - 1;
  if (line == previous) return;
  SetPropW(edit, kLineProperty, reinterpret_cast<HANDLE>(line + 1));
  if (const HWND tips = Tips(GetParent(edit))) SendMessageW(tips, TTM_POP, 0, 0);
}

void HideShownTip(HWND dialog) {
  const HWND tips = Tips(dialog);
  if (!tips) return;
  TTTOOLINFOW shown = Tool(dialog, kShownTipId);
  SendMessageW(tips, TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&shown));
}

// The text of the hover tip: what the dialog gives for the character under the
// pointer, nothing below the last line.
bool TipUnderPointer(NMTTDISPINFOW& info, DialogEvents& events, std::u16string& text) {
  if (!(info.uFlags & TTF_IDISHWND)) return false;
  const HWND edit = reinterpret_cast<HWND>(info.hdr.idFrom);
  POINT pointer{};
  GetCursorPos(&pointer);
  ScreenToClient(edit, &pointer);
  const std::optional<EditHit> hit = HitOnLine(edit, pointer);
  text = hit ? events.OnToolTip(GetDlgCtrlID(edit), hit->character) : std::u16string();
  info.lpszText = reinterpret_cast<wchar_t*>(text.data());
  info.hinst = nullptr;
  return true;
}

void ShowEditTip(WindowHandle editHandle, int position, std::u16string_view tip) {
  const HWND edit = static_cast<HWND>(editHandle);
  const HWND dialog = GetParent(edit);
  const HWND tips = Tips(dialog);
  if (!tips || tip.empty()) return;
  const std::wstring text(tip.begin(), tip.end());
  TTTOOLINFOW shown = Tool(dialog, kShownTipId, 0, text.c_str());
  SendMessageW(tips, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&shown));
  // Just below the line that holds the position.
  const LRESULT at = SendMessageW(edit, EM_POSFROMCHAR, static_cast<WPARAM>(position), 0);
  POINT point{at == -1 ? 0 : static_cast<short>(LOWORD(at)),
              (at == -1 ? 0 : static_cast<short>(HIWORD(at))) + LineHeight(edit)};
  ClientToScreen(edit, &point);
  SendMessageW(tips, TTM_TRACKPOSITION, 0, MAKELPARAM(point.x, point.y));
  SendMessageW(tips, TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&shown));
}

}  // namespace zorvane::win32
