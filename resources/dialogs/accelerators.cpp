#include "resources/dialogs/accelerators.h"

#include "resources/dialogs/resource_ids.h"
#include "resources/dialogs/standard_ids.h"

namespace zorvane::res {
namespace {

using afx::ID_HELP;

// The main window's controls that take no keyboard focus, each on Alt and a
// letter of its caption or task, and the application's Help command.
constexpr Accelerator kMainAccelerators[] = {
    {"Alt+D", IDC_DEG},
    {"Alt+X", IDC_FIX_E},
    {"Alt+F", IDC_F_MODE},
    {"Alt+T", IDC_MOST_TOP},
    {"Alt+I", IDC_F_IN},
    {"Alt+O", IDC_F_OUT},
    {"Alt+P", IDC_PASTE},
    {"Alt+C", IDC_CLEAR_INPUT},
    {"Alt+L", IDC_CLEAR_OUTPUT},
    {"Alt+A", IDC_ABOUT},
    // No control's: the reason why the newest "=error" entry failed.
    {"Alt+R", ID_SHOW_REASON},
    {"F1", ID_HELP},
    {"Alt+H", ID_HELP},
};

}  // namespace

std::span<const Accelerator> FindAccelerators(int templateId) {
  if (templateId == IDD_MAIN) return kMainAccelerators;
  return {};
}

std::string_view AcceleratorKeys(int templateId, int command) {
  for (const Accelerator& accelerator : FindAccelerators(templateId)) {
    if (accelerator.command == command) return accelerator.keys;
  }
  return {};
}

}  // namespace zorvane::res
