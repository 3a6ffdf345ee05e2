#include "engine/function_pass.h"

#include <algorithm>
#include <cmath>

#include "engine/functions.h"

#include "engine/number_text.h"
#include "engine/scan.h"

namespace zorvane {
namespace {

constexpr std::size_t kCodeLength = 5;  // "F[11]"

}  // namespace

PassStep ApplyFirstFunction(WorkingState& state) {
  const std::string& text = state.Text();
  if (!state.MayContain('F')) return PassStep::Nothing;
  // Codes before PendingCodesEnd() were found waiting and nothing near them
  // has changed since; the search from the left may skip them.
  std::size_t at = text.find('F', std::max<std::size_t>(1, state.PendingCodesEnd()));
  while (at != std::string::npos) {
    const std::size_t argument = at + kCodeLength;
    if (!OperandPending(text, argument)) break;
    at = text.find('F', argument);
  }
  state.SetPendingCodesEnd(at == std::string::npos ? text.size() : at);
  if (at == std::string::npos) return PassStep::Nothing;

  const char tens = At(text, static_cast<std::ptrdiff_t>(at) + 2);
  const char ones = At(text, static_cast<std::ptrdiff_t>(at) + 3);
  if (!IsDigit(tens) || !IsDigit(ones)) return PassStep::Failed;
  const int code = (tens - '0') * 10 + (ones - '0');

  const std::size_t argument = std::min(at + kCodeLength, text.size());
  const std::size_t argumentEnd = NumberOperandEnd(text, argument);
  const double x = ReadNumber(std::string_view(text).substr(argument, argumentEnd - argument));

  const Function* function = FunctionWithCodeNumber(code);
  if (function == nullptr) return PassStep::Failed;
  const double angleFactor = AngleFactor(state.Deg());
  if (!InDomain(function->domain, x, angleFactor)) return PassStep::Failed;
  const std::optional<FirstPrint> firstPrint = function->evaluate(x, angleFactor);
  if (!firstPrint) return PassStep::Failed;
  const double value = ReadNumber(*firstPrint);
  if (!std::isfinite(value)) return PassStep::Failed;
  std::string numberText = NumberText(value);
  if (!ExponentInRange(numberText)) return PassStep::Failed;
  state.SetLastNumberText(std::move(numberText));
  state.Replace(at, argumentEnd - at, "+(" + state.LastNumberText() + ")", "function");
  // A value that was itself the argument of a code becomes a bracketed
  // argument: the "+" after the code goes.
  if (state.DropPlusAfterCodes()) state.Report("signs");
  state.CollapseSigns();
  return PassStep::Rewrote;
}

}  // namespace zorvane
