// What screen readers get: names and shortcuts of the controls, and the entries
// EXE writes, announced through a live region. Both go through the dynamic
// annotation service of Active Accessibility.
#include <windows.h>
// after <windows.h>; initguid.h first, so that oleacc.h defines its GUIDs here
#include <initguid.h>
//
#include <oleacc.h>

#include <string>

#include "win32/native.h"
#include "win32/native_internal.h"

namespace zorvane::win32 {
namespace {

// The UI Automation property that makes a control a live region, and its
// "polite" setting: read out when the reader is idle.
DEFINE_GUID(kLiveSettingProperty, 0xc12bcd8e, 0x2a8e, 0x4950, 0x8a, 0xe7, 0x36, 0x25, 0x11, 0x1d,
            0x58, 0xeb);
constexpr LONG kPolite = 1;

// The annotation service, made once for the user-interface thread; null where
// the system has none.
IAccPropServices* Services() {
  static IAccPropServices* services = [] {
    // COM set up earlier, in whatever mode, serves as well.
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    IAccPropServices* made = nullptr;
    CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER, IID_IAccPropServices,
                     reinterpret_cast<void**>(&made));
    return made;
  }();
  return services;
}

void SetText(HWND control, const MSAAPROPID& property, std::u16string_view text) {
  IAccPropServices* services = Services();
  if (!services || text.empty()) return;
  const std::wstring terminated(text.begin(), text.end());
  services->SetHwndPropStr(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, property,
                           terminated.c_str());
}

}  // namespace

void NameControl(HWND control, std::u16string_view name, std::u16string_view description) {
  SetText(control, PROPID_ACC_NAME, name);
  SetText(control, PROPID_ACC_DESCRIPTION, description);
}

HWND CreateAnnouncer(HWND dialog) {
  const HWND announcer =
      CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_NOPREFIX, 0, 0, 0, 0, dialog,
                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(kAnnouncerId)),
                      GetModuleHandleW(nullptr), nullptr);
  if (IAccPropServices* services = Services()) {
    VARIANT polite{};
    polite.vt = VT_I4;
    polite.lVal = kPolite;
    services->SetHwndProp(announcer, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                          kLiveSettingProperty, polite);
  }
  return announcer;
}

void Announce(WindowHandle dialog, std::u16string_view text) {
  const HWND announcer = GetDlgItem(static_cast<HWND>(dialog), kAnnouncerId);
  if (!announcer) return;
  const std::wstring terminated(text.begin(), text.end());
  SetWindowTextW(announcer, terminated.c_str());
  NotifyWinEvent(EVENT_OBJECT_LIVEREGIONCHANGED, announcer, OBJID_CLIENT, CHILDID_SELF);
}

}  // namespace zorvane::win32
