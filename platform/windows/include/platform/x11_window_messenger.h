// Window messages on X11: a message becomes a ClientMessage event of type VTRL_WINDOW_MESSAGE
// (format 32; data.l[0] the message, l[1] wparam, l[2] lparam) sent to each receiving
// top-level window. Top-level windows are the window manager's client list
// (_NET_CLIENT_LIST) when it keeps one, else the children of the root window; a window's
// class is either part of its WM_CLASS property. The browser's own window answers its
// private messages (WM_RELOADDOCUMENT, ...) in this form.
#pragma once

#include <string>

#include "platform/windows.h"

struct xcb_connection_t;

namespace platform {

inline constexpr char kWindowMessageAtom[] = "VTRL_WINDOW_MESSAGE";

class X11WindowMessenger : public WindowMessenger {
 public:
  // `display`: the X display name ("" or an unreachable display: nothing is ever posted).
  // The connection is made at the first post.
  explicit X11WindowMessenger(std::string display) : display_(std::move(display)) {}
  ~X11WindowMessenger() override;
  X11WindowMessenger(const X11WindowMessenger&) = delete;
  X11WindowMessenger& operator=(const X11WindowMessenger&) = delete;

  int Post(const std::string& window_class, uint32_t message, uint32_t wparam,
           int32_t lparam) override;

 private:
  bool Connect();

  std::string display_;
  xcb_connection_t* connection_ = nullptr;
  bool tried_ = false;
  unsigned root_ = 0;
};

}  // namespace platform
