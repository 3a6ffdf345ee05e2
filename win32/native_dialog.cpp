// The dialogs: made from their template data, run modally by the dialog
// manager; commands go to the framework side through DialogEvents.
#include <windows.h>
// after <windows.h>, which it needs
#include <commctrl.h>

#include <string>
#include <vector>

#include "resources/dialogs/resource_ids.h"
#include "win32/native.h"
#include "win32/native_internal.h"
#include "win32/native_template.h"

namespace zorvane::win32 {
namespace {

// A posted message: the dialog is on screen and its initialisation is over.
constexpr UINT kShownMessage = WM_APP + 1;

std::function<void(WindowHandle, int)> g_shownHook;

struct RunningDialog {
  const res::DialogTemplate* dialogTemplate;
  DialogEvents* events;
};

RunningDialog* Running(HWND dialog) {
  return reinterpret_cast<RunningDialog*>(GetWindowLongPtrW(dialog, DWLP_USER));
}

// The owner's centre, for a template that opens over its owner.
void CentreOverOwner(HWND dialog) {
  const HWND owner = GetWindow(dialog, GW_OWNER);
  if (!owner) return;
  RECT ownerRect{};
  RECT rect{};
  GetWindowRect(owner, &ownerRect);
  GetWindowRect(dialog, &rect);
  const int x = (ownerRect.left + ownerRect.right - (rect.right - rect.left)) / 2;
  const int y = (ownerRect.top + ownerRect.bottom - (rect.bottom - rect.top)) / 2;
  SetWindowPos(dialog, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// While minimised, the window's icon stands centred in the client area.
bool PaintIconic(HWND dialog) {
  if (!IsIconic(dialog)) return false;
  PAINTSTRUCT paint;
  const HDC dc = BeginPaint(dialog, &paint);
  SendMessageW(dialog, WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
  RECT client{};
  GetClientRect(dialog, &client);
  const IconOrigin origin = IconOriginIn(client.right - client.left, client.bottom - client.top,
                                         GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON));
  DrawIcon(dc, origin.x, origin.y, LoadProgramIcon(res::IDR_MAINFRAME, true));
  EndPaint(dialog, &paint);
  return true;
}

INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG: {
      auto* running = reinterpret_cast<RunningDialog*>(lParam);
      SetWindowLongPtrW(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(running));
      const res::DialogTemplate& t = *running->dialogTemplate;
      if (t.styles & res::kCentreOverOwner) CentreOverOwner(dialog);
      PrepareControls(dialog, t);
      running->events->OnCreated(dialog);
      const bool focusFirst = running->events->OnInitDialog();
      PostMessageW(dialog, kShownMessage, 0, 0);
      return focusFirst ? TRUE : FALSE;
    }
    case WM_COMMAND:
      if (RunningDialog* running = Running(dialog)) {
        running->events->OnCommand(LOWORD(wParam), HIWORD(wParam));
        return TRUE;
      }
      return FALSE;
    case WM_NOTIFY: {
      auto* info = reinterpret_cast<NMTTDISPINFOW*>(lParam);
      RunningDialog* running = Running(dialog);
      static std::u16string tip;  // the text the tooltip shows, kept while it shows
      if (running && info->hdr.code == TTN_GETDISPINFOW)
        TipUnderPointer(*info, *running->events, tip);
      return FALSE;
    }
    case kShownMessage:
      if (g_shownHook) g_shownHook(dialog, Running(dialog)->dialogTemplate->id);
      return TRUE;
    case WM_PAINT:
      return PaintIconic(dialog) ? TRUE : FALSE;
    case WM_QUERYDRAGICON:
      SetWindowLongPtrW(dialog, DWLP_MSGRESULT,
                        reinterpret_cast<LONG_PTR>(LoadProgramIcon(res::IDR_MAINFRAME, true)));
      return TRUE;
    case WM_HELP:
      return TRUE;  // F1 is a keyboard shortcut of the dialog's own
    case WM_DESTROY:
      RemoveTips(dialog);
      if (RunningDialog* running = Running(dialog)) running->events->OnDestroy();
      return FALSE;
    default:
      return FALSE;
  }
}

}  // namespace

IconOrigin IconOriginIn(int clientWidth, int clientHeight, int iconWidth, int iconHeight) {
  return {(clientWidth - iconWidth + 1) / 2, (clientHeight - iconHeight + 1) / 2};
}

void InitializeControls() {
  INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
}

int RunDialog(const res::DialogTemplate& dialogTemplate, WindowHandle owner, DialogEvents& events) {
  const std::vector<std::uint16_t> data = BuildDialogTemplate(dialogTemplate);
  RunningDialog running{&dialogTemplate, &events};
  const ShortcutScope shortcuts(dialogTemplate.id);
  const INT_PTR result = DialogBoxIndirectParamW(
      GetModuleHandleW(nullptr), reinterpret_cast<LPCDLGTEMPLATEW>(data.data()),
      static_cast<HWND>(owner), DialogProc, reinterpret_cast<LPARAM>(&running));
  return static_cast<int>(result);
}

void GiveShortcut(HWND dialog, int command) {
  if (RunningDialog* running = Running(dialog)) running->events->OnShortcut(command);
}

bool ClickControl(WindowHandle dialog, int id) {
  const HWND control = GetDlgItem(static_cast<HWND>(dialog), id);
  if (control) SendMessageW(control, BM_CLICK, 0, 0);
  return control != nullptr;
}

void EndDialog(WindowHandle dialog, int result) {
  ::EndDialog(static_cast<HWND>(dialog), result);
}

WindowHandle ControlOf(WindowHandle dialog, int id) {
  return GetDlgItem(static_cast<HWND>(dialog), id);
}

void SetDialogShownHook(std::function<void(WindowHandle, int)> hook) {
  g_shownHook = std::move(hook);
}

void SetWindowOrder(WindowHandle window, WindowOrder where) {
  const HWND hwnd = static_cast<HWND>(window);
  const UINT keep = SWP_NOSIZE | SWP_NOMOVE;
  // HWND_BOTTOM takes a topmost window out of the topmost band on Windows, but
  // not on Wine; leaving the band first gives the same order on both.
  if (where == WindowOrder::Bottom && (GetWindowLongW(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST))
    SetWindowPos(hwnd, HWND_NOTOPMOST, 0, 0, 0, 0, keep | SWP_NOACTIVATE);
  const HWND after = where == WindowOrder::TopMost  ? HWND_TOPMOST
                     : where == WindowOrder::Bottom ? HWND_BOTTOM
                                                    : HWND_TOP;
  SetWindowPos(hwnd, after, 0, 0, 0, 0, keep);
}

void SetSystemFixedFont(WindowHandle control) {
  SendMessageW(static_cast<HWND>(control), WM_SETFONT,
               reinterpret_cast<WPARAM>(GetStockObject(SYSTEM_FIXED_FONT)), TRUE);
}

HICON LoadProgramIcon(int resourceId, bool big) {
  const int side = GetSystemMetrics(big ? SM_CXICON : SM_CXSMICON);
  return static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(resourceId),
                                       IMAGE_ICON, side, side, LR_SHARED));
}

void SetDialogIcon(WindowHandle dialog, int resourceId, bool big) {
  SendMessageW(static_cast<HWND>(dialog), WM_SETICON, big ? ICON_BIG : ICON_SMALL,
               reinterpret_cast<LPARAM>(LoadProgramIcon(resourceId, big)));
}

// Not through the dialog manager (WM_NEXTDLGCTL), which would select the whole
// text of an edit box it gives the focus to: the caret must stay where it is.
void Focus(WindowHandle control) {
  SetFocus(static_cast<HWND>(control));
}

int CheckState(WindowHandle button) {
  return static_cast<int>(SendMessageW(static_cast<HWND>(button), BM_GETCHECK, 0, 0));
}

void Beep() {
  MessageBeep(MB_OK);
}

}  // namespace zorvane::win32
