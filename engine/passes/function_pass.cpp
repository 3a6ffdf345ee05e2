#include "engine/passes/function_pass.h"

#include <algorithm>

#include "engine/math/functions.h"
#include "engine/passes/put_value.h"
#include "engine/reasons/reasons.h"
#include "engine/text/number_text.h"
#include "engine/text/scan.h"

namespace zorvane {
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

  const Function* function = FunctionWithCode(std::string_view(text).substr(at, kCodeLength));
  if (function == nullptr) {
    return state.Fail("unknown function code " + text.substr(at, kCodeLength));
  }

  const std::size_t argument = std::min(at + kCodeLength, text.size());
  const std::size_t argumentEnd = NumberOperandEnd(text, argument);
  const double x = ReadNumber(std::string_view(text).substr(argument, argumentEnd - argument));

  const double angleFactor = AngleFactor(state.Deg());
  const std::optional<FirstPrint> firstPrint = InDomain(function->domain, x, angleFactor)
                                                   ? function->evaluate(x, angleFactor)
                                                   : std::nullopt;
  if (!firstPrint) return state.Fail(WhyNoValue(*function, x, state.Deg(), state.DegreesOption()));
  // The call as a reader would write it: "EXP(233)".
  const auto call = [&] { return std::string(function->name) + "(" + ShownExactly(x) + ")"; };
  return PutValue(state, ReadNumber(*firstPrint),
                  {.pos = at,
                   .length = argumentEnd - at,
                   .stage = "function",
                   .bracketed = true,
                   .nonZero = function->neverZero,
                   .afterCode = true},
                  call);
}

}  // namespace zorvane
