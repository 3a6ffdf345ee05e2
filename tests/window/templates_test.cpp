// The main window's template, the keypad table, the message map and the names a
// screen reader speaks agree with each other.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

#include "resources/dialogs/dialog_template.h"
#include "resources/dialogs/resource_ids.h"
#include "window/accessible_names.h"
#include "window/keypad.h"
#include "window/main_dlg.h"

namespace zorvane {
namespace {

using res::ControlKind;

// Each control has an id and a spoken name of its own and no mnemonic in its
// caption; each button or check box has exactly one click handler; each keypad
// key is a push button with the key's caption.
TEST(DialogTemplates, MainWindowKeypadAndMessageMapAgree) {
  const auto map = window::CMainDlg::GetMessageMap();
  std::map<int, const res::DialogControl*> controls;
  std::set<std::string_view> names;
  for (const res::DialogControl& c : res::FindDialogTemplate(102)->controls) {
    EXPECT_EQ(c.caption.find('&'), std::string_view::npos) << c.caption;
    if (c.id == res::IDC_STATIC) continue;
    EXPECT_TRUE(controls.emplace(c.id, &c).second) << c.id;
    const std::string_view name = window::AccessibleName(102, c.id);
    EXPECT_TRUE(!name.empty() && names.insert(name).second) << c.id << " " << name;
    if (c.kind != ControlKind::PushButton && c.kind != ControlKind::CheckBox) continue;
    const auto clicks = std::count_if(map.begin(), map.end(), [&](const auto& entry) {
      return entry.id == c.id && entry.code == afx::BN_CLICKED;
    });
    EXPECT_EQ(clicks, 1) << c.id;
  }
  EXPECT_TRUE(window::AccessibleName(131, 1).empty());  // the About box's OK keeps its caption

  for (const window::KeypadKey& key : window::KeypadKeys()) {
    ASSERT_TRUE(controls.contains(key.id)) << key.id;
    EXPECT_EQ(controls[key.id]->caption, key.caption);
    EXPECT_EQ(controls[key.id]->kind, ControlKind::PushButton);
  }
}

}  // namespace
}  // namespace zorvane
