#include "engine/reduction.h"

#include <cmath>
#include <cstring>

#include "engine/function_pass.h"
#include "engine/number_text.h"
#include "engine/power_pass.h"

namespace zorvane {
namespace {

// Only numbers and the four operators, the character after an "e" not looked at.
bool GroupReadyByCharacters(std::string_view content) {
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

bool Holds(std::string_view text, char c) {
  return !text.empty() && std::memchr(text.data(), c, text.size()) != nullptr;
}

// The working text holds only digits, ".", the operators, brackets, function
// codes and the "e" of number texts. A group without brackets, "^" and codes
// is therefore ready; only a group holding one of them needs the character by
// character look, which steps over the character after each "e".
bool GroupReady(const WorkingState& state, std::string_view content) {
  for (const char c : {'(', ')', '^', 'F', '[', ']'}) {
    if (state.Count(c) > 0 && Holds(content, c)) return GroupReadyByCharacters(content);
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
std::size_t ChooseOperator(const WorkingState& state, std::string_view content) {
  const void* times =
      state.Count('*') > 0 ? std::memchr(content.data(), '*', content.size()) : nullptr;
  const void* divide =
      state.Count('/') > 0 ? std::memchr(content.data(), '/', content.size()) : nullptr;
  if (times != nullptr || divide != nullptr) {
    const char* first = static_cast<const char*>(times == nullptr    ? divide
                                                 : divide == nullptr ? times
                                                                     : std::min(times, divide));
    return static_cast<std::size_t>(first - content.data());
  }
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
  const std::string_view text = state.Text();
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
  std::string numberText = NumberText(value);
  if (!ExponentInRange(numberText)) return PassStep::Failed;
  state.SetLastNumberText(std::move(numberText));
  state.Replace(leftBegin, rightEnd - leftBegin, "+" + state.LastNumberText(), "arithmetic");
  state.CollapseSigns();
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
  const std::string& text = state.Text();
  bool changed = false;
  std::size_t scan = 0;
  std::size_t open = std::string::npos;  // the last "(" seen
  while (true) {
    // Read up to the first ")", noting the last "(" on the way.
    const std::size_t close = scan < text.size() ? text.find(')', scan) : std::string::npos;
    if (close == std::string::npos) break;
    if (close > scan) {
      const void* lastOpen = memrchr(text.data() + scan, '(', close - scan);
      if (lastOpen != nullptr) open = static_cast<const char*>(lastOpen) - text.data();
    }
    if (open == std::string::npos) break;
    scan = close + 1;
    const std::string_view content = std::string_view(text).substr(open + 1, close - open - 1);
    if (!GroupReady(state, content)) {
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
        state.Replace(close, 1, "", {});         // reported with the "(" below
        state.Replace(open, 1, "", "bracket");
        changed = true;
        // Go on at the character that stood two places after the ")", which in
        // the shorter text is where the ")" was.
        scan = close;
      }
      open = std::string::npos;
      continue;
    }
    const std::size_t op = ChooseOperator(state, content);
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
  const std::size_t cycleLimit = 4 * state.Text().size() + 64;
  for (std::size_t cycle = 0; cycle < cycleLimit && !state.OverBudget(); ++cycle) {
    state.AddWork(state.Text().size());
    bool changed = state.CollapseSigns();
    const std::string& text = state.Text();
    if (text.size() < 2 || text.front() != '(' || text.back() != ')') return false;
    if (IsOneNumber(text)) return true;

    for (PassStep step; (step = ApplyFirstPower(state)) != PassStep::Nothing;) {
      if (step == PassStep::Failed || state.OverBudget()) return false;
      changed = true;
    }
    for (PassStep step; (step = ApplyFirstFunction(state)) != PassStep::Nothing;) {
      if (step == PassStep::Failed || state.OverBudget()) return false;
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
