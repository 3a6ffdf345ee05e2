#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/evaluate.h"

namespace zorvane::testing {

// Collects the failure reasons an evaluation reports and, when `keep`, every
// working text (for long inputs they are many and long).
struct TraceCapture {
  bool keep = true;
  std::vector<std::pair<std::string, std::string>> steps;
  std::vector<std::string> reasons;  // the texts reported under "error"
  bool reasonLast = false;           // the last report was a reason
  TraceSink sink = [this](std::string_view stage, std::string_view text) {
    reasonLast = stage == "error";
    if (reasonLast) reasons.emplace_back(text);
    if (keep) steps.emplace_back(stage, text);
  };

  // The texts of one stage, in order.
  std::vector<std::string> Texts(std::string_view stage) const {
    std::vector<std::string> texts;
    for (const auto& [s, t] : steps) {
      if (s == stage) texts.push_back(t);
    }
    return texts;
  }

  // Every text, in order, without repeats of the same text.
  std::vector<std::string> Distinct() const {
    std::vector<std::string> texts;
    for (const auto& step : steps) {
      if (texts.empty() || texts.back() != step.second) texts.push_back(step.second);
    }
    return texts;
  }
};

}  // namespace zorvane::testing
