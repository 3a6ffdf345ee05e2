#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace zorvane {

// Where each character of the working text came from in the text as typed,
// kept only while someone listens for the reason of a failure. `of` holds one
// entry for each character of the working text: the index of the typed
// character it stands for, plus 1; 0 stands before the typed text (the bracket
// put around it) and typed.size() + 1 after it.
struct TypedPositions {
  std::string_view typed;
  std::vector<std::size_t> of;

  // The typed text less line breaks and blanks: `of` gets an entry for each
  // character kept. The same text as removing every "\r\n", then every blank.
  std::string Strip();

  // The index in the typed text of the working character at `index`; one past
  // the end for characters after the typed text.
  std::size_t TypedIndex(std::size_t index) const;

  // "line 2, column 5": where the working character at `index` was typed.
  std::string At(std::size_t index) const;
};

// "line 2, column 5": where the character at `index` of `typed` stands. Every
// character counts, a UTF-8 sequence as one; "\r\n" and a lone "\n" end a line.
// An index at the end of the text names the place after its last character.
std::string PlaceIn(std::string_view typed, std::size_t index);

}  // namespace zorvane
