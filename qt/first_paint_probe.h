#pragma once

#include <QObject>

namespace zorvane::qt {

// A measuring aid: once the first window has been painted, writes the wall-clock
// time (nanoseconds since the epoch) to standard error as
// "zorvane: first paint at NS", so a script can time start-up from outside, and
// the CPU time the process has used by then as "zorvane: cpu time at first paint
// NS", which a busy machine disturbs less.
// Installed only when the environment asks for it (ZORVANE_FIRST_PAINT_PROBE=1).
class FirstPaintProbe : public QObject {
 public:
  static void InstallIfRequested();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool reported_ = false;
};

}  // namespace zorvane::qt
