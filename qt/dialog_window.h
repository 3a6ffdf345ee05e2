#pragma once

#include <QDialog>
#include <map>
#include <memory>

#include "dialog_units.h"
#include "edit_boxes.h"
#include "resources/dialogs/dialog_template.h"
#include "window/afx.h"

class QCheckBox;

namespace zorvane::qt {

class QtPlatform;

// One dialog window built from a template; the site the framework's dialog talks to.
class DialogWindow : public afx::DialogSite {
 public:
  DialogWindow(QtPlatform& platform, afx::CDialog& dialog,
               const res::DialogTemplate& dialogTemplate, QWidget* owner);
  ~DialogWindow() override;

  afx::EditControl* GetEditControl(int id) override;
  afx::CheckControl* GetCheckControl(int id) override;
  void SetIcon(afx::HICON icon, bool bigIcon) override;
  void SetFont(int controlId, afx::StockFont font) override;
  void SetWindowPos(afx::InsertAfter where) override;
  void EndDialog(int result) override;

  void FocusFirstTabStop();
  void ApplyIcon();
  int Exec();
  QDialog* Widget() const;

 private:
  class Window;
  class CheckAdapter;

  void Build();
  void InstallAccelerators();
  QWidget* CreateControl(const res::DialogControl& control);
  void Dispatch(int id, int code);

  QtPlatform& m_platform;
  afx::CDialog& m_dialog;
  const res::DialogTemplate& m_template;
  std::unique_ptr<Window> m_window;
  BaseUnits m_units{};
  std::map<int, QWidget*> m_controls;
  std::map<int, std::unique_ptr<QtEditControl>> m_edits;
  std::map<int, std::unique_ptr<CheckAdapter>> m_checks;
  bool m_ended = false;
  int m_result = -1;
  bool m_dispatching = true;
  afx::HICON m_icon;
  bool m_iconPending = false;  // SetIcon came before the first paint
  bool m_iconNow = false;      // painted: icons apply at once
};

}  // namespace zorvane::qt
