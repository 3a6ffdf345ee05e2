#include "text_positions.h"

#include <algorithm>

namespace zorvane::qt {
namespace {

bool IsLineBreak(QChar c) {
  return c == u'\n' || c == QChar::ParagraphSeparator;
}

// Window positions taken by the character that starts at plain[i], and how many
// UTF-16 units it spans.
struct Span {
  int window;
  int units;
};

Span CharacterAt(QStringView plain, qsizetype i) {
  const QChar c = plain[i];
  if (IsLineBreak(c)) return {2, 1};
  if (c.isHighSurrogate() && i + 1 < plain.size() && plain[i + 1].isLowSurrogate()) return {4, 2};
  const char16_t u = c.unicode();
  if (u < 0x80) return {1, 1};
  if (u < 0x800) return {2, 1};
  return {3, 1};
}

}  // namespace

std::string ToWindowText(QStringView plain) {
  QString text = plain.toString();
  text.replace(QChar::ParagraphSeparator, u'\n');
  text.replace(u'\n', QStringLiteral("\r\n"));
  const QByteArray bytes = text.toUtf8();
  return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

QString FromWindowText(std::string_view text) {
  QString plain = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  plain.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  plain.replace(u'\r', u'\n');
  return plain;
}

int WindowLength(QStringView plain) {
  return ToWindowPosition(plain, int(plain.size()));
}

int ToWindowPosition(QStringView plain, int position) {
  const qsizetype end = std::clamp<qsizetype>(position, 0, plain.size());
  int window = 0;
  for (qsizetype i = 0; i < end;) {
    const Span span = CharacterAt(plain, i);
    window += span.window;
    i += span.units;
  }
  return window;
}

int FromWindowPosition(QStringView plain, int position) {
  int window = 0;
  qsizetype i = 0;
  while (i < plain.size()) {
    const Span span = CharacterAt(plain, i);
    if (window + span.window > position) break;
    window += span.window;
    i += span.units;
  }
  return int(i);
}

}  // namespace zorvane::qt
