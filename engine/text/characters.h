#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace zorvane {

// Texts are bytes; what a person typed is most often UTF-8. These helpers let a
// reason count and show the characters as typed without trusting the bytes.

// Length of the character that begins at `i`: the whole UTF-8 sequence when
// one that is well formed begins there, else 1 (a byte of no character).
std::size_t CharacterLength(std::string_view text, std::size_t i);

// `text` fit to be read on any terminal: well-formed UTF-8 characters that are
// visible stay as they are; tab, carriage return, line feed and backslash
// become \t, \r, \n and \\; every other byte (controls, invisible characters,
// bytes of no character) becomes \xHH.
std::string Readable(std::string_view text);

}  // namespace zorvane
