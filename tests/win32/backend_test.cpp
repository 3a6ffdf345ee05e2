// The Win32 backend with the real dialog manager and edit controls, driven
// through messages and input: what only Win32 can get wrong. The commands'
// rules are tested on the fake platform and only run again here.
#include <windows.h>
// after <windows.h>, which it needs
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "resources/dialogs/dialog_template.h"
#include "resources/dialogs/resource_ids.h"
#include "tests/win32/harness.h"
#include "tests/window/typed_twins.h"
#include "win32/native_internal.h"
#include "window/edit_limit.h"

namespace zorvane::test {
namespace {

using namespace res;

HWND Item(void* dialog, int id) {
  return GetDlgItem(static_cast<HWND>(dialog), id);
}

std::wstring Text(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), int(text.size()))));
  return text;
}

std::pair<DWORD, DWORD> Selection(HWND edit) {
  DWORD start = 0;
  DWORD end = 0;
  SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  return {start, end};
}

// Handles what is queued as the dialog manager's own loop would, the message
// filter (which the keyboard shortcuts use) included.
void Pump(HWND dialog) {
  MSG msg;
  for (int i = 0; i < 10000 && PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE); ++i) {
    if (CallMsgFilterW(&msg, MSGF_DIALOGBOX)) continue;
    if (!IsDialogMessageW(dialog, &msg)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
  }
}

// Keys pressed and released in order, as the keyboard sends them; `held` keys
// (VK_MENU, VK_CONTROL) stay down around the others. Wine without a display
// does not make a program's first window the foreground one, which the
// keyboard goes to.
void Keys(void* dialog, std::initializer_list<WORD> held, std::initializer_list<WORD> keys) {
  SetForegroundWindow(static_cast<HWND>(dialog));
  std::vector<INPUT> inputs;
  const auto add = [&](WORD key, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    inputs.push_back(input);
  };
  for (WORD key : held)
    add(key, false);
  for (WORD key : keys) {
    add(key, false);
    add(key, true);
  }
  for (WORD key : held)
    add(key, true);
  SendInput(UINT(inputs.size()), inputs.data(), sizeof(INPUT));
  Pump(static_cast<HWND>(dialog));
}

void Type(HWND edit, std::wstring_view text) {
  for (wchar_t c : text)
    SendMessageW(edit, WM_CHAR, c, 0);
}

void SetClipboard(void* dialog, std::wstring_view text) {
  OpenClipboard(static_cast<HWND>(dialog));
  EmptyClipboard();
  const std::wstring terminated(text);
  const std::size_t bytes = (terminated.size() + 1) * sizeof(wchar_t);
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
  std::memcpy(GlobalLock(memory), terminated.c_str(), bytes);
  GlobalUnlock(memory);
  SetClipboardData(CF_UNICODETEXT, memory);
  CloseClipboard();
}

void Click(void* dialog, int id) {
  SendMessageW(Item(dialog, id), BM_CLICK, 0, 0);
  Pump(static_cast<HWND>(dialog));
}

// Every control stands where its template puts it, in dialog units of the
// template's font; EXE is the default button; both boxes show the stock fixed
// font; the dialog font is the template's face.
TEST(Win32Backend, LayoutFontsAndDefaultButtonFollowTheTemplate) {
  const int result = RunMainWindow([](void* dialog, int) {
    const HWND window = static_cast<HWND>(dialog);
    HWND child = GetWindow(window, GW_CHILD);
    for (const DialogControl& control : FindDialogTemplate(IDD_MAIN)->controls) {
      ASSERT_NE(child, nullptr);
      // Position and size are converted each on its own, as the dialog manager
      // does.
      RECT wanted{control.x, control.y, control.w, control.h};
      MapDialogRect(window, &wanted);
      wanted.right += wanted.left;
      wanted.bottom += wanted.top;
      RECT got{};
      GetWindowRect(child, &got);
      MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&got), 2);
      EXPECT_TRUE(EqualRect(&wanted, &got))
          << control.id << ": " << got.left << "," << got.top << "," << got.right << ","
          << got.bottom << " instead of " << wanted.left << "," << wanted.top << "," << wanted.right
          << "," << wanted.bottom;
      child = GetWindow(child, GW_HWNDNEXT);
    }
    RECT client{};
    GetClientRect(window, &client);
    RECT wanted{0, 0, 300, 155};
    MapDialogRect(window, &wanted);
    EXPECT_EQ(client.right, wanted.right);
    EXPECT_EQ(client.bottom, wanted.bottom);

    EXPECT_EQ(LOWORD(SendMessageW(window, DM_GETDEFID, 0, 0)), IDC_EXE);
    const HGDIOBJ fixed = GetStockObject(SYSTEM_FIXED_FONT);
    EXPECT_EQ(reinterpret_cast<HGDIOBJ>(SendMessageW(Item(dialog, IDC_INPUT), WM_GETFONT, 0, 0)),
              fixed);
    EXPECT_EQ(reinterpret_cast<HGDIOBJ>(SendMessageW(Item(dialog, IDC_OUTPUT), WM_GETFONT, 0, 0)),
              fixed);
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HGDIOBJ>(SendMessageW(window, WM_GETFONT, 0, 0)), sizeof font,
               &font);
    EXPECT_EQ(std::wstring(font.lfFaceName), L"\xFF2D\xFF33 \x30B4\x30B7\x30C3\x30AF");
    EXPECT_EQ(Text(window), L"Zorvane");
    EXPECT_EQ(GetFocus(), Item(dialog, IDC_INPUT));
    EXPECT_NE(SendMessageW(window, WM_GETICON, ICON_BIG, 0), 0);
    EXPECT_NE(SendMessageW(window, WM_GETICON, ICON_SMALL, 0), 0);
    Keys(dialog, {}, {VK_ESCAPE});
  });
  EXPECT_EQ(result, IDCANCEL);  // Escape ends the window
}

