#pragma once

#include <span>

#include "window/afx.h"

namespace zorvane::window {

// The application object: runs the main window modally, then ends the program.
class CMainApp : public afx::CWinApp {
 public:
  explicit CMainApp(afx::Platform& platform) : CWinApp(platform) {}
  ~CMainApp() override;

  afx::BOOL InitInstance() override;
  bool OnCmdMsg(int id, int code) override;

  static std::span<const afx::MessageMapEntry<CMainApp>> GetMessageMap();
};

}  // namespace zorvane::window
