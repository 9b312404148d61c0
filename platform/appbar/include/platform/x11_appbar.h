// The app bar service on X11 with an EWMH window manager. A registered bar reserves its strip
// through _NET_WM_STRUT_PARTIAL (and _NET_WM_STRUT for older managers) on its window; the
// window manager takes the strip out of the work area (_NET_WORKAREA) while the window is
// mapped, and gives it back when the property goes or the window does, also when the program
// is killed. The auto-hide bar of an edge is the owner of an X selection named for the edge
// and the screen, so bars of two programs on one display refuse the same edge, and a bar's
// claim ends with its window.
#pragma once

#include <xcb/xcb.h>

#include <set>

#include "platform/appbar.h"

namespace platform {

class X11AppBarService : public AppBarService {
 public:
  // Error codes of LastError.
  static constexpr uint32_t kEdgeTaken = 1;   // another window holds the edge's auto-hide
  static constexpr uint32_t kNotHolder = 2;   // the window does not hold it
  static constexpr uint32_t kNotChanged = 3;  // the server kept the previous owner

  // Works on `connection` (not owned; it must outlive the service) and its screen
  // `screen_number`.
  X11AppBarService(xcb_connection_t* connection, int screen_number);

  bool New(AppBarWindowId window) override;
  bool Remove(AppBarWindowId window) override;
  AppBarRect QueryPos(AppBarWindowId window, AppBarEdge edge, AppBarRect proposed) override;
  AppBarRect SetPos(AppBarWindowId window, AppBarEdge edge, AppBarRect proposed) override;
  AppBarWindowId GetAutoHideBar(AppBarEdge edge) override;
  bool SetAutoHideBar(AppBarWindowId window, AppBarEdge edge, bool on) override;
  void WindowPosChanged(AppBarWindowId) override {}
  uint32_t LastError() const override { return last_error_; }
  std::optional<std::string> ErrorText(uint32_t code) const override;

 private:
  xcb_atom_t Atom(const char* name);
  xcb_atom_t EdgeSelection(AppBarEdge edge);
  void WriteStrut(xcb_window_t window, AppBarEdge edge, const AppBarRect& rect);
  void DeleteStrut(xcb_window_t window);

  xcb_connection_t* connection_;
  int screen_number_;
  xcb_window_t root_ = XCB_WINDOW_NONE;
  int32_t screen_width_ = 0, screen_height_ = 0;
  std::set<AppBarWindowId> registered_;
  uint32_t last_error_ = 0;
};

}  // namespace platform
