#pragma once

#include <string>
#include <string_view>

#include "resources/dialogs/dialog_template.h"

namespace zorvane::window {

// The name a screen reader speaks for a control of a dialog template; empty when
// the control's caption serves. An icon is named after what it shows.
std::string_view AccessibleName(int templateId, const res::DialogControl& control);

// What a screen reader adds about a control: its keyboard shortcut, as
// "Shortcut: Alt+D"; empty when it has none.
std::string AccessibleDescription(int templateId, int controlId);

}  // namespace zorvane::window
