// Edit controls: their text and selection in the control's own UTF-16, and the
// behaviour the window adds to the native edit box: the capitals of typing and
// pasting, the edit limit (refused whole, never cut) and the whole number
// picked by a double-click.
#include <windows.h>
// after <windows.h>, which it needs
#include <commctrl.h>

#include <optional>

#include "engine/text/capitals.h"
#include "engine/text/utf8.h"
#include "win32/native.h"
#include "win32/native_internal.h"
#include "window/edit_limit.h"
#include "window/number_at.h"
#include "window/text_positions.h"

namespace zorvane::win32 {
namespace {

constexpr UINT_PTR kEditSubclassId = 1;

HWND Hwnd(WindowHandle handle) {
  return static_cast<HWND>(handle);
}

const wchar_t* Wide(std::u16string_view text) {
  return reinterpret_cast<const wchar_t*>(text.data());
}

// Whether the box would stay within the edit limit with `inserted` in place of
// its selection.
bool FitsAfterInsert(HWND edit, std::u16string_view inserted) {
  const auto [start, end] = EditSelection(edit);
  return window::FitsEditLimit(EditText(edit), start, end, inserted);
}

// What a typed character puts into the box: Ctrl+Enter's LF is a line break; a
// surrogate pair counts when its first half arrives.
std::optional<std::u16string> TypedText(wchar_t ch) {
  if (ch == L'\n') return u"\r\n";
  if (IsSecondHalf(ch)) return u"";
  if (IsFirstHalf(ch)) return std::u16string{static_cast<char16_t>(ch), u'\xDC00'};
  if (ch < 0x20 || ch == 0x7F) return std::nullopt;  // editing keys: BackSpace, Ctrl+A...
  return std::u16string(1, static_cast<char16_t>(ch));
}

std::u16string ClipboardText(HWND owner) {
  std::u16string text;
  if (!IsClipboardFormatAvailable(CF_UNICODETEXT) || !OpenClipboard(owner)) return text;
  if (const HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    if (const auto* chars = static_cast<const char16_t*>(GlobalLock(data))) {
      text = chars;
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return text;
}

// A double-click picks the whole number under the pointer, a result such as
// 1.414213562 or 1.5E-10, where the edit box's word rule would stop at the
// point or the sign. Elsewhere the word stays picked.
void SelectNumberAt(HWND edit, LPARAM point) {
  const std::optional<EditHit> hit = HitInEdit(edit, point);
  if (!hit) return;
  const auto [line, lineStart, index] = *hit;
  const int length = static_cast<int>(SendMessageW(edit, EM_LINELENGTH, lineStart, 0));
  std::u16string text(static_cast<std::size_t>(std::max(length, 1)), u'\0');
  text[0] = static_cast<char16_t>(text.size());  // EM_GETLINE reads the buffer's size here
  const LRESULT copied =
      SendMessageW(edit, EM_GETLINE, line, reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(std::max<LRESULT>(copied, 0)));
  const std::optional<window::NumberSpan> number = window::NumberAt(text, index - lineStart);
  if (!number) return;
  SendMessageW(edit, EM_SETSEL, lineStart + number->start, lineStart + number->end);
}

// `upperCase` (the subclass's data): the box makes capitals of a to z, and only
// of those, whatever the user's language.
LRESULT CALLBACK EditProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                          DWORD_PTR upperCase) {
  const bool readOnly = (GetWindowLongW(edit, GWL_STYLE) & ES_READONLY) != 0;
  switch (message) {
    case WM_CHAR:
      if (!readOnly) {
        if (upperCase) wParam = Capital(static_cast<char32_t>(wParam));
        if (const std::optional<std::u16string> typed = TypedText(static_cast<wchar_t>(wParam))) {
          if (!FitsAfterInsert(edit, *typed)) {
            Beep();
            return 0;
          }
        }
      }
      break;
    case WM_UNICHAR:
      if (!readOnly && upperCase) wParam = Capital(static_cast<char32_t>(wParam));
      break;
    case WM_PASTE: {
      if (readOnly) break;
      const std::u16string pasted = ClipboardText(edit);
      if (!FitsAfterInsert(edit, pasted)) {
        Beep();
        return 0;
      }
      // With capitals, the paste is made as the edit box makes one: an edit
      // that Ctrl+Z takes back.
      if (upperCase) {
        if (!pasted.empty()) ReplaceEditSelection(edit, ToCapitals(pasted), true);
        return 0;
      }
      break;
    }
    case WM_MOUSEMOVE:
      PointerMovedOverEdit(edit, lParam);
      break;
    case WM_KEYDOWN:
    case WM_LBUTTONDOWN:
      HideShownTip(GetParent(edit));
      break;
    case WM_LBUTTONDBLCLK: {
      const LRESULT result = DefSubclassProc(edit, message, wParam, lParam);
      SelectNumberAt(edit, lParam);
      return result;
    }
    case WM_NCDESTROY:
      RemoveWindowSubclass(edit, EditProc, kEditSubclassId);
      break;
    default:
      break;
  }
  return DefSubclassProc(edit, message, wParam, lParam);
}

}  // namespace

// EM_CHARFROMPOS gives the character in 16 bits: its high part is the line
// start's.
std::optional<EditHit> HitInEdit(HWND edit, LPARAM point) {
  const LRESULT hit = SendMessageW(edit, EM_CHARFROMPOS, 0, point);
  const int line = HIWORD(hit);
  const LRESULT lineStart = SendMessageW(edit, EM_LINEINDEX, line, 0);
  if (lineStart < 0) return std::nullopt;
  LRESULT index = (lineStart & ~LRESULT(0xFFFF)) | LOWORD(hit);
  if (index < lineStart) index += 0x10000;
  return EditHit{line, static_cast<int>(lineStart), static_cast<int>(index)};
}

// The edit limit is the window's own, counted in its positions; the native one
// is lifted so that it never cuts an edit short.
void PrepareEdit(HWND edit, bool upperCase) {
  SendMessageW(edit, EM_SETLIMITTEXT, 0x7FFFFFFE, 0);
  SetWindowSubclass(edit, EditProc, kEditSubclassId, upperCase ? 1 : 0);
}

std::u16string EditText(WindowHandle edit) {
  std::u16string text(static_cast<std::size_t>(GetWindowTextLengthW(Hwnd(edit))) + 1, u'\0');
  const int copied = GetWindowTextW(Hwnd(edit), reinterpret_cast<wchar_t*>(text.data()),
                                    static_cast<int>(text.size()));
  text.resize(static_cast<std::size_t>(std::max(copied, 0)));
  return text;
}

void SetEditText(WindowHandle edit, std::u16string_view text) {
  const std::u16string terminated(text);
  SetWindowTextW(Hwnd(edit), Wide(terminated));
}

bool EditIsEmpty(WindowHandle edit) {
  return GetWindowTextLengthW(Hwnd(edit)) == 0;
}

std::pair<int, int> EditSelection(WindowHandle edit) {
  DWORD start = 0;
  DWORD end = 0;
  SendMessageW(Hwnd(edit), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
               reinterpret_cast<LPARAM>(&end));
  return {static_cast<int>(std::min(start, end)), static_cast<int>(std::max(start, end))};
}

void SelectInEdit(WindowHandle edit, int start, int end) {
  SendMessageW(Hwnd(edit), EM_SETSEL, static_cast<WPARAM>(start), static_cast<LPARAM>(end));
}

void ReplaceEditSelection(WindowHandle edit, std::u16string_view text, bool canUndo) {
  const std::u16string terminated(text);
  SendMessageW(Hwnd(edit), EM_REPLACESEL, canUndo ? TRUE : FALSE,
               reinterpret_cast<LPARAM>(Wide(terminated)));
}

void ScrollEditCaret(WindowHandle edit) {
  SendMessageW(Hwnd(edit), EM_SCROLLCARET, 0, 0);
}

}  // namespace zorvane::win32
