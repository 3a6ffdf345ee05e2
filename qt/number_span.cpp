#include "number_span.h"

namespace zorvane::qt {
namespace {

bool IsMantissa(QChar c) {
  return (c >= u'0' && c <= u'9') || c == u'.';
}

bool IsDigit(QStringView line, qsizetype i) {
  return i < line.size() && line[i] >= u'0' && line[i] <= u'9';
}

// The end of the number that starts at `start`.
qsizetype NumberEnd(QStringView line, qsizetype start) {
  qsizetype end = start;
  while (end < line.size() && IsMantissa(line[end]))
    ++end;
  if (end < line.size() && line[end] == u'E') {
    qsizetype exponent = end + 1;
    if (exponent < line.size() && (line[exponent] == u'+' || line[exponent] == u'-')) ++exponent;
    if (IsDigit(line, exponent)) {
      end = exponent;
      while (IsDigit(line, end))
        ++end;
    }
  }
  return end;
}

}  // namespace

std::optional<NumberSpan> NumberAt(QStringView line, int position) {
  std::optional<NumberSpan> touching;  // a number that ends at `position`
  for (qsizetype start = 0; start < line.size();) {
    if (!IsMantissa(line[start])) {
      ++start;
      continue;
    }
    const qsizetype end = NumberEnd(line, start);
    if (start > position) break;
    if (position < end) return NumberSpan{int(start), int(end)};
    if (position == end) touching = NumberSpan{int(start), int(end)};
    start = end;
  }
  return touching;
}

}  // namespace zorvane::qt