// Typed letters become capitals; Enter presses EXE, which puts each entry on
// top of the log and leaves the input selected; Ctrl+Enter is a line break.
TEST(Win32Backend, TypingEnterAndTheLog) {
  RunMainWindow([](void* dialog, int) {
    const HWND input = Item(dialog, IDC_INPUT);
    const HWND output = Item(dialog, IDC_OUTPUT);
    Type(input, L"1+2");
    Keys(dialog, {}, {VK_RETURN});
    Type(input, L"sin0");
    EXPECT_EQ(Text(input), L"SIN0");
    Keys(dialog, {}, {VK_RETURN});
    EXPECT_EQ(Text(output), L"SIN0\r\n=0\r\n1+2\r\n=3");
    EXPECT_EQ(Selection(input), std::make_pair(DWORD(0), DWORD(4)));
    Keys(dialog, {VK_CONTROL}, {VK_RETURN});
    Type(input, L"1");
    EXPECT_EQ(Text(input), L"\r\n1");
    Keys(dialog, {}, {VK_ESCAPE});
  });
}

// Typed and pasted, only a to z become capitals, whatever the user's language
// (not the dotless i, the long s, sharp s, pi or the full-width letters, as
// ES_UPPERCASE would); what a command writes stays as written, as on Linux:
// the Paste button takes "=error" as it stands in the log.
TEST(Win32Backend, OnlyAToZBecomeCapitals) {
  RunMainWindow([](void* dialog, int) {
    const HWND input = Item(dialog, IDC_INPUT);
    const HWND output = Item(dialog, IDC_OUTPUT);
    const std::wstring typed = L"s\x0131n1+\x017Fin1+\x00DF+\x03C0+\xFF41\xFF21+az";
    const std::wstring shown = L"S\x0131N1+\x017FIN1+\x00DF+\x03C0+\xFF41\xFF21+AZ";
    Type(input, typed);
    SendMessageW(input, WM_UNICHAR, L'z', 0);  // as some input methods send it
    EXPECT_EQ(Text(input), shown + L"Z");
    SetWindowTextW(input, L"");
    SetClipboard(dialog, typed);
    SendMessageW(input, WM_PASTE, 0, 0);
    EXPECT_EQ(Text(input), shown);
    SetWindowTextW(output, L"1/0\r\n=error");
    SendMessageW(output, EM_SETSEL, 5, 11);
    Click(dialog, IDC_PASTE);
    EXPECT_EQ(Text(input), L"=error");
    Keys(dialog, {}, {VK_ESCAPE});
  });
}

// An edit past the limit is refused whole: typing, and a paste that would
// overflow, leave the box as it was; one that fits is taken whole.
TEST(Win32Backend, EditLimitRefusesWhole) {
  RunMainWindow([](void* dialog, int) {
    const HWND input = Item(dialog, IDC_INPUT);
    // One short of the limit, in lines: the edit box wraps a long line slowly.
    std::wstring full;
    while (full.size() + 80 < std::size_t(window::kEditLimit))
      full += std::wstring(78, L'1') + L"\r\n";
    full.append(std::size_t(window::kEditLimit) - 1 - full.size(), L'1');
    SetWindowTextW(input, full.c_str());
    SendMessageW(input, EM_SETSEL, full.size(), full.size());
    Type(input, L"22");
    EXPECT_EQ(Text(input), full + L"2");
    for (const wchar_t* pasted : {L"33", L"\r\n"}) {
      SetClipboard(dialog, pasted);
      SendMessageW(input, EM_SETSEL, 0, 1);  // one position freed by the selection
      SendMessageW(input, WM_PASTE, 0, 0);
      EXPECT_EQ(Text(input), full + L"2") << "a paste of " << wcslen(pasted) << " units";
    }
    Keys(dialog, {}, {VK_ESCAPE});
  });
}

