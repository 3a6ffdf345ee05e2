// win32_peek.exe: prints the two boxes of the running calculator window
// (title "Zorvane") as UTF-8, the Input Box first, each followed by a line
// "--"; for the end-to-end smoke test, which drives the window from outside.
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

// WM_GETTEXT itself: GetWindowText does not read another program's controls.
std::string Utf8(HWND control) {
  const auto length = static_cast<int>(SendMessageW(control, WM_GETTEXTLENGTH, 0, 0));
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  text.resize(static_cast<std::size_t>(
      SendMessageW(control, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()))));
  std::string bytes(static_cast<std::size_t>(text.size()) * 3, '\0');
  bytes.resize(static_cast<std::size_t>(
      WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), bytes.data(),
                          int(bytes.size()), nullptr, nullptr)));
  return bytes;
}

}  // namespace

int main() {
  const HWND window = FindWindowW(nullptr, L"Zorvane");
  if (!window) {
    std::fputs("no window\n", stderr);
    return 1;
  }
  for (int id : {1001, 1002})
    std::printf("%s\n--\n", Utf8(GetDlgItem(window, id)).c_str());
  return 0;
}
