#pragma once

#include <algorithm>
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

// ReplaceAll that also keeps `notes`, one for each character of the text, in
// step: the j-th character of `to` put in for the `from` at `pos` is noted as
// `put(pos, j)`, which may read the notes as they stood before.
template <class Note, class Put>
std::string ReplaceAllNoted(std::string_view text, std::string_view from, std::string_view to,
                            std::vector<Note>& notes, Put&& put) {
  if (from.empty()) return std::string(text);
  std::size_t pos = text.find(from);
  if (pos == std::string_view::npos) return std::string(text);
  std::string out;
  out.reserve(text.size() + to.size());
  std::vector<Note> outNotes;
  outNotes.reserve(notes.size() + to.size());
  std::size_t done = 0;
  const auto keep = [&](std::size_t end) {
    out.append(text, done, end - done);
    outNotes.insert(outNotes.end(), notes.begin() + static_cast<std::ptrdiff_t>(done),
                    notes.begin() + static_cast<std::ptrdiff_t>(end));
  };
  while (pos != std::string_view::npos) {
    keep(pos);
    for (std::size_t j = 0; j < to.size(); ++j)
      outNotes.push_back(put(pos, j));
    out.append(to);
    done = pos + from.size();
    pos = text.find(from, done);
  }
  keep(text.size());
  notes = std::move(outNotes);
  return out;
}

// ReplaceAllNoted for `positions`, one entry for each character of the text: a
// character put in takes the position of the character of `from` that it
// stands for (the last one when `to` is longer).
inline std::string ReplaceAllTracked(std::string_view text, std::string_view from,
                                     std::string_view to, std::vector<std::size_t>& positions) {
  return ReplaceAllNoted(text, from, to, positions, [&](std::size_t pos, std::size_t j) {
    return positions[pos + std::min(j, from.size() - 1)];
  });
}

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
