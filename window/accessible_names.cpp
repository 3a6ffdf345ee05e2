#include "window/accessible_names.h"

#include "resources/dialogs/accelerators.h"
#include "resources/dialogs/resource_ids.h"
#include "window/keypad.h"

namespace zorvane::window {
namespace {

struct NamedControl {
  int id;
  std::string_view name;
};

using namespace res;

// The main window's controls outside the keypad.
constexpr NamedControl kMainWindowNames[] = {
    {IDC_INPUT, "Input"},
    {IDC_OUTPUT, "Output"},
    {IDC_EXE, "Execute"},
    {IDC_CLEAR_INPUT, "Clear input"},
    {IDC_CLEAR_OUTPUT, "Clear output"},
    {IDC_PASTE, "Paste from output"},
    {IDC_ABOUT, "About"},
    {IDC_F_IN, "Store formula"},
    {IDC_F_OUT, "Recall formula"},
    {IDC_F_MODE, "Function mode"},
    {IDC_DEG, "Degrees"},
    {IDC_FIX_E, "Exponent form"},
    {IDC_MOST_TOP, "Always on top"},
};

}  // namespace

std::string_view AccessibleName(int templateId, const DialogControl& control) {
  if (control.kind == ControlKind::Icon && control.image == IDR_MAINFRAME) return "Zorvane";
  if (templateId != IDD_MAIN) return {};
  const int controlId = control.id;
  if (const KeypadKey* key = FindKeypadKey(controlId)) return key->accessibleName;
  for (const NamedControl& control : kMainWindowNames) {
    if (control.id == controlId) return control.name;
  }
  return {};
}

std::string AccessibleDescription(int templateId, int controlId) {
  const std::string_view keys = res::AcceleratorKeys(templateId, controlId);
  return keys.empty() ? std::string() : "Shortcut: " + std::string(keys);
}

}  // namespace zorvane::window
