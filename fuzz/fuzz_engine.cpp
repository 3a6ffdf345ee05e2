// One press of EXE over arbitrary texts and option states, and the evaluation of
// its Input Box text under every combination of DEG and Fix_E.
//
// Input layout: byte 0 holds the options (bit 0 F_Mode, bit 1 Fix_E, bit 2 DEG)
// and in bits 3-4 the kind of function-mode state: 0 idle ("a," + formula),
// 1 a pending variable (byte 1 picks its digit), 2 the start state "a", 3 a raw
// state text. The rest is split at the byte 0x01 into the Input Box text, the
// stored formula, the old log and the raw state.

#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <regex>
#include <string>
#include <string_view>
#include <vector>

#include "engine/evaluate.h"
#include "engine/exe.h"
#include "fuzz/check.h"

namespace {

using zorvane::fuzz::Check;

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

bool IsNumber(std::string_view result) {
  return !result.empty() && result != "error";
}

// "error", or a number in one of the result forms: "12", "-.5", "12.5", or one
// digit with an optional fraction, "E", a sign and two digits (three from 100 on).
void CheckResult(std::string_view result, bool fixE) {
  static const std::regex kForms(R"(error|-?(\d+|\d*\.\d+)|-?\d(\.\d+)?E[+-](\d\d|[1-9]\d\d))");
  Check(std::regex_match(result.begin(), result.end(), kForms),
        "the result is \"error\" or a number", result);
  if (fixE && result != "error")
    Check(result.find('E') != std::string_view::npos, "Fix_E writes every result with E", result);
}

// The new log is an entry ending in "\r\n=" and a result, with the old log whole
// below it.
void CheckLog(std::string_view log, std::string_view oldLog, bool fixE) {
  const std::string below = oldLog.empty() ? "" : "\r\n" + std::string(oldLog);
  Check(log.ends_with(below), "the old log stands whole below the new entry", log);
  const std::string_view entry = log.substr(0, log.size() - below.size());
  const std::size_t mark = entry.rfind("\r\n=");
  Check(mark != std::string_view::npos, "the entry holds \"\\r\\n=\"", entry);
  CheckResult(entry.substr(mark + 3), fixE);
}

void CheckExe(const zorvane::ExeInput& in) {
  const zorvane::ExeOutput out = zorvane::RunExe(in);
  const std::string_view text = out.input ? *out.input : in.input;
  Check(out.selection.start <= out.selection.end && out.selection.end <= text.size(),
        "the selection lies within the Input Box text", text);
  if (out.output) CheckLog(*out.output, in.output, in.fixE);
  const zorvane::ExeOutput again = zorvane::RunExe(in);
  Check(again.output == out.output && again.input == out.input &&
            again.selection == out.selection && again.formulaState == out.formulaState,
        "EXE is deterministic", in.input);
}

double ValueOf(std::string_view result) {
  std::string text(result);
  // from_chars reads neither a leading "+" nor a point without a digit before it.
  if (text.starts_with("-.")) text.insert(1, "0");
  if (text.starts_with(".")) text.insert(0, "0");
  double value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  Check(ec == std::errc() && end == text.data() + text.size(), "a result reads as a number",
        result);
  return value;
}

// The working texts an evaluation goes through, without repeats.
struct Steps {
  std::vector<std::string> texts;
  zorvane::TraceSink sink = [this](std::string_view, std::string_view text) {
    if (texts.empty() || texts.back() != text) texts.emplace_back(text);
  };
};

// The exhaustive evaluation rescans the whole text at every step; on long texts
// it (and keeping every step) would make one input take seconds under the
// sanitizers, so longer texts are compared by the other checks only.
constexpr std::size_t kLongestCompared = 1024;

// The usual evaluation goes through the same working texts to the same result as
// the one that looks at the whole text at every step.
void CheckSameAsExhaustive(std::string_view input, const zorvane::Options& options) {
  if (input.size() > kLongestCompared) return;
  Steps fast;
  Steps whole;
  const zorvane::Outcome a = zorvane::Evaluate(input, input, options, &fast.sink);
  const zorvane::Outcome b = zorvane::EvaluateExhaustively(input, input, options, &whole.sink);
  Check(a.kind == b.kind && a.text == b.text,
        "the evaluation gives what looking at the whole text gives", a.text + " / " + b.text);
  std::size_t i = 0;
  while (i < fast.texts.size() && i < whole.texts.size() && fast.texts[i] == whole.texts[i])
    ++i;
  Check(i == fast.texts.size() && i == whole.texts.size(),
        "the evaluation goes through the same working texts",
        (i < fast.texts.size() ? fast.texts[i] : "(end)") + " / " +
            (i < whole.texts.size() ? whole.texts[i] : "(end)"));
}

void CheckEvaluation(std::string_view input) {
  for (const bool deg : {false, true}) {
    std::string results[2];
    for (const bool fixE : {false, true}) {
      const std::string result = zorvane::EvaluateText(input, {deg, fixE});
      if (!result.empty()) CheckResult(result, fixE);
      results[fixE ? 1 : 0] = result;
      CheckSameAsExhaustive(input, {deg, fixE});
    }
    // Fix_E changes only the form of a result: the same outcome, the same value to
    // ten significant digits (fixed form to ten digits after the point below 1).
    const std::string both = results[0] + " / " + results[1];
    if (!IsNumber(results[0]) || !IsNumber(results[1])) {
      Check(results[0] == results[1], "Fix_E changes only the form of a result", both);
      continue;
    }
    const double a = ValueOf(results[0]);
    const double b = ValueOf(results[1]);
    Check(std::fabs(a - b) <= 1e-9 * std::fmax(std::fabs(a), std::fabs(b)) + 1e-10,
          "Fix_E keeps the value of a result", both);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  const std::uint8_t flags = data[0];
  const std::string variable = "X" + std::to_string(data[1] % 10);
  const std::string_view rest(reinterpret_cast<const char*>(data + 2), size - 2);
  const std::vector<std::string_view> parts = Split(rest, '\x01', 4);

  zorvane::ExeInput in;
  in.fMode = (flags & 1) != 0;
  in.fixE = (flags & 2) != 0;
  in.deg = (flags & 4) != 0;
  in.input = parts[0];
  in.formula = parts[1];
  in.output = parts[2];
  std::string stateText;  // as the window keeps it
  switch ((flags >> 3) & 3) {
    case 0:
      stateText = "a," + in.formula;
      break;
    case 1:
      stateText = variable + "," + in.formula;
      break;
    case 2:
      stateText = "a";
      break;
    default:
      stateText = parts[3];
      break;
  }
  in.formulaState = zorvane::ReadFormulaState(stateText);
  CheckExe(in);
  CheckEvaluation(in.input);
  return 0;
}
