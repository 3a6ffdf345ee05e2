#include "about_dialog.h"
#include "dialog_template.h"
#include "main_dialog.h"

namespace zorvane::res {

const DialogTemplate* FindDialogTemplate(int id) {
  for (const DialogTemplate* t : {&kMainDialog, &kAboutDialog}) {
    if (t->id == id) return t;
  }
  return nullptr;
}

}  // namespace zorvane::res
