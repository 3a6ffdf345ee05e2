#pragma once

// The window's text positions (window/text_positions.h) over Qt strings. The Qt
// document holds one character per line break.

#include <QString>
#include <QStringView>
#include <string>
#include <string_view>

namespace zorvane::qt {

inline std::u16string_view Utf16(QStringView text) {
  return {text.utf16(), static_cast<std::size_t>(text.size())};
}

// The window text of a box's plain text: UTF-8 with CR LF line breaks.
std::string ToWindowText(QStringView plain);

// The plain text for a window text; CR LF, a lone CR and a lone LF each become
// one line break.
QString FromWindowText(std::string_view text);

int WindowLength(QStringView plain);
int ToWindowPosition(QStringView plain, int position);
int FromWindowPosition(QStringView plain, int position);

}  // namespace zorvane::qt
