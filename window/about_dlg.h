#pragma once

#include "window/afx.h"

namespace zorvane::window {

// The About box, template 131: the icon, the name and version, and OK.
class CAboutDlg : public afx::CDialog {
 public:
  explicit CAboutDlg(afx::Platform& platform);
  ~CAboutDlg() override;

 protected:
  void DoDataExchange(afx::CDataExchange* pDX) override;
};

}  // namespace zorvane::window
