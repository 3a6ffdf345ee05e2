// Dialog template 131: the About box.
#include "resources/dialogs/about_dialog.h"

#include "resources/dialogs/resource_ids.h"
#include "resources/dialogs/standard_ids.h"
#include "zorvane_facts.h"

namespace zorvane::res {
namespace {

using afx::IDC_STATIC;
using afx::IDOK;

using enum ControlKind;

constexpr DialogControl kControls[] = {
    {IDOK, PushButton, "OK", 44, 38, 50, 14, kDefault | kTabStop},
    {IDC_STATIC, Icon, "", 7, 7, 20, 20, kNoStyle, IDR_MAINFRAME},
    {IDC_STATIC, Label, "Zorvane  Version " ZORVANE_VERSION_SHORT, 30, 7, 72, 8, kLeftText},
};

}  // namespace

const DialogTemplate kAboutDialog = {
    IDD_ABOUT,
    "\u3053\u306E\u30BD\u30D5\u30C8\u30A6\u30A7\u30A2\u306B\u3064\u3044\u3066",
    138,
    59,
    "\uFF2D\uFF33 \uFF30\u30B4\u30B7\u30C3\u30AF",  // MS PGothic, full-width Latin letters
    9,
    kCaption | kSystemMenu | kModalFrame | kCentreOverOwner,
    kControls,
};

}  // namespace zorvane::res
