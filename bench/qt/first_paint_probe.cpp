#include "bench/qt/first_paint_probe.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <cstdio>
#include <ctime>

namespace zorvane::bench {

void FirstPaintProbe::Install() {
  auto* probe = new FirstPaintProbe;
  probe->setParent(QCoreApplication::instance());
  QCoreApplication::instance()->installEventFilter(probe);
}

bool FirstPaintProbe::eventFilter(QObject* watched, QEvent* event) {
  if (!reported_ && event->type() == QEvent::Paint && watched->isWidgetType() &&
      static_cast<QWidget*>(watched)->isWindow()) {
    reported_ = true;
    // The backing store reaches the screen when this paint has finished; report
    // from the next turn of the event loop.
    QTimer::singleShot(0, this, [this] {
      const auto now = std::chrono::system_clock::now().time_since_epoch();
      timespec cpu{};
      clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &cpu);
      std::fprintf(stderr, "zorvane: first paint at %lld\nzorvane: cpu time at first paint %lld\n",
                   static_cast<long long>(std::chrono::nanoseconds(now).count()),
                   static_cast<long long>(cpu.tv_sec) * 1000000000 + cpu.tv_nsec);
      QCoreApplication::instance()->removeEventFilter(this);
    });
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace zorvane::bench
