#pragma once

// Dialog templates for the dialog manager, made at run time from the template
// data of resources/dialogs, so that the layout exists once for every toolkit.

#include <cstdint>
#include <vector>

#include "resources/dialogs/dialog_template.h"

namespace zorvane::win32 {

// The extended dialog template (DLGTEMPLATEEX and one DLGITEMTEMPLATEEX per
// control) for DialogBoxIndirectParam, as 16-bit words. Controls get the window
// styles that their template styles stand for; an icon control shows the icon
// resource it names.
std::vector<std::uint16_t> BuildDialogTemplate(const res::DialogTemplate& dialogTemplate);

// The window styles of a dialog and of one of its controls.
std::uint32_t DialogWindowStyle(const res::DialogTemplate& dialogTemplate);
std::uint32_t DialogExtendedStyle(const res::DialogTemplate& dialogTemplate);
std::uint32_t ControlWindowStyle(const res::DialogControl& control);

}  // namespace zorvane::win32
