#pragma once

// The one rule by which typed letters become capitals, the same in the window
// on every system and at the terminal: the letters a to z become A to Z, and
// every other character stays as typed. The expression language is written in
// these letters alone; a letter of any other alphabet stays what it is, so that
// the evaluation rejects it and says why, instead of a language's own upper
// case turning some of them into a name (the dotless "sın" into SIN) and
// others into something else ("ß" into "SS", "π" into "Π").

#include <string>

namespace zorvane {

constexpr char32_t Capital(char32_t c) {
  return c >= U'a' && c <= U'z' ? c - U'a' + U'A' : c;
}

// `text` with the rule applied to every character. In UTF-8 it works byte by
// byte: no byte of a character beyond ASCII is a letter a to z.
std::string ToCapitals(std::string text);
std::u16string ToCapitals(std::u16string text);

}  // namespace zorvane
