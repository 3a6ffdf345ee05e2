#pragma once

// A thin application framework in the style of the classic Win32 one: the
// application object, modal dialogs made from templates, edit-control objects,
// data exchange and message maps. All window work goes through Platform.

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "resources/dialogs/standard_ids.h"
#include "window/platform.h"

namespace zorvane::afx {

using BOOL = int;
inline constexpr BOOL FALSE = 0;
inline constexpr BOOL TRUE = 1;

// The application object. AfxWinMain calls InitInstance; when it returns FALSE
// the program ends at once with ExitInstance's code. While it exists, AfxGetApp
// finds it, and commands that no dialog handles reach its OnCmdMsg.
class CWinApp {
 public:
  explicit CWinApp(Platform& platform);
  virtual ~CWinApp();
  CWinApp(const CWinApp&) = delete;
  CWinApp& operator=(const CWinApp&) = delete;

  virtual BOOL InitInstance() { return TRUE; }
  virtual int ExitInstance() { return 0; }
  // The message loop of an application that keeps running after InitInstance;
  // this framework has none of its own.
  virtual int Run() { return ExitInstance(); }
  // A command no dialog handled; false when the application has none for it.
  virtual bool OnCmdMsg(int /*id*/, int /*code*/) { return false; }
  // The standard Help command's handler: the program's help.
  void OnHelp();

  Platform& GetPlatform() { return m_platform; }

  CDialog* m_pMainWnd = nullptr;

 private:
  Platform& m_platform;
};

int AfxWinMain(CWinApp& app);
CWinApp* AfxGetApp();  // the application object, or nullptr

// An edit control object, attached to a control of an open dialog by data
// exchange. Operations on an unattached object do nothing.
class CEdit {
 public:
  void Attach(EditControl* control) { m_control = control; }
  void Detach() { m_control = nullptr; }
  bool IsAttached() const { return m_control != nullptr; }

  void SetFocus();
  void GetSel(int& start, int& end) const;
  std::string GetWindowText() const;
  void SetWindowText(std::string_view text);
  bool IsEmpty() const;  // true for an unattached object
  void ReplaceSel(std::string_view text);
  // An edit of the user's over the whole text; one that would pass the box's
  // limit is refused whole with a beep, the box unchanged, and gives false.
  bool ReplaceText(std::string_view text);
  void SetSel(int start, int end);
  void ScrollCaret();
  void AnnounceInsertion(std::string_view text);
  void AnnounceRemark(std::string_view remark);
  void ShowTip(int position, std::string_view tip);

 private:
  EditControl* m_control = nullptr;
};

class CDialog;

// Direction and target of one data exchange.
class CDataExchange {
 public:
  CDataExchange(CDialog& dialog, BOOL saveAndValidate)
      : m_dialog(dialog), m_bSaveAndValidate(saveAndValidate) {}
  CDialog& Dialog() const { return m_dialog; }

 private:
  CDialog& m_dialog;

 public:
  const BOOL m_bSaveAndValidate;  // TRUE: controls to members
};

void DDX_Control(CDataExchange* pDX, int id, CEdit& edit);
void DDX_Text(CDataExchange* pDX, int id, std::string& value);

// One row of a message map: a control's notification and the member that handles
// it. Rows are searched in table order; the first match handles the message.
template <class T>
struct MessageMapEntry {
  int id;
  int code;
  void (T::*handler)();
};

template <class T>
bool DispatchMessageMap(T& target, std::span<const MessageMapEntry<T>> map, int id, int code) {
  for (const MessageMapEntry<T>& entry : map) {
    if (entry.id == id && entry.code == code) {
      (target.*entry.handler)();
      return true;
    }
  }
  return false;
}

// A modal dialog made from a template.
class CDialog {
 public:
  CDialog(Platform& platform, int templateId) : m_platform(platform), m_templateId(templateId) {}
  virtual ~CDialog();
  CDialog(const CDialog&) = delete;
  CDialog& operator=(const CDialog&) = delete;

  int DoModal();
  int GetTemplateId() const { return m_templateId; }

  // Called by the platform: the window exists from AttachSite(site) until
  // AttachSite(nullptr), which also detaches the edit objects bound to it.
  void AttachSite(DialogSite* site);
  virtual BOOL OnInitDialog();
  // Routes a control's notification through the message map; OK and Cancel fall
  // back to OnOK and OnCancel, anything else to the application. Returns whether
  // anything handled it.
  virtual bool OnCmdMsg(int id, int code);
  // Called by the platform for a keyboard shortcut of the template's table: a
  // shortcut on a control clicks it, exactly as the mouse does; any other gives
  // its command to the dialog.
  void OnShortcut(int command);
  // The tooltip for window position `position` of control `id`, which the
  // platform asks for when the pointer rests there; empty for none, the default.
  virtual std::string OnToolTipText(int id, int position) const;

 protected:
  virtual void DoDataExchange(CDataExchange*) {}
  BOOL UpdateData(BOOL saveAndValidate = TRUE);
  virtual void OnOK();
  virtual void OnCancel();
  void EndDialog(int result);

  int IsDlgButtonChecked(int id) const;  // BM_GETCHECK of a check box, 0 when none
  void SetIcon(HICON icon, bool bigIcon);
  void SetWindowPos(InsertAfter where);
  void SetFont(int controlId, StockFont font);

  Platform& GetPlatform() { return m_platform; }

 private:
  friend void DDX_Control(CDataExchange*, int, CEdit&);
  friend void DDX_Text(CDataExchange*, int, std::string&);

  Platform& m_platform;
  int m_templateId;
  DialogSite* m_site = nullptr;
  std::vector<CEdit*> m_boundEdits;
};

}  // namespace zorvane::afx
