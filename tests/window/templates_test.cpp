// The dialog templates, the keypad table and the message map agree with each other.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

#include "resources/dialogs/accelerators.h"
#include "resources/dialogs/dialog_template.h"
#include "resources/dialogs/resource_ids.h"
#include "window/accessible_names.h"
#include "window/keypad.h"
#include "window/main_dlg.h"

namespace zorvane {
namespace {

using res::ControlKind;

const res::DialogControl* FindControl(const res::DialogTemplate& t, int id) {
  for (const res::DialogControl& c : t.controls) {
    if (c.id == id) return &c;
  }
  return nullptr;
}

TEST(DialogTemplates, OnlyInputAndClearButtonsAreTabStops) {
  std::vector<int> tabStops;
  for (const res::DialogControl& c : res::FindDialogTemplate(102)->controls) {
    if (c.styles & res::kTabStop) tabStops.push_back(c.id);
  }
  EXPECT_EQ(tabStops, (std::vector{1001, 1010, 1027}));
}

TEST(DialogTemplates, IdsAreUniqueAndEveryCaptionHasNoMnemonic) {
  for (int templateId : {102, 131}) {
    std::set<int> ids;
    for (const res::DialogControl& c : res::FindDialogTemplate(templateId)->controls) {
      if (c.id != res::IDC_STATIC) {
        EXPECT_TRUE(ids.insert(c.id).second) << c.id;
      }
      EXPECT_EQ(c.caption.find('&'), std::string_view::npos) << c.caption;
    }
  }
}

TEST(Keypad, TableMatchesTheTemplate) {
  const res::DialogTemplate& t = *res::FindDialogTemplate(102);
  EXPECT_EQ(window::KeypadKeys().size(), 32u);
  for (const window::KeypadKey& key : window::KeypadKeys()) {
    const res::DialogControl* c = FindControl(t, key.id);
    ASSERT_NE(c, nullptr) << key.id;
    EXPECT_EQ(c->caption, key.caption);
    EXPECT_EQ(c->kind, ControlKind::PushButton);
    EXPECT_FALSE(key.accessibleName.empty());
  }
}

TEST(MessageMap, EveryButtonHasExactlyOneClickEntry) {
  const auto map = window::CMainDlg::GetMessageMap();
  for (const res::DialogControl& c : res::FindDialogTemplate(102)->controls) {
    if (c.kind != ControlKind::PushButton && c.kind != ControlKind::CheckBox) continue;
    const auto count = std::count_if(map.begin(), map.end(), [&](const auto& entry) {
      return entry.id == c.id && entry.code == afx::BN_CLICKED;
    });
    EXPECT_EQ(count, 1) << c.id;
  }
}

// Every button and box of the main window has a name a screen reader can
// speak; the About box keeps its captions.
TEST(AccessibleNames, EveryMainWindowControlHasOne) {
  for (const res::DialogControl& c : res::FindDialogTemplate(102)->controls) {
    if (c.id != res::IDC_STATIC) {
      EXPECT_FALSE(window::AccessibleName(102, c.id).empty()) << c.id;
    }
  }
  EXPECT_TRUE(window::AccessibleName(131, 1).empty());
}

// Each shortcut has keys of its own and clicks a button or check box.
TEST(DialogTemplates, ShortcutsClickButtonsAndCheckBoxes) {
  const res::DialogTemplate& main = *res::FindDialogTemplate(102);
  std::set<std::string_view> keys;
  for (const res::Accelerator& accelerator : res::FindAccelerators(102)) {
    EXPECT_TRUE(keys.insert(accelerator.keys).second) << accelerator.keys;
    const res::DialogControl* control = FindControl(main, accelerator.command);
    if (!control) continue;  // a command of the window's own
    EXPECT_TRUE(control->kind == ControlKind::PushButton || control->kind == ControlKind::CheckBox);
  }
  EXPECT_TRUE(res::FindAccelerators(131).empty());
}

}  // namespace
}  // namespace zorvane
