#include "engine/passes/reduction.h"

#include <cmath>
#include <cstring>

#include "engine/passes/function_pass.h"
#include "engine/passes/power_pass.h"
#include "engine/passes/put_value.h"
#include "engine/reasons/reasons.h"
#include "engine/text/number_text.h"
#include "engine/text/scan.h"

namespace zorvane {
namespace {

// Only numbers and the four operators.
bool GroupReadyByCharacters(std::string_view content) {
  std::size_t i = 0;
  while ((i = NumberCharsEnd(content, i)) < content.size()) {
    const char c = content[i];
    if (!IsSign(c) && c != '*' && c != '/') return false;
    ++i;
  }
  return true;
}

bool Holds(std::string_view text, char c) {
  return !text.empty() && std::memchr(text.data(), c, text.size()) != nullptr;
}

// The working text holds only digits, ".", the operators, brackets, function
// codes and the "e" of number texts. A group without brackets, "^" and codes
// is therefore ready; only a group holding one of them needs the character by
// character look.
bool GroupReady(const WorkingState& state, std::string_view content) {
  for (const char c : {'(', ')', '^', 'F', '[', ']'}) {
    if (state.MayContain(c) && Holds(content, c)) return GroupReadyByCharacters(content);
  }
  return true;
}

// Position in a ready group's content of the operator to apply: the first "*"
// or "/", else the first "+" or "-" after the first character (a sign there
// belongs to the first operand).
std::size_t ChooseOperator(const WorkingState& state, std::string_view content) {
  const void* times =
      state.MayContain('*') ? std::memchr(content.data(), '*', content.size()) : nullptr;
  const void* divide =
      state.MayContain('/') ? std::memchr(content.data(), '/', content.size()) : nullptr;
  if (times != nullptr || divide != nullptr) {
    const char* first = static_cast<const char*>(times == nullptr    ? divide
                                                 : divide == nullptr ? times
                                                                     : std::min(times, divide));
    return static_cast<std::size_t>(first - content.data());
  }
  const std::size_t sign = NumberCharsEnd(content, 1);
  return sign < content.size() ? sign : std::string_view::npos;
}

// The left operand ends right before the operator at `op`; returns its first
// index. Its sign, when it has one, belongs to it.
std::size_t LeftOperandBegin(std::string_view text, std::size_t op) {
  const std::size_t begin = NumberCharsBegin(text, op);
  return IsSign(At(text, static_cast<std::ptrdiff_t>(begin) - 1)) ? begin - 1 : begin;
}

// Applies the operator at `op` of a ready group to the numbers on either side
// of it and puts the result in their place.
PassStep ApplyArithmetic(WorkingState& state, std::size_t op) {
  const std::string_view text = state.Text();
  const std::size_t leftBegin = LeftOperandBegin(text, op);
  // The right operand begins right after the operator, a sign there its own.
  const std::size_t rightEnd = NumberOperandEnd(text, op + 1);
  const double left = ReadNumber(text.substr(leftBegin, op - leftBegin));
  const double right = ReadNumber(text.substr(op + 1, rightEnd - (op + 1)));
  const char operation = text[op];
  state.NoteComputation(operation, left, right);
  // The operation as a reader would write it: "1/0".
  const auto written = [&] { return ShownExactly(left) + operation + ShownExactly(right); };
  double value = 0;
  switch (operation) {
    case '*':
      value = left * right;
      break;
    case '/':
      if (right == 0) return state.Fail("division by zero: " + written());
      value = left / right;
      break;
    case '+':
      value = left + right;
      break;
    default:
      value = left - right;
      break;
  }
  // A product or quotient of numbers other than 0 is not 0.
  const bool nonZero = (operation == '*' || operation == '/') && left != 0 && right != 0;
  return PutValue(
      state, value,
      {.pos = leftBegin, .length = rightEnd - leftBegin, .stage = "arithmetic", .nonZero = nonZero},
      written);
}

// What became of a group that holds one number.
struct OpenedGroup {
  PassStep step = PassStep::Nothing;
  std::size_t resume = 0;  // where the search for the next ")" goes on
};

// A group that holds one number loses its brackets, unless it is the base of a
// power that the power pass takes as it stands. The brackets that enclose the
// whole text are never removed: a group that would take them fails.
OpenedGroup OpenNumberGroup(WorkingState& state, std::size_t open, std::size_t close) {
  const std::string& text = state.Text();
  if (close + 1 == text.size()) return {state.FailUnopenedBracket(), 0};
  if (text[close + 1] == '^' && FindBracketedBase(text, close + 1).ready) {
    return {PassStep::Nothing, close + 2};
  }
  if (open == 0) return {state.FailUnopenedBracket(), 0};
  state.Replace(close, 1, "", {});  // reported with the "(" below
  state.Replace(open, 1, "", "bracket");
  // Go on at the character that stood two places after the ")", which in the
  // shorter text is where the ")" was.
  return {PassStep::Rewrote, close};
}

// One pass over the bracket groups from the left: opens bracketed numbers and
// performs at most one arithmetic operation.
PassStep ApplyBracketPass(WorkingState& state) {
  const std::string& text = state.Text();
  bool changed = false;
  std::size_t scan = 0;
  std::size_t open = std::string::npos;  // the last "(" seen
  while (true) {
    // Read up to the first ")", noting the last "(" on the way.
    const std::size_t close = scan < text.size() ? text.find(')', scan) : std::string::npos;
    if (close == std::string::npos) break;
    const std::size_t lastOpen = FindLast(std::string_view(text).substr(scan, close - scan), '(');
    if (lastOpen != std::string_view::npos) open = scan + lastOpen;
    if (open == std::string::npos) break;
    scan = close + 1;
    const std::string_view content = std::string_view(text).substr(open + 1, close - open - 1);
    if (!GroupReady(state, content)) {
      ++scan;  // the character after the ")" is not read
      continue;
    }
    if (IsPlainNumber(content)) {
      const OpenedGroup opened = OpenNumberGroup(state, open, close);
      if (opened.step == PassStep::Failed) return PassStep::Failed;
      if (opened.step == PassStep::Rewrote) changed = true;
      scan = opened.resume;
      open = std::string::npos;
      continue;
    }
    const std::size_t op = ChooseOperator(state, content);
    if (op == std::string_view::npos) {
      ++scan;
      continue;
    }
    return ApplyArithmetic(state, open + 1 + op);
  }
  return changed ? PassStep::Rewrote : PassStep::Nothing;
}

bool TooLong(WorkingState& state) {
  state.FailTooLong();
  return false;
}

}  // namespace

bool IsOneNumber(std::string_view text) {
  return text.size() >= 2 && IsPlainNumber(text.substr(1, text.size() - 2));
}

bool ReduceToNumber(WorkingState& state) {
  // Every cycle that changes the text uses up at least one operator, bracket or
  // function code, so no text needs more cycles than this.
  const std::size_t cycleLimit = 4 * state.Text().size() + 64;
  for (std::size_t cycle = 0; cycle < cycleLimit && !state.OverBudget(); ++cycle) {
    state.AddWork(state.Text().size());
    bool changed = state.CollapseSigns();
    const std::string& text = state.Text();
    if (text.size() < 2 || text.front() != '(' || text.back() != ')') {
      state.FailUnopenedBracket();
      return false;
    }
    if (IsOneNumber(text)) return true;

    for (PassStep step; (step = ApplyFirstPower(state)) != PassStep::Nothing;) {
      if (step == PassStep::Failed) return false;
      if (state.OverBudget()) return TooLong(state);
      changed = true;
    }
    for (PassStep step; (step = ApplyFirstFunction(state)) != PassStep::Nothing;) {
      if (step == PassStep::Failed) return false;
      if (state.OverBudget()) return TooLong(state);
      changed = true;
    }
    const PassStep brackets = ApplyBracketPass(state);
    if (brackets == PassStep::Failed) return false;
    // A cycle that changed nothing would repeat itself for ever.
    if (brackets == PassStep::Nothing && !changed) {
      state.Fail("cannot work out " + ReadableWorkingText(state.Text()) +
                 ": a bracketed base right after a function name or \"^\" needs brackets of its "
                 "own to be raised to a power, as in (SIN(3))^2");
      return false;
    }
  }
  if (state.OverBudget()) return TooLong(state);
  state.Fail("the expression needs more steps than its length allows");
  return false;
}

}  // namespace zorvane
