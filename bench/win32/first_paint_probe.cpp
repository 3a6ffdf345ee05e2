#include "bench/win32/first_paint_probe.h"

#include <windows.h>
// after <windows.h>, which it needs
#include <psapi.h>

#include <cstdio>

namespace zorvane::bench {
namespace {

HHOOK g_hook = nullptr;

long long NowSinceEpoch() {
  FILETIME now{};
  GetSystemTimePreciseAsFileTime(&now);
  const unsigned long long ticks =
      (static_cast<unsigned long long>(now.dwHighDateTime) << 32) | now.dwLowDateTime;
  constexpr unsigned long long kEpochTicks = 116444736000000000ULL;  // 1601 to 1970, in 100 ns
  return static_cast<long long>((ticks - kEpochTicks) * 100);
}

constexpr UINT kPaintedMessage = WM_APP + 0x3F0;

void Report() {
  const long long painted = NowSinceEpoch();
  PROCESS_MEMORY_COUNTERS memory{};
  GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof memory);
  std::fprintf(stderr, "zorvane: first paint at %lld\nzorvane: working set %llu\n", painted,
               static_cast<unsigned long long>(memory.WorkingSetSize / 1024));
  std::fflush(stderr);
}

// The first WM_PAINT of a top-level window is seen as it is taken from the
// queue; a message posted then is taken once that painting is over.
LRESULT CALLBACK OnGetMessage(int code, WPARAM wParam, LPARAM lParam) {
  const auto* msg = reinterpret_cast<const MSG*>(lParam);
  if (code == HC_ACTION && wParam == PM_REMOVE) {
    if (msg->message == WM_PAINT && msg->hwnd && GetAncestor(msg->hwnd, GA_ROOT) == msg->hwnd) {
      PostThreadMessageW(GetCurrentThreadId(), kPaintedMessage, 0, 0);
    } else if (msg->message == kPaintedMessage && !msg->hwnd) {
      Report();
      UnhookWindowsHookEx(g_hook);
      g_hook = nullptr;
      return 0;
    }
  }
  return CallNextHookEx(g_hook, code, wParam, lParam);
}

}  // namespace

void InstallFirstPaintProbe() {
  g_hook = SetWindowsHookExW(WH_GETMESSAGE, OnGetMessage, nullptr, GetCurrentThreadId());
}

}  // namespace zorvane::bench
