#include "resources/dialogs/about_dialog.h"
#include "resources/dialogs/dialog_template.h"
#include "resources/dialogs/main_dialog.h"

namespace zorvane::res {

const DialogTemplate* FindDialogTemplate(int id) {
  for (const DialogTemplate* t : {&kMainDialog, &kAboutDialog}) {
    if (t->id == id) return t;
  }
  return nullptr;
}

}  // namespace zorvane::res
