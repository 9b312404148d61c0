// The X11 app bar service against a real X server and window manager (openbox under Xvfb):
// the work area the window manager publishes, and the auto-hide claims of two programs.
#include "platform/x11_appbar.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <vector>

namespace platform {
namespace {

// One X client: its own connection, as another program would have.
class Client {
 public:
  Client() : connection_(xcb_connect(nullptr, &screen_number_)) {
    screen_ = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data;
  }
  ~Client() { Disconnect(); }
  void Disconnect() {
    if (connection_ != nullptr) xcb_disconnect(connection_);
    connection_ = nullptr;
  }
  bool ok() const { return connection_ != nullptr && !xcb_connection_has_error(connection_); }
  xcb_connection_t* connection() const { return connection_; }
  int screen_number() const { return screen_number_; }

  xcb_atom_t Atom(const char* name) {
    auto* r = xcb_intern_atom_reply(
        connection_, xcb_intern_atom(connection_, 0, std::strlen(name), name), nullptr);
    const xcb_atom_t atom = r ? r->atom : xcb_atom_t{XCB_ATOM_NONE};
    std::free(r);
    return atom;
  }
  // A dock window at `rect`, not yet mapped.
  xcb_window_t Dock(AppBarRect r) {
    const xcb_window_t w = xcb_generate_id(connection_);
    xcb_create_window(connection_, XCB_COPY_FROM_PARENT, w, screen_->root, r.left, r.top,
                      r.right - r.left, r.bottom - r.top, 0, XCB_WINDOW_CLASS_INPUT_OUTPUT,
                      screen_->root_visual, 0, nullptr);
    const xcb_atom_t dock = Atom("_NET_WM_WINDOW_TYPE_DOCK");
    xcb_change_property(connection_, XCB_PROP_MODE_REPLACE, w, Atom("_NET_WM_WINDOW_TYPE"),
                        XCB_ATOM_ATOM, 32, 1, &dock);
    return w;
  }
  void Map(xcb_window_t w) {
    xcb_map_window(connection_, w);
    xcb_flush(connection_);
  }
  // x, y, width, height of the first desktop's work area.
  std::vector<uint32_t> WorkArea() {
    auto* r =
        xcb_get_property_reply(connection_,
                               xcb_get_property(connection_, 0, screen_->root,
                                                Atom("_NET_WORKAREA"), XCB_ATOM_CARDINAL, 0, 4),
                               nullptr);
    std::vector<uint32_t> area;
    if (r != nullptr && r->format == 32 && xcb_get_property_value_length(r) >= 16) {
      const auto* v = static_cast<const uint32_t*>(xcb_get_property_value(r));
      area.assign(v, v + 4);
    }
    std::free(r);
    return area;
  }
  // The work area once the window manager has published `want` (or after two seconds).
  std::vector<uint32_t> WorkAreaBecomes(std::vector<uint32_t> want) {
    std::vector<uint32_t> area;
    for (int i = 0; i < 40; ++i) {
      area = WorkArea();
      if (area == want) break;
      usleep(50 * 1000);
    }
    return area;
  }
  uint16_t width() const { return screen_->width_in_pixels; }
  uint16_t height() const { return screen_->height_in_pixels; }

