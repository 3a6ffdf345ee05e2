#include "qt/text_positions.h"

#include "window/text_positions.h"

namespace zorvane::qt {

std::string ToWindowText(QStringView plain) {
  return window::ToWindowText(Utf16(plain));
}

QString FromWindowText(std::string_view text) {
  const std::u16string plain = window::FromWindowText(text, u"\n");
  return QString::fromUtf16(plain.data(), static_cast<qsizetype>(plain.size()));
}

int WindowLength(QStringView plain) {
  return window::WindowLength(Utf16(plain));
}

int ToWindowPosition(QStringView plain, int position) {
  return window::ToWindowPosition(Utf16(plain), position);
}

int FromWindowPosition(QStringView plain, int position) {
  return window::FromWindowPosition(Utf16(plain), position);
}

}  // namespace zorvane::qt
