#pragma once

#include <QDialog>
#include <map>
#include <memory>

#include "qt/dialog_units.h"
#include "qt/edit_boxes.h"
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
  bool ClickControl(int id) override;

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

  QtPlatform& platform_;
  afx::CDialog& dialog_;
  const res::DialogTemplate& template_;
  std::unique_ptr<Window> window_;
  BaseUnits units_{};
  std::map<int, QWidget*> controls_;
  std::map<int, std::unique_ptr<QtEditControl>> edits_;
  std::map<int, std::unique_ptr<CheckAdapter>> checks_;
  bool ended_ = false;
  int result_ = -1;
  bool dispatching_ = true;
  afx::HICON icon_;
  bool iconPending_ = false;  // SetIcon came before the first paint
  bool iconNow_ = false;      // painted: icons apply at once
};

}  // namespace zorvane::qt
