#pragma once

class QWidget;

namespace zorvane::qt {

// Shows the help text in a window of its own over `owner` (which may be null),
// in the owner's font and as wide as its widest line, until the user closes it
// with Escape, Close or the close box. Plain text: nothing is fetched and no
// browser is started.
void ShowHelpWindow(QWidget* owner);

}  // namespace zorvane::qt
