#include "window/keypad.h"

#include <algorithm>

#include "engine/text/text_ops.h"
#include "engine/text/utf8.h"
#include "resources/dialogs/resource_ids.h"

namespace zorvane::window {
namespace {

using namespace res;
using enum KeyKind;

constexpr KeypadKey kKeys[] = {
    {IDC_SIN, Function, "SIN", "Sine"},
    {IDC_COS, Function, "COS", "Cosine"},
    {IDC_TAN, Function, "TAN", "Tangent"},
    {IDC_ASN, Function, "ASN", "Arcsine"},
    {IDC_ACS, Function, "ACS", "Arccosine"},
    {IDC_ATN, Function, "ATN", "Arctangent"},
    {IDC_LN, Function, "LN", "Natural logarithm"},
    {IDC_LOG, Function, "LOG", "Common logarithm"},
    {IDC_SQR, Function, "SQR", "Square root"},
    {IDC_EXP, Function, "EXP", "Exponential function"},
    {IDC_PAREN_PAIR, ParenPair, "()", "Parentheses"},
    {IDC_POWER, Token, "^", "Power"},
    {IDC_PI, Token, "PI", "Pi"},
    {IDC_MULTIPLY, Token, "*", "Multiply"},
    {IDC_DIVIDE, Token, "/", "Divide"},
    {IDC_PLUS, Token, "+", "Plus"},
    {IDC_MINUS, Token, "-", "Minus"},
    {IDC_OPEN_PAREN, Token, "(", "Left parenthesis"},
    {IDC_CLOSE_PAREN, Token, ")", "Right parenthesis"},
    {IDC_DIGIT_0, Token, "0", "Zero"},
    {IDC_DIGIT_1, Token, "1", "One"},
    {IDC_DIGIT_2, Token, "2", "Two"},
    {IDC_DIGIT_3, Token, "3", "Three"},
    {IDC_DIGIT_4, Token, "4", "Four"},
    {IDC_DIGIT_5, Token, "5", "Five"},
    {IDC_DIGIT_6, Token, "6", "Six"},
    {IDC_DIGIT_7, Token, "7", "Seven"},
    {IDC_DIGIT_8, Token, "8", "Eight"},
    {IDC_DIGIT_9, Token, "9", "Nine"},
    {IDC_POINT, Token, ".", "Decimal point"},
    {IDC_EXPONENT_MARK, Token, "E", "Exponent mark"},
    {IDC_BACKSPACE, Deletion, "", "Backspace"},
};

int Length(std::string_view text) {
  return static_cast<int>(text.size());
}

// Keeps a selection read from a control inside its text: 0 <= start <= end <= length.
void ClampSelection(std::string_view text, int& start, int& end) {
  start = std::clamp(start, 0, Length(text));
  end = std::clamp(end, start, Length(text));
}

}  // namespace

std::span<const KeypadKey> KeypadKeys() {
  return kKeys;
}

const KeypadKey* FindKeypadKey(int id) {
  for (const KeypadKey& key : kKeys) {
    if (key.id == id) return &key;
  }
  return nullptr;
}

KeyEdit ApplyKey(const KeypadKey& key, std::string_view text, int start, int end) {
  ClampSelection(text, start, end);
  const std::string_view before = Left(text, start);
  const std::string_view selected = Mid(text, start, end - start);
  const std::string_view after = Right(text, Length(text) - end);
  std::string result(before);
  int caret = start + Length(key.text);
  if (key.kind == Token || start == end) {
    result += key.text;
  } else if (key.kind == Function) {
    ((result += key.text) += '(') += selected;
    result += ')';
    caret = end + Length(key.text) + 2;
  } else {  // ParenPair over a selection
    ((result += '(') += selected) += ')';
    caret = end + 2;
  }
  if (key.kind == ParenPair && start == end) caret = start + 1;
  result += after;
  return {std::move(result), caret};
}

KeyEdit ApplyBackSpace(std::string_view text, int start, int end) {
  ClampSelection(text, start, end);
  const std::string_view after = Right(text, Length(text) - end);
  if (start < end) return {std::string(Left(text, start)).append(after), start};
  if (start <= 0) return {std::string(text), -1};
  // The character before the caret: a whole line break or UTF-8 sequence, so that
  // no half of one is left behind.
  int from = start - 1;
  const std::string_view head = Left(text, start);
  if (head.ends_with("\r\n")) {
    from = start - 2;
  } else {
    while (from > 0 && IsContinuationByte(text[from]))
      --from;
  }
  return {std::string(Left(text, from)).append(after), from};
}

}  // namespace zorvane::window
