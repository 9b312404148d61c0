#include "browser/shell/x11_window_manager.h"

#include <QElapsedTimer>
#include <QThread>
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace browser::shell {
namespace {

xcb_atom_t Atom(xcb_connection_t* connection, const char* name) {
  xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
      connection,
      xcb_intern_atom(connection, 0, static_cast<uint16_t>(std::strlen(name)), name), nullptr);
  if (reply == nullptr) return XCB_ATOM_NONE;
  const xcb_atom_t atom = reply->atom;
  std::free(reply);
  return atom;
}

// The 32-bit values of a property, at most `count` of them; empty when it is not set.
std::vector<uint32_t> Cardinals(xcb_connection_t* connection, xcb_window_t window,
                                xcb_atom_t property, uint32_t count) {
  std::vector<uint32_t> values;
  xcb_get_property_reply_t* reply = xcb_get_property_reply(
      connection,
      xcb_get_property(connection, 0, window, property, XCB_GET_PROPERTY_TYPE_ANY, 0, count),
      nullptr);
  if (reply == nullptr) return values;
  if (reply->format == 32) {
    const auto* data = static_cast<const uint32_t*>(xcb_get_property_value(reply));
    const int n = xcb_get_property_value_length(reply) / 4;
    values.assign(data, data + n);
  }
  std::free(reply);
  return values;
}

// Polls `done` every few milliseconds until it answers true or the time is up.
template <typename Done>
bool PollFor(int timeout_ms, Done done) {
  QElapsedTimer waited;
  waited.start();
  while (true) {
    if (done()) return true;
    if (waited.elapsed() >= timeout_ms) return false;
    QThread::msleep(3);
  }
}

}  // namespace

bool WindowManagerRuns(xcb_connection_t* connection) {
  if (connection == nullptr) return false;
  // ICCCM 2.8: the window manager of screen 0 owns the selection WM_S0.
  const xcb_atom_t selection = Atom(connection, "WM_S0");
  if (selection == XCB_ATOM_NONE) return false;
  xcb_get_selection_owner_reply_t* owner = xcb_get_selection_owner_reply(
      connection, xcb_get_selection_owner(connection, selection), nullptr);
  const bool runs = owner != nullptr && owner->owner != XCB_WINDOW_NONE;
  std::free(owner);
  return runs;
}

bool WaitUntilManaged(xcb_connection_t* connection, xcb_window_t window, int timeout_ms) {
  if (window == XCB_WINDOW_NONE || !WindowManagerRuns(connection)) return true;
  const xcb_atom_t wm_state = Atom(connection, "WM_STATE");
  if (wm_state == XCB_ATOM_NONE) return true;
  return PollFor(timeout_ms, [&] {
    const std::vector<uint32_t> state = Cardinals(connection, window, wm_state, 1);
    return !state.empty() && state[0] != 0;  // NormalState or IconicState
  });
}

bool WaitUntilWithdrawn(xcb_connection_t* connection, xcb_window_t window, int timeout_ms) {
  if (connection == nullptr || window == XCB_WINDOW_NONE) return true;
  const xcb_atom_t wm_state = Atom(connection, "WM_STATE");
  if (wm_state == XCB_ATOM_NONE) return true;
  return PollFor(timeout_ms, [&] {
    const std::vector<uint32_t> state = Cardinals(connection, window, wm_state, 1);
    return state.empty() || state[0] == 0;  // WithdrawnState
  });
}

std::optional<FrameExtents> RequestFrameExtents(xcb_connection_t* connection,
                                                xcb_window_t window, int timeout_ms) {
  if (connection == nullptr || window == XCB_WINDOW_NONE) return std::nullopt;
  const xcb_atom_t request = Atom(connection, "_NET_REQUEST_FRAME_EXTENTS");
  const xcb_atom_t extents = Atom(connection, "_NET_FRAME_EXTENTS");
  const xcb_atom_t supported = Atom(connection, "_NET_SUPPORTED");
  const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
  if (request == XCB_ATOM_NONE || extents == XCB_ATOM_NONE || screen == nullptr) {
    return std::nullopt;
  }
  const std::vector<uint32_t> offered = Cardinals(connection, screen->root, supported, 4096);
  if (std::find(offered.begin(), offered.end(), request) == offered.end()) return std::nullopt;
  // The answer is the property written anew: an old one (from an earlier frame) goes first.
  ForgetFrameExtents(connection, window);
  xcb_client_message_event_t message{};
  message.response_type = XCB_CLIENT_MESSAGE;
  message.format = 32;
  message.window = window;
  message.type = request;
  xcb_send_event(connection, 0, screen->root,
                 XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                 reinterpret_cast<const char*>(&message));
  xcb_flush(connection);
  std::optional<FrameExtents> answer;
  PollFor(timeout_ms, [&] { return (answer = ReadFrameExtents(connection, window)).has_value(); });
  return answer;
}

std::optional<FrameExtents> ReadFrameExtents(xcb_connection_t* connection, xcb_window_t window) {
  if (connection == nullptr || window == XCB_WINDOW_NONE) return std::nullopt;
  const std::vector<uint32_t> sides =
      Cardinals(connection, window, Atom(connection, "_NET_FRAME_EXTENTS"), 4);
  if (sides.size() != 4) return std::nullopt;
  return FrameExtents{static_cast<int>(sides[0]), static_cast<int>(sides[1]),
                      static_cast<int>(sides[2]), static_cast<int>(sides[3])};
}

std::optional<FrameExtents> WaitForFrameExtents(xcb_connection_t* connection,
                                                xcb_window_t window, int timeout_ms) {
  std::optional<FrameExtents> frame;
  PollFor(timeout_ms, [&] {
    frame = ReadFrameExtents(connection, window);
    return frame && !frame->empty();
  });
  if (frame && frame->empty()) frame.reset();
  return frame;
}

void ForgetFrameExtents(xcb_connection_t* connection, xcb_window_t window) {
  if (connection == nullptr || window == XCB_WINDOW_NONE) return;
  xcb_delete_property(connection, window, Atom(connection, "_NET_FRAME_EXTENTS"));
  xcb_flush(connection);
}

}  // namespace browser::shell