 private:
  int screen_number_ = 0;
  xcb_connection_t* connection_;
  xcb_screen_t* screen_ = nullptr;
};

using Area = std::vector<uint32_t>;

TEST(X11AppBarService, ARegisteredBarShrinksTheWorkAreaUntilRemovedOrGone) {
  Client me;
  ASSERT_TRUE(me.ok());
  const uint32_t w = me.width(), h = me.height();
  ASSERT_EQ(me.WorkAreaBecomes({0, 0, w, h}), (Area{0, 0, w, h}));
  X11AppBarService service(me.connection(), me.screen_number());

  // The strut is written before the window is mapped.
  const AppBarRect right{static_cast<int32_t>(w) - 150, 0, static_cast<int32_t>(w),
                         static_cast<int32_t>(h)};
  const xcb_window_t bar = me.Dock(right);
  ASSERT_TRUE(service.New(bar));
  EXPECT_FALSE(service.New(bar));
  EXPECT_EQ(service.SetPos(bar, AppBarEdge::kRight, right), right);
  me.Map(bar);
  EXPECT_EQ(me.WorkAreaBecomes({0, 0, w - 150, h}), (Area{0, 0, w - 150, h}));

  // Another program's bar on the same edge starts where this one ends; a top bar takes its
  // strip off the top.
  Client other;
  X11AppBarService other_service(other.connection(), other.screen_number());
  const AppBarRect beside = other_service.QueryPos(0, AppBarEdge::kRight, {0, 0, right.right, 100});
  EXPECT_EQ(beside.right, right.left);
  const AppBarRect top{0, 0, static_cast<int32_t>(w), 40};
  const xcb_window_t top_bar = other.Dock(top);
  ASSERT_TRUE(other_service.New(top_bar));
  other_service.SetPos(top_bar, AppBarEdge::kTop, top);
  other.Map(top_bar);
  EXPECT_EQ(me.WorkAreaBecomes({0, 40, w - 150, h - 40}), (Area{0, 40, w - 150, h - 40}));

  // The other program ends without a word: its strip comes back with its window.
  other.Disconnect();
  EXPECT_EQ(me.WorkAreaBecomes({0, 0, w - 150, h}), (Area{0, 0, w - 150, h}));

  EXPECT_TRUE(service.Remove(bar));
  EXPECT_FALSE(service.Remove(bar));
  EXPECT_EQ(me.WorkAreaBecomes({0, 0, w, h}), (Area{0, 0, w, h}));
  // A bar that is not registered reserves nothing.
  service.SetPos(bar, AppBarEdge::kRight, right);
  usleep(300 * 1000);
  EXPECT_EQ(me.WorkArea(), (Area{0, 0, w, h}));
}

TEST(X11AppBarService, TwoProgramsCannotShareAnEdgesAutoHide) {
  Client first, second;
  ASSERT_TRUE(first.ok() && second.ok());
  X11AppBarService a(first.connection(), first.screen_number());
  X11AppBarService b(second.connection(), second.screen_number());
  const xcb_window_t wa = first.Dock({0, 0, 100, 100});
  const xcb_window_t wb = second.Dock({0, 0, 100, 100});
  xcb_flush(first.connection());
  xcb_flush(second.connection());

  EXPECT_EQ(b.GetAutoHideBar(AppBarEdge::kLeft), 0u);
  ASSERT_TRUE(a.SetAutoHideBar(wa, AppBarEdge::kLeft, true));
  EXPECT_EQ(b.GetAutoHideBar(AppBarEdge::kLeft), wa);
  EXPECT_FALSE(b.SetAutoHideBar(wb, AppBarEdge::kLeft, true));
  EXPECT_EQ(b.LastError(), X11AppBarService::kEdgeTaken);
  EXPECT_TRUE(b.ErrorText(b.LastError()).has_value());
  EXPECT_FALSE(b.SetAutoHideBar(wb, AppBarEdge::kLeft, false));
  EXPECT_EQ(b.LastError(), X11AppBarService::kNotHolder);
  // Other edges are free.
  EXPECT_TRUE(b.SetAutoHideBar(wb, AppBarEdge::kBottom, true));
  EXPECT_TRUE(b.SetAutoHideBar(wb, AppBarEdge::kBottom, false));
  EXPECT_EQ(a.GetAutoHideBar(AppBarEdge::kBottom), 0u);

  // Removing the bar gives its edge up; so does the end of the program that held it.
  EXPECT_FALSE(a.Remove(wa));  // never registered, and still lets go of the edge
  EXPECT_EQ(b.GetAutoHideBar(AppBarEdge::kLeft), 0u);
  ASSERT_TRUE(a.SetAutoHideBar(wa, AppBarEdge::kTop, true));
  first.Disconnect();
  EXPECT_EQ(b.GetAutoHideBar(AppBarEdge::kTop), 0u);
  EXPECT_TRUE(b.SetAutoHideBar(wb, AppBarEdge::kTop, true));
}

}  // namespace
}  // namespace platform
