#pragma once

#include "afx.h"

namespace zorvane::window {

// The application object: runs the main window modally, then ends the program.
class CMainApp : public afx::CWinApp {
 public:
  explicit CMainApp(afx::Platform& platform) : CWinApp(platform) {}
  ~CMainApp() override;

  afx::BOOL InitInstance() override;
};

}  // namespace zorvane::window
