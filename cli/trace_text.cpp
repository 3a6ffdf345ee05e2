#include "cli/trace_text.h"

#include <algorithm>
#include <array>
#include <vector>

namespace zorvane::cli {
namespace {

constexpr std::string_view kCodeStart = "F[";
constexpr std::size_t kCodeLength = 5;  // "F[11]"

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

}  // namespace

std::string_view FunctionName(std::string_view code) {
  struct Entry {
    std::string_view code;
    std::string_view name;
  };
  static constexpr std::array<Entry, 10> kCodes{{
      {"F[11]", "SIN"},
      {"F[12]", "COS"},
      {"F[13]", "TAN"},
      {"F[14]", "ASN"},
      {"F[15]", "ACS"},
      {"F[16]", "ATN"},
      {"F[17]", "EXP"},
      {"F[18]", "LN"},
      {"F[19]", "LOG"},
      {"F[20]", "SQR"},
  }};
  for (const Entry& entry : kCodes) {
    if (entry.code == code) return entry.name;
  }
  return {};
}

std::string TraceLine(std::string_view stage, std::string_view text) {
  std::string line(stage);
  line.resize(std::max<std::size_t>(line.size(), 10), ' ');
  line.append(" ").append(text);
  std::vector<std::string_view> named;
  for (std::size_t at = text.find(kCodeStart); at != std::string_view::npos;
       at = text.find(kCodeStart, at + 1)) {
    const std::string_view code = text.substr(at, kCodeLength);
    if (code.size() < kCodeLength || !IsDigit(code[2]) || !IsDigit(code[3]) || code[4] != ']') {
      continue;
    }
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
