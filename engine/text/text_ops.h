#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zorvane {

// Replaces every occurrence of `from` in one pass from left to right, without
// overlaps; what has been put in is not searched again. An empty `from`
// replaces nothing.
std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to);

// The same, in place, for a replacement no longer than what it replaces.
void ReplaceAllShrinking(std::string& text, std::string_view from, std::string_view to);

// ReplaceAll that also keeps `positions`, one entry for each character of the
// text, in step: a character put in takes the position of the character of
// `from` that it stands for (the last one when `to` is longer).
std::string ReplaceAllTracked(std::string_view text, std::string_view from, std::string_view to,
                              std::vector<std::size_t>& positions);

// Clamped substrings: a count below 0 gives the empty text, one beyond the end
// the rest of the text.
std::string_view Left(std::string_view text, long long count);
std::string_view Right(std::string_view text, long long count);
std::string_view Mid(std::string_view text, long long first, long long count);

// Index of the last `c` in `text`, or npos, as std::string_view::rfind gives
// it. The bracket pass looks back over long runs of working text for the "("
// before a ")", so this reads 64 characters a step where the processor can.
std::size_t FindLast(std::string_view text, char c);

inline bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

inline bool Contains(std::string_view text, std::string_view part) {
  return text.find(part) != std::string_view::npos;
}

}  // namespace zorvane
