#pragma once

// Between the text of a Qt edit box and the window's byte text. The window sees a
// line break as CR LF and counts positions in UTF-8 bytes; the Qt document holds
// one character per line break and counts UTF-16 units.

#include <QString>
#include <QStringView>
#include <string>
#include <string_view>

namespace zorvane::qt {

// The window text of a box's plain text: UTF-8 with CR LF line breaks.
std::string ToWindowText(QStringView plain);

// The plain text for a window text; CR LF, a lone CR and a lone LF each become
// one line break.
QString FromWindowText(std::string_view text);

// How many window positions `plain` takes.
int WindowLength(QStringView plain);

// The window position of document position `position` within `plain`.
int ToWindowPosition(QStringView plain, int position);

// The document position of window position `position`; a position inside a line
// break or a multi-byte character stands for the start of that character.
int FromWindowPosition(QStringView plain, int position);

}  // namespace zorvane::qt
