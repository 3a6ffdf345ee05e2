#pragma once

#include "resources/dialogs/dialog_template.h"

namespace zorvane::res {

extern const DialogTemplate kMainDialog;  // template 102

}  // namespace zorvane::res
