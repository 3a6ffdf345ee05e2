#pragma once

// How a backend writes a command's edit into an edit box: only the part of the
// text that differs, as one step of the box's undo. Undoing and redoing it then
// leave the caret where undoing and redoing the same edit typed would, at the
// place of the edit, instead of selecting or leaving the whole text.

#include <cstddef>
#include <string_view>

namespace zorvane::window {

// `removed` units of a box's text from `start` give way to `inserted` units of
// the new text from `start`; the rest stands in both.
struct TextChange {
  std::size_t start;
  std::size_t removed;
  std::size_t inserted;
  friend bool operator==(const TextChange&, const TextChange&) = default;
};

// The part of `now` (a box's UTF-16 text) to replace so that it reads `wanted`:
// the least one that still takes in the selection start..end, where typing
// would have made the edit (of two equal characters the one at the caret is
// the one that changes), and that splits no surrogate pair.
TextChange ChangedPart(std::u16string_view now, std::u16string_view wanted, std::size_t start,
                       std::size_t end);

}  // namespace zorvane::window
