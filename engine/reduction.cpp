#include "engine/reduction.h"

#include <cmath>

#include "engine/function_pass.h"
#include "engine/number_text.h"
#include "engine/power_pass.h"
#include "engine/sign_collapse.h"

namespace zorvane {
namespace {

bool DigitOrPoint(char c) {
  return IsDigit(c) || c == '.';
}

// Only numbers and the four operators, the character after an "e" not looked at.
bool GroupReady(std::string_view content) {
  for (std::size_t i = 0; i < content.size(); ++i) {
    const char c = content[i];
    if (c == 'e') {
      ++i;
    } else if (!DigitOrPoint(c) && !IsSign(c) && c != '*' && c != '/') {
      return false;
    }
  }
  return true;
}

// One number, its first character perhaps a sign; the empty text counts too.
bool PlainNumber(std::string_view content) {
  std::size_t i = !content.empty() && IsSign(content[0]) ? 1 : 0;
  for (; i < content.size(); ++i) {
    const char c = content[i];
    if (c == 'e') {
      ++i;
    } else if (!DigitOrPoint(c)) {
      return false;
    }
  }
  return true;
}

// Position in the content of the operator to apply: the first "*" or "/", else
// the first "+" or "-" after the first character that is not an exponent's sign.
std::size_t ChooseOperator(std::string_view content) {
  const std::size_t product = content.find_first_of("*/");
  if (product != std::string_view::npos) return product;
  for (std::size_t i = 1; i < content.size(); ++i) {
    if (content[i] == 'e') {
      ++i;
    } else if (IsSign(content[i])) {
      return i;
    }
  }
  return std::string_view::npos;
}

// The left operand ends right before the operator at `op`; returns its first
// index. Its sign, when it has one, belongs to it.
std::size_t LeftOperandBegin(std::string_view text, std::size_t op, std::size_t groupOpen) {
  std::size_t k = op;
  while (k > groupOpen + 1) {
    const char c = text[k - 1];
    if (DigitOrPoint(c) || c == 'e') {
      --k;
    } else if (IsSign(c)) {
      if (k >= 2 && text[k - 2] == 'e') {
        k -= 2;
      } else {
        return k - 1;  // the operand's own sign
      }
    } else {
      break;  // "*", "/" or "(": not part of the operand
    }
  }
  return k;
}

// The right operand begins right after the operator (a sign there is its own)
// and runs to the next operator or ")"; returns the index after it.
std::size_t RightOperandEnd(std::string_view text, std::size_t op) {
  std::size_t i = op + 2;
  while (i < text.size()) {
    const char c = text[i];
    if (c == 'e') {
      i += 2;
    } else if (c == '/' || c == '*' || IsSign(c) || c == ')') {
      break;
    } else {
      ++i;
    }
  }
  return std::min(i, text.size());
}

PassStep ApplyArithmetic(WorkingState& state, std::size_t groupOpen, std::size_t op) {
  const std::string_view text = state.text;
  const std::size_t leftBegin = LeftOperandBegin(text, op, groupOpen);
  const std::size_t rightEnd = RightOperandEnd(text, op);
  const double left = ReadNumber(text.substr(leftBegin, op - leftBegin));
  const double right = ReadNumber(text.substr(op + 1, rightEnd - (op + 1)));
  double value = 0;
  switch (text[op]) {
    case '*':
      value = right * left;
      break;
    case '/':
      if (right == 0) return PassStep::Failed;
      value = left / right;
      break;
    case '+':
      value = right + left;
      break;
    default:
      value = left - right;
      break;
  }
  if (!std::isfinite(value)) return PassStep::Failed;
  state.lastNumberText = NumberText(value);
  if (!ExponentInRange(state.lastNumberText)) return PassStep::Failed;
  std::string rewritten;
  rewritten.reserve(text.size() + state.lastNumberText.size());
  rewritten.append(text.substr(0, leftBegin));
  rewritten.push_back('+');
  rewritten.append(state.lastNumberText);
  rewritten.append(text.substr(rightEnd));
  state.text = std::move(rewritten);
  Trace(state.trace, "arithmetic", state.text);
  if (CollapseSigns(state.text)) Trace(state.trace, "signs", state.text);
  return PassStep::Rewrote;
}

}  // namespace

bool IsOneNumber(std::string_view text) {
  if (text.size() < 2) return false;
  const std::size_t last = text.size() - 1;
  for (std::size_t i = 1; i < last; ++i) {
    const char c = text[i];
    if (c == 'e') {
      ++i;
    } else if (!DigitOrPoint(c) && !(i == 1 && IsSign(c))) {
      return false;
    }
  }
  return true;
}

PassStep ApplyBracketPass(WorkingState& state) {
  std::string& text = state.text;
  bool changed = false;
  std::size_t scan = 0;
  std::size_t open = std::string::npos;  // the last "(" seen
  while (true) {
    std::size_t close = scan;
    for (; close < text.size(); ++close) {
      if (text[close] == '(') open = close;
      if (text[close] == ')') break;
    }
    if (close >= text.size() || open == std::string::npos) break;
    scan = close + 1;
    const std::string_view content = std::string_view(text).substr(open + 1, close - open - 1);
    if (!GroupReady(content)) {
      ++scan;  // the character after the ")" is not read
      continue;
    }
    if (PlainNumber(content)) {
      // A group that closes the whole text would take the text's own enclosing
      // brackets with it: its "(" is not the first character.
      if (close + 1 == text.size()) return PassStep::Failed;
      if (text[close + 1] == '^' && FindBracketedBase(text, close + 1).ready) {
        // The power pass takes this bracketed number as its base.
        scan = close + 2;
      } else {
        if (open == 0) return PassStep::Failed;  // the text's own enclosing bracket
        text.erase(close, 1);
        text.erase(open, 1);
        Trace(state.trace, "bracket", text);
        changed = true;
        // Go on at the character that stood two places after the ")", which in
        // the shorter text is where the ")" was.
        scan = close;
      }
      open = std::string::npos;
      continue;
    }
    const std::size_t op = ChooseOperator(content);
    if (op == std::string_view::npos) {
      ++scan;
      continue;
    }
    return ApplyArithmetic(state, open, open + 1 + op);
  }
  return changed ? PassStep::Rewrote : PassStep::Nothing;
}

bool ReduceToNumber(WorkingState& state) {
  // Every cycle that changes the text uses up at least one operator, bracket or
  // function code, so no text needs more cycles than this.
  const std::size_t cycleLimit = 4 * state.text.size() + 64;
  for (std::size_t cycle = 0; cycle < cycleLimit; ++cycle) {
    bool changed = CollapseSigns(state.text);
    if (changed) Trace(state.trace, "signs", state.text);
    const std::string& text = state.text;
    if (text.size() < 2 || text.front() != '(' || text.back() != ')') return false;
    if (IsOneNumber(text)) return true;

    for (PassStep step; (step = ApplyFirstPower(state)) != PassStep::Nothing;) {
      if (step == PassStep::Failed) return false;
      changed = true;
    }
    for (PassStep step; (step = ApplyFirstFunction(state)) != PassStep::Nothing;) {
      if (step == PassStep::Failed) return false;
      changed = true;
    }
    const PassStep brackets = ApplyBracketPass(state);
    if (brackets == PassStep::Failed) return false;
    // A cycle that changed nothing would repeat itself for ever.
    if (brackets == PassStep::Nothing && !changed) return false;
  }
  return false;
}

}  // namespace zorvane
