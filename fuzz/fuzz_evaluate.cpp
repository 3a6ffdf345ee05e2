// EvaluateText over arbitrary texts, with every combination of DEG and Fix_E,
// and the usual evaluation against the one that looks at the whole text at
// every step: both must go through the same working texts to the same result.

#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/evaluate.h"
#include "fuzz/check.h"

namespace {

using zorvane::fuzz::Check;

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

// Fixed and exponent form show the same value to ten significant digits (fixed
// form to ten digits after the point below 1).
bool SameValue(std::string_view fixed, std::string_view exponent) {
  const double a = ValueOf(fixed);
  const double b = ValueOf(exponent);
  const double scale = std::fmax(std::fabs(a), std::fabs(b));
  return std::fabs(a - b) <= 1e-9 * scale + 1e-10;
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
// sanitizers, so longer texts are compared by the usual checks only.
constexpr std::size_t kLongestCompared = 1024;

void CheckSameAsExhaustive(std::string_view input, const zorvane::Options& options) {
  if (input.size() > kLongestCompared) return;
  Steps fast;
  Steps whole;
  const zorvane::Outcome a = zorvane::Evaluate(input, input, options, &fast.sink);
  const zorvane::Outcome b = zorvane::EvaluateExhaustively(input, input, options, &whole.sink);
  Check(a.kind == b.kind && a.text == b.text,
        "the evaluation gives what looking at the whole text gives", a.text + " / " + b.text);
  if (fast.texts != whole.texts) {
    std::size_t i = 0;
    while (i < fast.texts.size() && i < whole.texts.size() && fast.texts[i] == whole.texts[i])
      ++i;
    const std::string a = i < fast.texts.size() ? fast.texts[i] : "(end)";
    const std::string b = i < whole.texts.size() ? whole.texts[i] : "(end)";
    Check(false, "the evaluation goes through the same working texts", a + " / " + b);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  for (const bool deg : {false, true}) {
    std::string results[2];
    for (const bool fixE : {false, true}) {
      const zorvane::Options options{deg, fixE};
      const std::string result = zorvane::EvaluateText(input, options);
      Check(result.empty() || zorvane::fuzz::IsResultText(result),
            "the result is empty, \"error\" or a number", result);
      if (fixE && !result.empty() && result != "error")
        Check(result.find('E') != std::string::npos, "Fix_E writes every result with E", result);
      Check(zorvane::EvaluateText(input, options) == result, "EvaluateText is deterministic",
            input);
      results[fixE ? 1 : 0] = result;
      CheckSameAsExhaustive(input, options);
    }
    // Fix_E only changes the form of a result.
    const bool bothNumbers = !results[0].empty() && results[0] != "error" && !results[1].empty() &&
                             results[1] != "error";
    Check(bothNumbers || results[0] == results[1], "Fix_E changes only the form of a result",
          results[0] + " / " + results[1]);
    if (bothNumbers)
      Check(SameValue(results[0], results[1]), "Fix_E keeps the value of a result",
            results[0] + " / " + results[1]);
  }
  return 0;
}
