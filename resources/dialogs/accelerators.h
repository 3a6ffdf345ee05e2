#pragma once

#include <span>
#include <string_view>

namespace zorvane::res {

// One keyboard shortcut of a dialog: the keys, written as "Alt+D" or "F1", and
// the command they give. A command that is a control's id acts as a click on
// that control (a check box toggles first); any other goes to the dialog as a
// command of its own.
struct Accelerator {
  std::string_view keys;
  int command;
};

// The shortcuts of dialog template `templateId`; none for most dialogs. They
// change nothing on screen: no caption is underlined.
std::span<const Accelerator> FindAccelerators(int templateId);

// The keys that give `command` in dialog `templateId`, or "" when none do.
std::string_view AcceleratorKeys(int templateId, int command);

}  // namespace zorvane::res