// The keypad writes at the caret; Paste takes the log's selection; a
// double-click picks the whole number; the keyboard shortcuts click controls.
TEST(Win32Backend, KeypadPasteDoubleClickAndShortcuts) {
  RunMainWindow([](void* dialog, int) {
    const HWND input = Item(dialog, IDC_INPUT);
    const HWND output = Item(dialog, IDC_OUTPUT);
    SetWindowTextW(input, L"1234");
    SendMessageW(input, EM_SETSEL, 2, 2);
    Click(dialog, IDC_DIGIT_7);
    EXPECT_EQ(Text(input), L"12734");
    EXPECT_EQ(Selection(input), std::make_pair(DWORD(3), DWORD(3)));
    EXPECT_EQ(GetFocus(), input);

    SetWindowTextW(output, L"2/3\r\n=0.6666666667");
    SendMessageW(output, EM_SETSEL, 6, 18);
    Click(dialog, IDC_PASTE);
    EXPECT_EQ(Text(input), L"0.6666666667");

    // A double-click stops at no point, exponent mark or sign of a number.
    SetWindowTextW(output, L"1/3E10\r\n=3.333333333E-11");
    POINT point{};
    const LRESULT at = SendMessageW(output, EM_POSFROMCHAR, 20, 0);  // in "E-11"
    point.x = LOWORD(at) + 1;
    point.y = HIWORD(at) + 1;
    SendMessageW(output, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(point.x, point.y));
    SendMessageW(output, WM_LBUTTONUP, 0, MAKELPARAM(point.x, point.y));
    EXPECT_EQ(Selection(output), std::make_pair(DWORD(9), DWORD(24)));

    Keys(dialog, {VK_MENU}, {'D'});
    EXPECT_EQ(SendMessageW(Item(dialog, IDC_DEG), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(GetFocus(), input);
    Keys(dialog, {}, {VK_ESCAPE});
  });
}

// Ctrl+Z after a keypad edit, and Ctrl+Z once more (the edit box's redo),
// leave the text and the selection as after the same edit typed: at the place
// of the edit, not the whole text selected.
TEST(Win32Backend, UndoAndRedoOfAKeySelectWhatTypingDoes) {
  using Selected = std::pair<DWORD, DWORD>;
  const std::pair<Selected, Selected> selections[] = {
      // undone, redone
      {{2, 2}, {2, 3}},
      {{1, 1}, {1, 2}},
      {{3, 5}, {3, 10}},
      {{1, 2}, {1, 1}},
  };
  const auto wide = [](std::string_view text) { return std::wstring(text.begin(), text.end()); };
  RunMainWindow([&](void* dialog, int) {
    const HWND input = Item(dialog, IDC_INPUT);
    for (std::size_t row = 0; row < std::size(kTypedTwins); ++row) {
      const TypedTwin& twin = kTypedTwins[row];
      for (bool byKey : {false, true}) {
        SCOPED_TRACE(testing::Message() << twin.key << (byKey ? " key" : " typed"));
        SetWindowTextW(input, wide(twin.text).c_str());
        SendMessageW(input, EM_SETSEL, twin.start, twin.end);
        if (byKey) {
          Click(dialog, twin.key);
        } else {
          Type(input, wide(twin.typed));
        }
        Keys(dialog, {VK_CONTROL}, {'Z'});
        EXPECT_EQ(Text(input), wide(twin.text));
        EXPECT_EQ(Selection(input), selections[row].first);
        Keys(dialog, {VK_CONTROL}, {'Z'});
        EXPECT_EQ(Text(input), wide(twin.edited));
        EXPECT_EQ(Selection(input), selections[row].second);
      }
    }
    Keys(dialog, {}, {VK_ESCAPE});
  });
}

// MostTop puts the window into the topmost band and takes it out again.
TEST(Win32Backend, MostTopSetsAndClearsTheTopmostStyle) {
  RunMainWindow([](void* dialog, int) {
    const HWND window = static_cast<HWND>(dialog);
    const auto topmost = [&] { return (GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; };
    EXPECT_FALSE(topmost());
    Click(dialog, IDC_MOST_TOP);
    EXPECT_TRUE(topmost());
    Click(dialog, IDC_MOST_TOP);
    EXPECT_FALSE(topmost());
    Keys(dialog, {}, {VK_ESCAPE});
  });
}

// The About box opens over the main window with the icon and the version line,
// and OK closes it; the focus is back in the Input Box.
TEST(Win32Backend, AboutBox) {
  bool shown = false;
  RunMainWindow([&](void* dialog, int templateId) {
    if (templateId == IDD_ABOUT) {
      shown = true;
      const HWND about = static_cast<HWND>(dialog);
      EXPECT_NE(GetWindow(about, GW_OWNER), nullptr);
      const HWND icon =
          GetWindow(about, GW_CHILD) ? GetWindow(GetWindow(about, GW_CHILD), GW_HWNDNEXT) : nullptr;
      ASSERT_NE(icon, nullptr);
      EXPECT_NE(SendMessageW(icon, STM_GETICON, 0, 0), 0);
      EXPECT_EQ(Text(GetWindow(icon, GW_HWNDNEXT)).rfind(L"Zorvane  Version ", 0), 0u);
      Keys(dialog, {}, {VK_RETURN});  // OK, the default button
      return;
    }
    Click(dialog, IDC_ABOUT);
    EXPECT_TRUE(shown);
    EXPECT_EQ(GetFocus(), Item(dialog, IDC_INPUT));
    Keys(dialog, {}, {VK_ESCAPE});
  });
}

// A failed entry explains itself: the live region reads the entry with its
// reason; the tip under the pointer is the reason on the entry's lines and
// none on a result; Alt+R shows it at the entry.
TEST(Win32Backend, AFailedEntryShowsItsReason) {
  RunMainWindow([](void* dialog, int) {
    const HWND window = static_cast<HWND>(dialog);
    const HWND input = Item(dialog, IDC_INPUT);
    const HWND output = Item(dialog, IDC_OUTPUT);
    Type(input, L"1/0");
    Keys(dialog, {}, {VK_RETURN});
    const std::wstring said = Text(Item(dialog, win32::kAnnouncerId));
    const std::wstring entry = L"1/0\r\n=error\r\n";
    ASSERT_EQ(said.rfind(entry, 0), 0u) << "the entry first";
    const std::wstring reason = said.substr(entry.size());
    EXPECT_FALSE(reason.empty());
    Type(input, L"2");
    Keys(dialog, {}, {VK_RETURN});  // the log: 2, =2, 1/0, =error

    const auto tipAt = [&](int character) {
      const LRESULT at = SendMessageW(output, EM_POSFROMCHAR, character, 0);
      POINT point{static_cast<short>(LOWORD(at)) + 1, static_cast<short>(HIWORD(at)) + 1};
      ClientToScreen(output, &point);
      SetCursorPos(point.x, point.y);
      NMTTDISPINFOW info{};
      info.hdr.hwndFrom = static_cast<HWND>(GetPropW(window, win32::kTipsProperty));
      info.hdr.idFrom = reinterpret_cast<UINT_PTR>(output);
      info.hdr.code = TTN_GETDISPINFOW;
      info.uFlags = TTF_IDISHWND;
      SendMessageW(window, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&info));
      return std::wstring(info.lpszText ? info.lpszText : L"");
    };
    EXPECT_EQ(tipAt(7), reason);   // on "1/0"
    EXPECT_EQ(tipAt(12), reason);  // on "=error"
    EXPECT_EQ(tipAt(0), L"");      // on the result "2"

    Keys(dialog, {VK_MENU}, {'R'});
    wchar_t shown[512] = L"";
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.hwnd = window;
    tool.uId = win32::kShownTipId;
    tool.lpszText = shown;
    SendMessageW(static_cast<HWND>(GetPropW(window, win32::kTipsProperty)), TTM_GETTEXTW,
                 std::size(shown), reinterpret_cast<LPARAM>(&tool));
    EXPECT_EQ(std::wstring(shown), reason);
    EXPECT_EQ(GetFocus(), input);
    Keys(dialog, {}, {VK_ESCAPE});
  });
}

// While minimised, the icon is drawn centred, halves rounded toward zero.
TEST(Win32Backend, IconOriginWhileMinimised) {
  const struct {
    int client, icon, origin;
  } rows[] = {{36, 32, 2}, {35, 32, 2}, {30, 32, 0}, {32, 32, 0}};
  for (const auto& row : rows) {
    EXPECT_EQ(win32::IconOriginIn(row.client, row.client, row.icon, row.icon),
              (win32::IconOrigin{row.origin, row.origin}))
        << row.client;
  }
}

}  // namespace
}  // namespace zorvane::test
