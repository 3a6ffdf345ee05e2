#pragma once

// Runs the calculator's real window on the Win32 backend, with a script that
// plays the user once each dialog is on screen. No <windows.h> here and no
// framework header in the tests that include it: the scripts speak Win32.

#include <functional>

namespace zorvane::test {

// A script for the dialog made from template `templateId`; it gets the dialog's
// window (an HWND). A dialog without a script is ended with Cancel.
using DialogScript = std::function<void(void* dialog, int templateId)>;

// Opens the main window as the program does, runs `script` in it and returns
// what its DoModal returned.
int RunMainWindow(const DialogScript& script);

}  // namespace zorvane::test
