#pragma once

#include <string>
#include <string_view>

namespace zorvane::window {

// The name a screen reader speaks for a control of a dialog template; empty when
// the control's caption serves.
std::string_view AccessibleName(int templateId, int controlId);

// What a screen reader adds about a control: its keyboard shortcut, as
// "Shortcut: Alt+D"; empty when it has none.
std::string AccessibleDescription(int templateId, int controlId);

}  // namespace zorvane::window
