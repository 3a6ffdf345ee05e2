#pragma once

#include <span>
#include <string>
#include <string_view>

namespace zorvane::window {

// What a keypad button does to the Input Box.
enum class KeyKind {
  Token,      // inserts its text; replaces a selection with it
  Function,   // inserts its name; wraps a selection as the argument: NAME(selection)
  ParenPair,  // inserts "()"; encloses a selection in brackets
  Deletion,   // BackSpace
};

// A keypad button; its caption is the main window's template's.
struct KeypadKey {
  int id;
  KeyKind kind;
  std::string_view text;  // what it inserts (ASCII)
  std::string_view accessibleName;
};

// Every keypad button, BackSpace included.
std::span<const KeypadKey> KeypadKeys();

// The keypad button with this control id, or nullptr.
const KeypadKey* FindKeypadKey(int id);

// The Input Box after a keypad command: its whole text and the caret.
struct KeyEdit {
  std::string text;
  int caret;  // -1: leave the caret where writing the text put it
  friend bool operator==(const KeyEdit&, const KeyEdit&) = default;
};

// A token, function or parenthesis-pair key applied to `text` with the ordered
// selection start..end.
KeyEdit ApplyKey(const KeypadKey& key, std::string_view text, int start, int end);

// BackSpace: removes the selection, or else the character before the caret. A
// line break (CR LF) and a multi-byte UTF-8 character count as one character here.
KeyEdit ApplyBackSpace(std::string_view text, int start, int end);

}  // namespace zorvane::window
