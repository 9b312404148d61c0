#include "platform/x11_window_messenger.h"

#include <xcb/xcb.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string_view>
#include <vector>

#include "platform/ascii_case.h"

namespace platform {
namespace {

template <typename T>
using Reply = std::unique_ptr<T, decltype(&std::free)>;

xcb_atom_t Atom(xcb_connection_t* c, const char* name) {
  Reply<xcb_intern_atom_reply_t> r(
      xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, std::strlen(name), name), nullptr),
      &std::free);
  return r ? r->atom : xcb_atom_t{XCB_ATOM_NONE};
}

// WM_CLASS holds the instance name and the class name, each ended by a zero byte.
bool HasClass(xcb_connection_t* c, xcb_window_t w, const std::string& window_class) {
  Reply<xcb_get_property_reply_t> r(
      xcb_get_property_reply(
          c, xcb_get_property(c, 0, w, XCB_ATOM_WM_CLASS, XCB_ATOM_STRING, 0, 256), nullptr),
      &std::free);
  if (!r || r->format != 8) return false;
  const char* text = static_cast<const char*>(xcb_get_property_value(r.get()));
  const size_t size = xcb_get_property_value_length(r.get());
  size_t start = 0;
  for (size_t i = 0; i <= size; ++i) {
    if (i == size || text[i] == '\0') {
      if (EqualsIgnoringCase(std::string_view(text + start, i - start), window_class)) return true;
      start = i + 1;
    }
  }
  return false;
}

// The managed top-level windows (_NET_CLIENT_LIST_STACKING) and the root's own children, the
// topmost first: a hidden top-level window is not managed while it is hidden but still gets
// its messages, as on the platform the documents were written for.
std::vector<xcb_window_t> TopLevelWindows(xcb_connection_t* c, xcb_window_t root) {
  std::vector<xcb_window_t> windows;
  const xcb_atom_t client_list = Atom(c, "_NET_CLIENT_LIST_STACKING");
  if (client_list != XCB_ATOM_NONE) {
    Reply<xcb_get_property_reply_t> r(
        xcb_get_property_reply(
            c, xcb_get_property(c, 0, root, client_list, XCB_ATOM_WINDOW, 0, 65536), nullptr),
        &std::free);
    if (r && r->format == 32 && xcb_get_property_value_length(r.get()) > 0) {
      const auto* ids = static_cast<const xcb_window_t*>(xcb_get_property_value(r.get()));
      // Listed from the bottom up.
      windows.assign(ids, ids + xcb_get_property_value_length(r.get()) / 4);
      std::reverse(windows.begin(), windows.end());
    }
  }
  Reply<xcb_query_tree_reply_t> tree(xcb_query_tree_reply(c, xcb_query_tree(c, root), nullptr),
                                     &std::free);
  if (tree) {
    const xcb_window_t* children = xcb_query_tree_children(tree.get());
    for (int i = xcb_query_tree_children_length(tree.get()) - 1; i >= 0; --i) {
      if (std::find(windows.begin(), windows.end(), children[i]) == windows.end()) {
        windows.push_back(children[i]);
      }
    }
  }
  return windows;
}

}  // namespace

X11WindowMessenger::~X11WindowMessenger() {
  if (connection_ != nullptr) xcb_disconnect(connection_);
}

bool X11WindowMessenger::Connect() {
  if (tried_) return connection_ != nullptr;
  tried_ = true;
  if (display_.empty()) return false;
  int screen_number = 0;
  xcb_connection_t* c = xcb_connect(display_.c_str(), &screen_number);
  if (xcb_connection_has_error(c)) {
    xcb_disconnect(c);
    return false;
  }
  xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(c));
  for (int i = 0; i < screen_number && it.rem > 0; ++i) xcb_screen_next(&it);
  if (it.rem == 0) {
    xcb_disconnect(c);
    return false;
  }
  root_ = it.data->root;
  connection_ = c;
  return true;
}

int X11WindowMessenger::Post(const std::string& window_class, uint32_t message, uint32_t wparam,
                             int32_t lparam) {
  if (!Connect()) return 0;
  xcb_connection_t* c = connection_;
  const std::vector<xcb_window_t> all = TopLevelWindows(c, root_);
  std::vector<xcb_window_t> receivers;
  for (xcb_window_t w : all) {
    if (HasClass(c, w, window_class)) {
      receivers.push_back(w);
      break;
    }
  }
  if (receivers.empty()) receivers = all;  // no window of that class: every top-level window

  xcb_client_message_event_t event;
  std::memset(&event, 0, sizeof event);
  event.response_type = XCB_CLIENT_MESSAGE;
  event.format = 32;
  event.type = Atom(c, kWindowMessageAtom);
  event.data.data32[0] = message;
  event.data.data32[1] = wparam;
  event.data.data32[2] = static_cast<uint32_t>(lparam);
  for (xcb_window_t w : receivers) {
    event.window = w;
    // An empty event mask delivers the event to the window's own client.
    xcb_send_event(c, 0, w, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char*>(&event));
  }
  // A round trip: the server has handled the events before this returns, so a program that
  // ends right after posting does not take unsent events with it.
  std::free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));
  return static_cast<int>(receivers.size());
}

}  // namespace platform
