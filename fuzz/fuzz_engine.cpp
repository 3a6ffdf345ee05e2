// One press of EXE over arbitrary texts and option states, and the evaluation of
// its Input Box text under every combination of DEG and Fix_E.
//
// Input layout: byte 0 holds the options (bit 0 F_Mode, bit 1 Fix_E, bit 2 DEG)
// and in bits 3-4 the kind of function-mode state: 0 idle ("a," + formula),
// 1 a pending variable (byte 1 picks its digit), 2 the start state "a", 3 a raw
// state text. The rest is split at the byte 0x01 into the Input Box text, the
// stored formula, the old log (which EXE no longer reads: kept so that the seeds
// stay valid) and the raw state.

#include <algorithm>
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

// "error", or a number in one of the result forms: "12", "-.5", "12.5", or one
// digit with an optional fraction, "E", a sign and two digits (three from 100 on).
void CheckResult(std::string_view result, bool fixE) {
  static const std::regex kForms(R"(error|-?(\d+|\d*\.\d+)|-?\d(\.\d+)?E[+-](\d\d|[1-9]\d\d))");
  Check(std::regex_match(result.begin(), result.end(), kForms),
        "the result is \"error\" or a number", result);
  if (fixE && result != "error")
    Check(result.find('E') != std::string_view::npos, "Fix_E writes every result with E", result);
}

// EXE leaves the selection within the Input Box text; an entry ends in "\r\n="
// and a result.
void CheckExe(const zorvane::ExeInput& in) {
  const zorvane::ExeOutput out = zorvane::RunExe(in);
  const std::string_view text = out.input ? *out.input : in.input;
  Check(out.selection.start <= out.selection.end && out.selection.end <= text.size(),
        "the selection lies within the Input Box text", text);
  if (!out.entry) return;
  const std::string_view entry = *out.entry;
  const std::size_t mark = entry.rfind("\r\n=");
  Check(mark != std::string_view::npos, "the entry holds \"\\r\\n=\"", entry);
  CheckResult(entry.substr(mark + 3), in.fixE);
}

// The working texts an evaluation goes through, without repeats.
struct Steps {
  std::vector<std::string> texts;
  zorvane::TraceSink sink = [this](std::string_view, std::string_view text) {
    if (texts.empty() || texts.back() != text) texts.emplace_back(text);
  };
};

// The exhaustive evaluation rescans the whole text at every step: on longer texts
// it would make one input take seconds under the sanitizers.
constexpr std::size_t kLongestCompared = 1024;

// Under every combination of DEG and Fix_E: the result takes one of the forms,
// and the evaluation with a listener, and the one that looks at the whole text
// at every step, go through the same working texts to the same result.
void CheckEvaluation(std::string_view input) {
  for (const int bits : {0, 1, 2, 3}) {
    const zorvane::Options options{(bits & 1) != 0, (bits & 2) != 0};
    const std::string plain = zorvane::Evaluate(input, options).text;
    if (!plain.empty()) CheckResult(plain, options.fixE);
    if (input.size() > kLongestCompared) continue;
    Steps fast;
    Steps whole;
    const zorvane::Outcome a = zorvane::Evaluate(input, options, &fast.sink);
    const zorvane::Outcome b = zorvane::EvaluateExhaustively(input, options, &whole.sink);
    Check(a.text == plain && b.text == plain && a.kind == b.kind,
          "each evaluation gives the same result", plain + " / " + a.text + " / " + b.text);
    Check(a.failure.has_value() == (a.kind == zorvane::OutcomeKind::Error) &&
              (!a.failure || (b.failure && a.failure->reason == b.failure->reason)),
          "a failure, and only a failure, says why, the same both ways", input);
    Check(fast.texts == whole.texts, "the evaluation goes through the same working texts", input);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  const std::uint8_t flags = data[0];
  const std::string variable = "X" + std::to_string(data[1] % 10);
  std::string_view rest(reinterpret_cast<const char*>(data + 2), size - 2);
  std::string_view parts[4];
  for (int i = 0; i < 3; ++i) {
    const std::size_t at = std::min(rest.find('\x01'), rest.size());
    parts[i] = rest.substr(0, at);
    rest.remove_prefix(std::min(at + 1, rest.size()));
  }
  parts[3] = rest;

  zorvane::ExeInput in;
  in.fMode = (flags & 1) != 0;
  in.fixE = (flags & 2) != 0;
  in.deg = (flags & 4) != 0;
  in.input = parts[0];
  in.formula = parts[1];
  const std::string stateTexts[] = {"a," + in.formula, variable + "," + in.formula, "a",
                                    std::string(parts[3])};
  in.formulaState = zorvane::ReadFormulaState(stateTexts[(flags >> 3) & 3]);
  CheckExe(in);
  CheckEvaluation(in.input);
  return 0;
}
