#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <map>

namespace zorvane::qt {

// A key held down acts only in the window where it went down. The window system
// repeats a held key into whichever window has the keyboard focus, so an Escape
// held to close the About box went on to close the main window, and with it the
// program. The filter drops repeats that reach another window than the one the
// key was pressed in; a key held in one window repeats there as usual.
//
// A repeat is a press marked as one, or (as X11 sends them, unmarked) a press
// with the same (non-zero) time stamp as the release just before it.
class HeldKeyFilter : public QObject {
 public:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct Held {
    QPointer<QWidget> window;         // where it went down
    quint64 releasedAt = ~quint64{};  // time stamp of its last release
  };
  std::map<int, Held> keys_;
};

}  // namespace zorvane::qt
