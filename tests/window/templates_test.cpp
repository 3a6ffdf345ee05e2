// The main window's template, its message map and the names a screen reader
// speaks agree with each other.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "resources/dialogs/dialog_template.h"
#include "resources/dialogs/resource_ids.h"
#include "window/accessible_names.h"
#include "window/main_dlg.h"

namespace zorvane {
namespace {

// Each control has an id and a spoken name of its own; each button or check
// box has exactly one click handler.
TEST(DialogTemplates, MainWindowMessageMapAndNamesAgree) {
  const auto map = window::CMainDlg::GetMessageMap();
  std::set<int> ids;
  std::set<std::string_view> names;
  for (const res::DialogControl& c : res::FindDialogTemplate(102)->controls) {
    if (c.id == afx::IDC_STATIC) continue;
    EXPECT_TRUE(ids.insert(c.id).second) << c.id;
    const std::string_view name = window::AccessibleName(102, c);
    EXPECT_TRUE(!name.empty() && names.insert(name).second) << c.id << " " << name;
    if (c.kind != res::ControlKind::PushButton && c.kind != res::ControlKind::CheckBox) continue;
    const auto clicks = std::count_if(map.begin(), map.end(), [&](const auto& entry) {
      return entry.id == c.id && entry.code == afx::BN_CLICKED;
    });
    EXPECT_EQ(clicks, 1) << c.id;
  }
}

// In the About box only the icon has a name to speak: the program's.
TEST(DialogTemplates, TheAboutBoxSpeaksTheIconsName) {
  for (const res::DialogControl& c : res::FindDialogTemplate(131)->controls) {
    EXPECT_EQ(window::AccessibleName(131, c), c.kind == res::ControlKind::Icon ? "Zorvane" : "")
        << c.id;
  }
}

}  // namespace
}  // namespace zorvane
