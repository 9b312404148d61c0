#include "browser/shell/window_messages.h"

#include <xcb/xcb.h>

#include <QCoreApplication>
#include <cstdlib>
#include <cstring>

#include "browser/shell/x11_window.h"
#include "platform/x11_window_messenger.h"

namespace browser::shell {

WindowMessages::WindowMessages(std::function<uint32_t()> window, Handler handler)
    : window_(std::move(window)), handler_(std::move(handler)) {
  xcb_connection_t* connection = X11Connection();
  if (connection == nullptr) return;
  const char* name = platform::kWindowMessageAtom;
  xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
      connection, xcb_intern_atom(connection, 0, std::strlen(name), name), nullptr);
  if (reply == nullptr) return;
  atom_ = reply->atom;
  std::free(reply);
  QCoreApplication::instance()->installNativeEventFilter(this);
}

WindowMessages::~WindowMessages() {
  if (atom_ != 0 && QCoreApplication::instance() != nullptr) {
    QCoreApplication::instance()->removeNativeEventFilter(this);
  }
}

bool WindowMessages::nativeEventFilter(const QByteArray& type, void* message, qintptr*) {
  if (type != "xcb_generic_event_t") return false;
  auto* event = static_cast<xcb_generic_event_t*>(message);
  if ((event->response_type & 0x7F) != XCB_CLIENT_MESSAGE) return false;
  auto* client = reinterpret_cast<xcb_client_message_event_t*>(event);
  if (client->type != atom_ || client->format != 32 || client->window != window_()) return false;
  handler_(client->data.data32[0], client->data.data32[1],
           static_cast<int32_t>(client->data.data32[2]));
  return true;
}

}  // namespace browser::shell
