#pragma once

#include <QEvent>

#include "browser/script/script_host.h"

namespace browser::shell {

// The main window's private messages, posted to itself so that each runs after the event
// (and the script) that asked for it.
struct WindowEvents {
  static QEvent::Type Startup();  // the first load
  static QEvent::Type Request();  // a page request of a script
  static QEvent::Type Close();    // the program ends
};

class RequestEvent : public QEvent {
 public:
  explicit RequestEvent(browser::PageRequest request)
      : QEvent(WindowEvents::Request()), request_(std::move(request)) {}
  const browser::PageRequest& request() const { return request_; }

 private:
  browser::PageRequest request_;
};

}  // namespace browser::shell
