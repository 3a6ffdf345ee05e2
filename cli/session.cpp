#include "cli/session.h"

#include <cstdio>
#include <string_view>

#include "cli/command_line.h"
#include "cli/output.h"
#include "cli/trace_text.h"

namespace zorvane::cli {

std::string Session::Evaluate(const std::string& typed) {
  const std::string input = ToCapitals(typed);
  const TraceSink sink = [](std::string_view stage, std::string_view text) {
    WriteAll(stderr, TraceLine(stage, text));
  };
  Outcome outcome = zorvane::Evaluate(input, options, trace ? &sink : nullptr);
  if (outcome.kind != OutcomeKind::Error) return std::move(outcome.text);
  anyError = true;
  std::string reason = outcome.failure->reason;
  std::string note;
  if (outcome.failure->tooLong) {
    note =
        "an expression of " + std::to_string(typed.size()) + " characters was too long to work out";
  }
  if (trace || explain) {
    if (reason.empty()) reason = note.empty() ? "no reason given" : note;
    WriteAll(stderr, ReasonLine(reason));
  } else if (!note.empty()) {
    WriteAll(stderr, "zorvane-cli: " + note + "; gave \"error\"\n");
  }
  return std::move(outcome.text);
}

}  // namespace zorvane::cli
