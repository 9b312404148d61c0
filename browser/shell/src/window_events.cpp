#include "browser/shell/window_events.h"

namespace browser::shell {

QEvent::Type WindowEvents::Startup() {
  static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
  return type;
}

QEvent::Type WindowEvents::Request() {
  static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
  return type;
}

QEvent::Type WindowEvents::Close() {
  static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
  return type;
}

}  // namespace browser::shell
