#pragma once

// Between the text of a toolkit's edit box and the window's byte text. The
// window sees a line break as CR LF and counts positions in UTF-8 bytes; a
// toolkit holds UTF-16 and writes a line break its own way: CR LF, a lone LF or
// the paragraph separator U+2029. Both backends convert through these, so a
// position means the same on every toolkit.

#include <string>
#include <string_view>

namespace zorvane::window {

// The window text of a box's UTF-16 text: UTF-8, every line break CR LF. An
// unpaired surrogate becomes U+FFFD.
std::string ToWindowText(std::u16string_view plain);

// The UTF-16 text for a window text, every line break (CR LF, a lone CR, a lone
// LF) written as `lineBreak`. A byte that is no part of valid UTF-8 becomes
// U+FFFD.
std::u16string FromWindowText(std::string_view text, std::u16string_view lineBreak);

// How many window positions `plain` takes.
int WindowLength(std::u16string_view plain);

// The window position of UTF-16 position `position` within `plain`.
int ToWindowPosition(std::u16string_view plain, int position);

// The UTF-16 position of window position `position`; a position inside a line
// break or a multi-byte character stands for the start of that character, one
// beyond the end for the end.
int FromWindowPosition(std::u16string_view plain, int position);

}  // namespace zorvane::window
