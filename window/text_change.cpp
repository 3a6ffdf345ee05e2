#include "window/text_change.h"

#include <algorithm>

#include "engine/text/utf8.h"

namespace zorvane::window {
namespace {

// Whether unit `i` of `text` is the second half of a surrogate pair, which no
// change may begin at.
bool AtSecondHalf(std::u16string_view text, std::size_t i) {
  return i < text.size() && IsSecondHalf(text[i]);
}

}  // namespace

TextChange ChangedPart(std::u16string_view now, std::u16string_view wanted, std::size_t start,
                       std::size_t end) {
  const std::size_t shorter = std::min(now.size(), wanted.size());
  end = std::min(end, now.size());
  std::size_t head = 0;
  while (head < std::min({shorter, start, end}) && now[head] == wanted[head])
    ++head;
  if (head > 0 && (AtSecondHalf(now, head) || AtSecondHalf(wanted, head))) --head;
  const std::size_t most = std::min(shorter - head, now.size() - end);
  std::size_t tail = 0;
  while (tail < most && now[now.size() - 1 - tail] == wanted[wanted.size() - 1 - tail])
    ++tail;
  // The tail is the same in both texts; it may not begin at a second half.
  if (tail > 0 && IsSecondHalf(now[now.size() - tail])) --tail;
  return {head, now.size() - head - tail, wanted.size() - head - tail};
}

}  // namespace zorvane::window
