#include "cli/trace_text.h"

#include <algorithm>
#include <vector>

#include "engine/math/functions.h"

namespace zorvane::cli {
namespace {

constexpr std::string_view kCodeStart = "F[";

// The name a code such as "F[11]" stands for, or "" for any other text.
std::string_view FunctionName(std::string_view code) {
  const Function* function = FunctionWithCode(code);
  return function != nullptr ? function->name : std::string_view();
}

}  // namespace

std::string TraceLine(std::string_view stage, std::string_view text) {
  std::string line(stage);
  line.resize(std::max<std::size_t>(line.size(), 10), ' ');
  line.append(" ").append(text);
  std::vector<std::string_view> named;
  for (std::size_t at = text.find(kCodeStart); at != std::string_view::npos;
       at = text.find(kCodeStart, at + 1)) {
    const std::string_view code = text.substr(at, kCodeLength);
    const std::string_view name = FunctionName(code);
    if (name.empty() || std::find(named.begin(), named.end(), code) != named.end()) continue;
    line.append(named.empty() ? "   " : " ").append(code).append("=").append(name);
    named.push_back(code);
  }
  return line.append("\n");
}

std::string ReasonLine(std::string_view reason) {
  return std::string("error: ").append(reason).append("\n");
}

}  // namespace zorvane::cli
