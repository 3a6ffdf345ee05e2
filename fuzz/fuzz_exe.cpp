// One press of EXE over arbitrary texts and option states.
//
// Input layout: byte 0 holds the options (bit 0 F_Mode, bit 1 Fix_E, bit 2 DEG)
// and in bits 3-4 the kind of function-mode state: 0 idle ("a," + formula),
// 1 a pending variable (byte 1 picks its digit), 2 the start state "a", 3 a raw
// state text. The rest is split at the byte 0x01 into the Input Box text, the
// stored formula, the old log and the raw state.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/evaluate.h"
#include "engine/exe.h"
#include "fuzz/check.h"

namespace {

using zorvane::ExeInput;
using zorvane::ExeOutput;
using zorvane::fuzz::Check;

constexpr std::string_view kLineBreak = "\r\n";

std::vector<std::string_view> Split(std::string_view text, char separator, std::size_t parts) {
  std::vector<std::string_view> pieces;
  while (pieces.size() + 1 < parts) {
    const std::size_t at = text.find(separator);
    if (at == std::string_view::npos) break;
    pieces.push_back(text.substr(0, at));
    text.remove_prefix(at + 1);
  }
  pieces.push_back(text);
  pieces.resize(parts);
  return pieces;
}

// Left-to-right replacement without overlaps, written independently of the engine.
std::string Replace(std::string_view text, std::string_view from, std::string_view to) {
  std::string out;
  std::size_t at = 0;
  for (;;) {
    const std::size_t hit = text.find(from, at);
    if (hit == std::string_view::npos) break;
    out.append(text.substr(at, hit - at)).append(to);
    at = hit + from.size();
  }
  return out.append(text.substr(at));
}

std::string Variable(int digit) {
  return "X" + std::to_string(digit);
}

int LowestVariable(std::string_view formula) {
  for (int digit = 0; digit < 10; ++digit) {
    if (formula.find(Variable(digit)) != std::string_view::npos) return digit;
  }
  return -1;
}

// The new log must be `display`, "\r\n=", a result and the old log below it.
void CheckLog(const std::string& log, std::string_view display, std::string_view oldLog,
              bool fixE) {
  const std::string head = std::string(display) + "\r\n=";
  Check(log.starts_with(head), "the log entry begins with the display text", log);
  std::string tail;
  if (!oldLog.empty()) tail = std::string(kLineBreak) + std::string(oldLog);
  Check(log.size() >= head.size() + tail.size() && log.ends_with(tail),
        "the old log stands whole below the new entry", log);
  const std::string_view result =
      std::string_view(log).substr(head.size(), log.size() - head.size() - tail.size());
  Check(zorvane::fuzz::IsResultText(result), "the result is \"error\" or a number", result);
  if (fixE && result != "error")
    Check(result.find('E') != std::string_view::npos, "Fix_E writes every result with E", result);
}

void CheckSelection(const ExeInput& in, const ExeOutput& out) {
  const std::size_t length = out.input ? out.input->size() : in.input.size();
  Check(out.selection.start <= out.selection.end && out.selection.end <= length,
        "the selection lies within the Input Box text", out.input ? *out.input : in.input);
}

// The state text the window keeps after the press.
std::string StateTextAfter(const std::string& before, const ExeOutput& out) {
  return out.formulaState ? zorvane::FormulaStateText(*out.formulaState) : before;
}

void CheckNormalMode(const ExeInput& in, const ExeOutput& out, const std::string& stateText) {
  const std::string after = StateTextAfter(stateText, out);
  Check(after == "a," + in.formula, "EXE leaves the state idle", after);
  const zorvane::Options options{in.deg, in.fixE};
  const std::string result = zorvane::EvaluateText(in.input, options);
  if (!out.output) {
    Check(out.input && out.input->empty(), "an empty input empties the Input Box");
    Check(result.empty(), "no log entry only for an empty input", in.input);
    return;
  }
  CheckLog(*out.output, in.input, in.output, in.fixE);
  Check(*out.output == in.input + "\r\n=" + result + (in.output.empty() ? "" : "\r\n" + in.output),
        "EXE logs what EvaluateText gives", result);
  Check(!out.input, "the Input Box keeps the expression");
  Check(out.selection.start == 0 && out.selection.end == in.input.size(),
        "the expression stays wholly selected");
}

// Function mode, for a well-formed state: the expected prompt or display text.
void CheckFunctionMode(const ExeInput& in, const ExeOutput& out, const std::string& stateText,
                       bool wellFormedState) {
  const std::string after = StateTextAfter(stateText, out);
  if (in.formula.find(',') != std::string::npos) {
    Check(out.output.has_value(), "a formula with a comma gives an error entry");
    Check(*out.output == in.input + "\r\n=error" + (in.output.empty() ? "" : "\r\n" + in.output),
          "a formula with a comma logs the Input Box text and error", *out.output);
    Check(!out.formulaState, "a failed function mode keeps the state");
    Check(out.input && out.input->empty(), "function mode empties the Input Box");
    return;
  }
  if (in.formula.empty()) {
    Check(!out.output, "no formula writes no log entry", *out.output);
    Check(out.input && out.input->empty(), "no formula empties the Input Box");
    return;
  }
  if (!wellFormedState) {
    if (out.output) {
      Check(out.output->starts_with(in.formula + "="), "the display text begins with the formula",
            *out.output);
      const std::string_view log = *out.output;
      const std::size_t tail = in.output.empty() ? 0 : in.output.size() + 2;
      Check(log.size() >= tail, "the log holds the old log", log);
      const std::string_view entry = log.substr(0, log.size() - tail);
      const std::size_t mark = entry.rfind("\r\n=");
      Check(mark != std::string_view::npos, "the entry holds \"\\r\\n=\"", entry);
      Check(zorvane::fuzz::IsResultText(entry.substr(mark + 3)),
            "the result is \"error\" or a number", entry);
    }
    return;
  }
  const std::size_t comma = stateText.find(',');
  const std::string_view pending = std::string_view(stateText).substr(0, comma);
  std::string formula = stateText.substr(comma + 1);
  if (!pending.starts_with("a")) {
    const std::size_t equals = in.input.find('=');
    const std::string value = equals == std::string::npos ? in.input : in.input.substr(equals + 1);
    formula = Replace(formula, pending, "(" + value + ")");
  }
  const int lowest = LowestVariable(formula);
  if (lowest >= 0) {
    const std::string name = Variable(lowest);
    Check(!out.output, "a prompt writes no log entry");
    Check(out.input && *out.input == name + "=", "the prompt names the lowest variable",
          out.input ? *out.input : "");
    Check(out.selection.start == 3 && out.selection.end == 3, "the caret follows the prompt");
    Check(after == name + "," + formula, "the state holds the pending variable", after);
    return;
  }
  Check(after == "a," + in.formula, "an evaluation leaves the state idle", after);
  Check(out.input && out.input->empty(), "function mode empties the Input Box");
  if (!out.output) return;  // the substituted formula was empty
  CheckLog(*out.output, in.formula + "=" + formula, in.output, in.fixE);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  const std::uint8_t flags = data[0];
  const int digit = data[1] % 10;
  const std::string_view rest(reinterpret_cast<const char*>(data + 2), size - 2);
  const std::vector<std::string_view> parts = Split(rest, '\x01', 4);

  ExeInput in;
  in.fMode = (flags & 1) != 0;
  in.fixE = (flags & 2) != 0;
  in.deg = (flags & 4) != 0;
  in.input = parts[0];
  in.formula = parts[1];
  in.output = parts[2];
  const int stateKind = (flags >> 3) & 3;
  std::string stateText;  // as the window keeps it
  switch (stateKind) {
    case 0:
      stateText = "a," + in.formula;
      break;
    case 1:
      stateText = Variable(digit) + "," + in.formula;
      break;
    case 2:
      stateText = "a";
      break;
    default:
      stateText = parts[3];
      break;
  }
  in.formulaState = zorvane::ReadFormulaState(stateText);

  const ExeOutput out = zorvane::RunExe(in);
  CheckSelection(in, out);
  if (in.fMode) {
    CheckFunctionMode(in, out, stateText, stateKind <= 1);
  } else {
    CheckNormalMode(in, out, stateText);
  }
  // The same press again gives the same texts.
  const ExeOutput again = zorvane::RunExe(in);
  Check(again.output == out.output && again.input == out.input &&
            again.selection == out.selection && again.formulaState == out.formulaState,
        "EXE is deterministic", in.input);
  return 0;
}
