#pragma once

#include <string_view>
#include <vector>

namespace zorvane::cli {

// The parts of `text` between the separators: one more than there are
// separators, so an empty text is one empty part.
inline std::vector<std::string_view> SplitAt(std::string_view text, char separator) {
  std::vector<std::string_view> parts;
  for (std::size_t start = 0;;) {
    const std::size_t at = text.find(separator, start);
    parts.push_back(text.substr(start, at - start));
    if (at == std::string_view::npos) return parts;
    start = at + 1;
  }
}

}  // namespace zorvane::cli
