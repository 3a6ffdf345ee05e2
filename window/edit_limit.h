#pragma once

#include <cstdint>
#include <string_view>

namespace zorvane::window {

// The most positions an edit of the user's may fill in an edit box, as in the
// classic edit control: typing, pasting, the keypad and the Paste button. An
// edit that would pass it is refused whole, with a beep: typing by the
// backends, a command's edit by CEdit::ReplaceText. Only the evaluation writes
// without a limit.
inline constexpr int kEditLimit = 32767;

// Whether a box of `length` positions, with `replaced` of them replaced by
// `inserted` new ones, stays within the limit.
constexpr bool FitsEditLimit(std::int64_t length, std::int64_t replaced, std::int64_t inserted,
                             std::int64_t limit = kEditLimit) {
  return length - replaced + inserted <= limit;
}

// Whether a box's UTF-16 text `plain`, with `inserted` typed over its units
// start..end, stays within the limit, counted in window positions.
bool FitsEditLimit(std::u16string_view plain, int start, int end, std::u16string_view inserted);

}  // namespace zorvane::window
