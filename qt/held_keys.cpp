#include "qt/held_keys.h"

#include <QKeyEvent>

namespace zorvane::qt {

bool HeldKeyFilter::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if ((type != QEvent::KeyPress && type != QEvent::KeyRelease) || !watched->isWidgetType()) {
    return false;
  }
  const auto* key = static_cast<QKeyEvent*>(event);
  QWidget* window = static_cast<QWidget*>(watched)->window();
  Held& held = keys_[key->key()];
  if (type == QEvent::KeyRelease) {
    held.releasedAt = key->timestamp();
    return false;
  }
  const bool repeat =
      key->isAutoRepeat() || (key->timestamp() != 0 && key->timestamp() == held.releasedAt);
  if (!repeat) {
    held.window = window;
    return false;
  }
  return held.window != window;  // held down elsewhere, or gone with its window
}

}  // namespace zorvane::qt
