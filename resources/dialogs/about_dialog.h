#pragma once

#include "resources/dialogs/dialog_template.h"

namespace zorvane::res {

extern const DialogTemplate kAboutDialog;  // template 131

}  // namespace zorvane::res
