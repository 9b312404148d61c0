// Window messages reach X11 windows by class, or every top-level window when no window has
// the class. Runs on a private X server with a window manager (cmake/run_under_x11.sh).
#include <gtest/gtest.h>
#include <poll.h>
#include <xcb/xcb.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "platform/x11_window_messenger.h"

namespace platform {
namespace {

class X11WindowMessengerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const char* display = std::getenv("DISPLAY");
    if (display == nullptr || *display == '\0') GTEST_SKIP() << "no X display";
    display_ = display;
    c_ = xcb_connect(display, nullptr);
    ASSERT_FALSE(xcb_connection_has_error(c_));
    root_ = xcb_setup_roots_iterator(xcb_get_setup(c_)).data->root;
  }
  void TearDown() override {
    if (c_ != nullptr) xcb_disconnect(c_);
  }

  xcb_window_t Window(const std::string& instance, const std::string& window_class) {
    const xcb_window_t w = xcb_generate_id(c_);
    xcb_create_window(c_, XCB_COPY_FROM_PARENT, w, root_, 0, 0, 50, 50, 0,
                      XCB_WINDOW_CLASS_INPUT_OUTPUT, XCB_COPY_FROM_PARENT, 0, nullptr);
    const std::string value = instance + '\0' + window_class + '\0';
    xcb_change_property(c_, XCB_PROP_MODE_REPLACE, w, XCB_ATOM_WM_CLASS, XCB_ATOM_STRING, 8,
                        value.size(), value.data());
    xcb_map_window(c_, w);
    xcb_flush(c_);
    return w;
  }
  // The window manager lists mapped clients a moment after they appear.
  void WaitUntilManaged(size_t count) {
    X11WindowMessenger probe(display_);
    for (int i = 0; i < 100; ++i) {
      if (probe.Post("no class has this name", 0, 0, 0) >= static_cast<int>(count)) return;
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
  }
  struct Received {
    xcb_window_t window;
    uint32_t message, wparam;
    int32_t lparam;
  };
  // The window messages that arrive within `ms` milliseconds.
  std::vector<Received> Receive(int ms) {
    const xcb_atom_t type = AtomOf(kWindowMessageAtom);
    std::vector<Received> got;
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (std::chrono::steady_clock::now() < end) {
      while (xcb_generic_event_t* e = xcb_poll_for_event(c_)) {
        if ((e->response_type & 0x7f) == XCB_CLIENT_MESSAGE) {
          auto* m = reinterpret_cast<xcb_client_message_event_t*>(e);
          if (m->type == type) {
            got.push_back({m->window, m->data.data32[0], m->data.data32[1],
                           static_cast<int32_t>(m->data.data32[2])});
          }
        }
        std::free(e);
      }
      pollfd p{xcb_get_file_descriptor(c_), POLLIN, 0};
      ::poll(&p, 1, 20);
    }
    return got;
  }
  xcb_atom_t AtomOf(const char* name) {
    auto* r = xcb_intern_atom_reply(c_, xcb_intern_atom(c_, 0, std::strlen(name), name), nullptr);
    const xcb_atom_t atom = r ? r->atom : xcb_atom_t{XCB_ATOM_NONE};
    std::free(r);
    return atom;
  }

  std::string display_;
  xcb_connection_t* c_ = nullptr;
  xcb_window_t root_ = 0;
};

TEST_F(X11WindowMessengerTest, ByClassElseToEveryTopLevelWindow) {
  const xcb_window_t target = Window("panorel", "VTRL_MAINWND");
  const xcb_window_t other = Window("other", "Other");
  WaitUntilManaged(2);
  Receive(100);  // whatever the probes sent

  X11WindowMessenger messenger(display_);
  EXPECT_EQ(messenger.Post("vtrl_mainwnd", 1036, 7, -1), 1);
  std::vector<Received> got = Receive(300);
  ASSERT_EQ(got.size(), 1u);
  EXPECT_EQ(got[0].window, target);
  EXPECT_EQ(got[0].message, 1036u);
  EXPECT_EQ(got[0].wparam, 7u);
  EXPECT_EQ(got[0].lparam, -1);

  // The instance name matches too; a class nobody has goes to every window.
  EXPECT_EQ(messenger.Post("other", 1, 2, 3), 1);
  EXPECT_GE(messenger.Post("NoSuchClass", 0, 0, 1024), 2);
  got = Receive(300);
  int to_target = 0, to_other = 0;
  for (const Received& r : got) {
    if (r.window == target) ++to_target;
    if (r.window == other) ++to_other;
  }
  EXPECT_EQ(to_target, 1);
  EXPECT_EQ(to_other, 2);
}

TEST_F(X11WindowMessengerTest, OnlyOneWindowOfTheClassGetsTheMessage) {
  const xcb_window_t first = Window("panorel", "VTRL_MAINWND");
  const xcb_window_t second = Window("panorel", "VTRL_MAINWND");
  WaitUntilManaged(2);
  Receive(100);

  X11WindowMessenger messenger(display_);
  EXPECT_EQ(messenger.Post("VTRL_MAINWND", 16, 0, 0), 1);
  const std::vector<Received> got = Receive(300);
  ASSERT_EQ(got.size(), 1u);
  EXPECT_TRUE(got[0].window == first || got[0].window == second);
}

TEST(X11WindowMessenger, WithoutADisplayNothingIsPosted) {
  EXPECT_EQ(X11WindowMessenger("").Post("VTRL_MAINWND", 1, 0, 0), 0);
  EXPECT_EQ(X11WindowMessenger(":4095").Post("VTRL_MAINWND", 1, 0, 0), 0);
}

}  // namespace
}  // namespace platform
