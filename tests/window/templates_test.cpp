// The dialog templates, the keypad table and the message map agree with each other.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

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

TEST(DialogTemplates, MainWindowFrame) {
  const res::DialogTemplate* t = res::FindDialogTemplate(102);
  ASSERT_NE(t, nullptr);
  EXPECT_EQ(t->caption, "Zorvane");
  EXPECT_EQ(t->w, 300);
  EXPECT_EQ(t->h, 155);
  EXPECT_EQ(t->controls.size(), 47u);
  EXPECT_TRUE(t->styles & res::kMinimizeBox);
  EXPECT_EQ(res::FindDialogTemplate(100), nullptr);
}

TEST(DialogTemplates, AboutBox) {
  const res::DialogTemplate* t = res::FindDialogTemplate(131);
  ASSERT_NE(t, nullptr);
  EXPECT_EQ(t->caption, "このソフトウェアについて");
  EXPECT_EQ(t->w, 138);
  EXPECT_EQ(t->h, 59);
  ASSERT_EQ(t->controls.size(), 3u);
  EXPECT_EQ(t->controls[0].id, 1);
  EXPECT_EQ(t->controls[0].caption, "OK");
  EXPECT_TRUE(t->controls[0].styles & res::kDefault);
  EXPECT_EQ(t->controls[1].kind, ControlKind::Icon);
  EXPECT_EQ(t->controls[1].image, 128);
  EXPECT_EQ(t->controls[2].caption, "Zorvane  Version 1.6");
}

TEST(DialogTemplates, MainWindowControlsInCreationOrder) {
  struct Row {
    int id;
    ControlKind kind;
    const char* caption;
    int x, y, w, h;
  };
  // A sample across the table: first, last, odd captions and the odd sizes.
  const Row rows[] = {
      {1001, ControlKind::Edit, "", 7, 22, 197, 28},
      {1011, ControlKind::PushButton, "EXE", 274, 119, 19, 30},
      {1002, ControlKind::Edit, "", 7, 70, 197, 64},
      {-1, ControlKind::Label, "Input Box", 7, 12, 37, 8},
      {1013, ControlKind::PushButton, "√", 274, 7, 19, 14},
      {1024, ControlKind::PushButton, "( )", 274, 55, 19, 14},
      {1026, ControlKind::PushButton, "π", 274, 39, 19, 14},
      {1017, ControlKind::PushButton, "BackSpace", 211, 55, 41, 14},
      {1032, ControlKind::PushButton, " F_IN ", 51, 7, 25, 14},
      {1012, ControlKind::CheckBox, "MostTop", 118, 139, 44, 10},
  };
  const res::DialogTemplate& t = *res::FindDialogTemplate(102);
  EXPECT_EQ(t.controls.front().id, 1001);
  EXPECT_EQ(t.controls.back().id, 1012);
  for (const Row& row : rows) {
    SCOPED_TRACE(row.caption);
    const res::DialogControl* c = FindControl(t, row.id);
    if (row.id == -1) c = &t.controls[3];
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->kind, row.kind);
    EXPECT_EQ(c->caption, row.caption);
    EXPECT_EQ(std::vector({c->x, c->y, c->w, c->h}), std::vector({row.x, row.y, row.w, row.h}));
  }
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

TEST(MessageMap, RowsInTableOrder) {
  std::vector<int> ids;
  for (const auto& entry : window::CMainDlg::GetMessageMap())
    ids.push_back(entry.id);
  const std::vector<int> expected = {
      1013, 1014, 1010, 1011, 1016, 1015, 1018, 1019, 1020, 1021, 1022, 1023, 1024, 1025, 1026,
      1001, 1027, 1028, 1041, 1042, 1044, 1046, 1031, 1033, 1036, 1047, 1035, 1037, 1043, 1048,
      1040, 1034, 1045, 1039, 1038, 1007, 1009, 1008, 1029, 1017, 1032, 1049, 1051, 1012};
  EXPECT_EQ(ids, expected);
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

TEST(AccessibleNames, SpokenNames) {
  struct Row {
    int id;
    const char* name;
  };
  const Row rows[] = {{1013, "Square root"}, {1026, "Pi"},          {1029, "Exponent mark"},
                      {1017, "Backspace"},   {1011, "Execute"},     {1031, "Seven"},
                      {1001, "Input"},       {1002, "Output"},      {1039, "Zero"},
                      {1010, "Clear input"}, {1027, "Clear output"}};
  for (const Row& row : rows)
    EXPECT_EQ(window::AccessibleName(102, row.id), row.name);
  // Every button and box of the main window has a name; the About box keeps its captions.
  for (const res::DialogControl& c : res::FindDialogTemplate(102)->controls) {
    if (c.id != res::IDC_STATIC) {
      EXPECT_FALSE(window::AccessibleName(102, c.id).empty()) << c.id;
    }
  }
  EXPECT_TRUE(window::AccessibleName(131, 1).empty());
}

}  // namespace
}  // namespace zorvane
