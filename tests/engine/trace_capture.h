#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/evaluate.h"

namespace zorvane::testing {

// Collects every working text that an evaluation reports.
struct TraceCapture {
  std::vector<std::pair<std::string, std::string>> steps;
  TraceSink sink = [this](std::string_view stage, std::string_view text) {
    steps.emplace_back(stage, text);
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
