#pragma once

#include <string>

#include "engine/evaluate.h"

namespace zorvane::cli {

// The evaluations of one run of zorvane-cli with its options, and what they
// report on standard error: the working texts under --trace, the reason of a
// failure under --explain and --trace.
struct Session {
  Options options;
  bool trace = false;
  bool explain = false;
  bool anyError = false;      // some evaluation gave "error"
  bool inputStarted = false;  // standard input has been read from

  // The result text of one expression as typed: the result, "error", or ""
  // when there is nothing to evaluate.
  std::string Evaluate(const std::string& typed);
};

}  // namespace zorvane::cli
