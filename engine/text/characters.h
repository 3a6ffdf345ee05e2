#pragma once

#include <string>
#include <string_view>

#include "engine/text/utf8.h"  // CharacterLength

namespace zorvane {

// Texts are bytes; what a person typed is most often UTF-8. A reason counts the
// characters as typed with CharacterLength and shows them with Readable,
// without trusting the bytes.

// `text` fit to be read on any terminal: well-formed UTF-8 characters that are
// visible stay as they are; tab, carriage return, line feed and backslash
// become \t, \r, \n and \\; every other byte (controls, invisible characters,
// bytes of no character) becomes \xHH.
std::string Readable(std::string_view text);

}  // namespace zorvane
