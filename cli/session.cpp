#include "cli/session.h"

#include <cstdio>
#include <string_view>

#include "cli/command_line.h"
#include "cli/output.h"
#include "cli/trace_text.h"

namespace zorvane::cli {

std::string Session::Evaluate(const std::string& typed) {
  const std::string input = ToCapitals(typed);
  // The engine's last trace call of a failed evaluation is the stage "error"
  // with the reason as its text.
  std::string reason;
  const TraceSink sink = [&reason, this](std::string_view stage, std::string_view text) {
    if (stage == "error") {
      reason = text;
    } else if (trace) {
      WriteAll(stderr, TraceLine(stage, text));
    }
  };
  Outcome outcome = zorvane::Evaluate(input, input, options, trace || explain ? &sink : nullptr);
  if (outcome.kind != OutcomeKind::Error) return std::move(outcome.text);
  anyError = true;
  std::string note;
  if (outcome.tooLong) {
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
