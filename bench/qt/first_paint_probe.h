#pragma once

#include <QObject>

namespace zorvane::bench {

// A measuring aid: once the first window has been painted, writes the wall-clock
// time (nanoseconds since the epoch) to standard error as
// "zorvane: first paint at NS", so a script can time start-up from outside, and
// the CPU time the process has used by then as "zorvane: cpu time at first paint
// NS", which a busy machine disturbs less.
class FirstPaintProbe : public QObject {
 public:
  // Watches the application's windows from now on; needs the application object.
  static void Install();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool reported_ = false;
};

}  // namespace zorvane::bench
