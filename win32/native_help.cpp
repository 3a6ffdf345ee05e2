// The program's help: the same text as the manual page, in a small window of
// its own in the main window's font, with a Close button; Escape closes it too.
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "resources/dialogs/resource_ids.h"
#include "resources/help/help_text.h"
#include "win32/native.h"
#include "win32/native_template.h"
#include "window/text_positions.h"

namespace zorvane::win32 {
namespace {

constexpr int kTextId = 100;

INT_PTR CALLBACK HelpProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG: {
      const std::u16string text = window::FromWindowText(res::kHelpText, u"\r\n");
      SetDlgItemTextW(dialog, kTextId, reinterpret_cast<const wchar_t*>(text.c_str()));
      SetFocus(GetDlgItem(dialog, kTextId));
      return FALSE;
    }
    case WM_COMMAND:
      if (LOWORD(wParam) == IDCANCEL || LOWORD(wParam) == IDOK) ::EndDialog(dialog, IDCANCEL);
      return TRUE;
    default:
      return FALSE;
  }
}

// The widest line of the help, in characters, for the window's width.
int WidestLine(std::string_view text) {
  std::size_t widest = 0;
  for (std::size_t start = 0; start <= text.size();) {
    const std::size_t end = std::min(text.find('\n', start), text.size());
    widest = std::max(widest, window::FromWindowText(text.substr(start, end - start), u"").size());
    start = end + 1;
  }
  return static_cast<int>(widest);
}

}  // namespace

void ShowHelp(WindowHandle owner) {
  // Four horizontal dialog units make an average character; eight vertical ones
  // a line. Wide enough for the widest line, within reason; 24 lines high.
  const int width = std::clamp(WidestLine(res::kHelpText), 40, res::kHelpColumns) * 4 + 24;
  const int height = 24 * 8;
  const res::DialogControl controls[] = {
      {kTextId, res::ControlKind::Edit, "", 7, 7, width - 14, height,
       res::kMultiLine | res::kReadOnly | res::kVScroll | res::kBorder | res::kTabStop},
      {IDCANCEL, res::ControlKind::PushButton, "Close", width - 57, height + 12, 50, 14,
       res::kDefault | res::kTabStop},
  };
  const res::DialogTemplate& main = *res::FindDialogTemplate(res::IDD_MAIN);
  const res::DialogTemplate help{
      0,
      "Zorvane Help",
      width,
      height + 33,
      main.fontFace,
      main.pointSize,
      res::kCaption | res::kSystemMenu | res::kModalFrame | res::kCentreOnScreen,
      controls};
  const std::vector<std::uint16_t> data = BuildDialogTemplate(help);
  DialogBoxIndirectParamW(GetModuleHandleW(nullptr), reinterpret_cast<LPCDLGTEMPLATEW>(data.data()),
                          static_cast<HWND>(owner), HelpProc, 0);
}

}  // namespace zorvane::win32
