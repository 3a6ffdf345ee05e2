#pragma once

// Keypad edits that typing makes as well, for the backends' tests of undo:
// Ctrl+Z and its redo must treat the key's edit as they treat the typed one.

#include <string_view>

#include "resources/dialogs/resource_ids.h"

namespace zorvane::test {

struct TypedTwin {
  std::string_view text;
  int start, end;  // the selection before the edit, the caret at its end
  int key;
  std::string_view typed;  // "\b": the BackSpace key
  std::string_view edited;
};

inline constexpr TypedTwin kTypedTwins[] = {
    {"1234", 2, 2, res::IDC_DIGIT_7, "7", "12734"},
    {"11", 1, 1, res::IDC_DIGIT_1, "1", "111"},  // the 1 at the caret, not the one behind
    {"12+34", 3, 5, res::IDC_SIN, "SIN(34)", "12+SIN(34)"},
    {"12", 2, 2, res::IDC_BACKSPACE, "\b", "1"},
};

}  // namespace zorvane::test
