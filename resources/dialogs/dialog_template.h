#pragma once

#include <span>
#include <string_view>

namespace zorvane::res {

// What a control of a dialog template is.
enum class ControlKind { Edit, PushButton, CheckBox, Label, Icon };

// Control styles, as flags.
enum ControlStyle : unsigned {
  kNoStyle = 0,
  kTabStop = 1u << 0,
  kBorder = 1u << 1,
  kMultiLine = 1u << 2,
  kUpperCase = 1u << 3,    // typed a to z become capitals (engine/text/capitals.h)
  kAutoVScroll = 1u << 4,  // scrolls vertically as text is added
  kVScroll = 1u << 5,      // vertical scroll bar
  kReadOnly = 1u << 6,
  kDefault = 1u << 7,    // the default push button: Enter presses it
  kAutoCheck = 1u << 8,  // a click toggles the check mark before the command runs
  kLeftText = 1u << 9,   // left-aligned label text
};

// Window styles of a dialog.
enum DialogStyle : unsigned {
  kNoDialogStyle = 0,
  kCaption = 1u << 0,
  kSystemMenu = 1u << 1,
  kMinimizeBox = 1u << 2,
  kModalFrame = 1u << 3,
  kAppWindow = 1u << 4,        // shown in the task bar
  kCentreOnScreen = 1u << 5,   // opens centred on the screen
  kCentreOverOwner = 1u << 6,  // opens centred over its owner window
};

// One control: positions and sizes in dialog units. Controls without an id use
// IDC_STATIC. An icon control shows the icon resource `image`.
struct DialogControl {
  int id;
  ControlKind kind;
  std::string_view caption;  // UTF-8
  int x, y, w, h;
  unsigned styles;
  int image = 0;
};

// A dialog template: the window and its controls in creation order, which is
// also the tab order.
struct DialogTemplate {
  int id;
  std::string_view caption;  // UTF-8
  int w, h;                  // client size in dialog units
  std::string_view fontFace;
  int pointSize;
  unsigned styles;
  std::span<const DialogControl> controls;
};

// The template with the given resource id, or nullptr.
const DialogTemplate* FindDialogTemplate(int id);

}  // namespace zorvane::res
