// panorel_x11_probe: what the end-to-end tests read from and set on the X server.
//   shape WINDOW [bounding|input]   prints "rects COUNT bounds LEFT TOP RIGHT BOTTOM area PIXELS
//                                   shaped 0|1" for the SHAPE extension's rectangles of the
//                                   window (decimal or 0x... id; right and bottom exclusive).
//                                   An unshaped window prints its own rectangle, shaped 0.
//   root-colour RRGGBB              paints the root window in one colour (a backdrop that
//                                   screen captures must show)
//   close WINDOW                    sends the window WM_DELETE_WINDOW, as a window manager
//                                   does for its close button or Alt+F4 (ICCCM 4.2.8.1)
#include <xcb/shape.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

int Usage() {
  std::fprintf(stderr,
               "usage: panorel_x11_probe shape WINDOW [bounding|input]\n"
               "       panorel_x11_probe root-colour RRGGBB\n"
               "       panorel_x11_probe close WINDOW\n");
  return 2;
}

int PrintShape(xcb_connection_t* c, xcb_window_t window, bool input) {
  xcb_shape_query_extents_reply_t* extents =
      xcb_shape_query_extents_reply(c, xcb_shape_query_extents(c, window), nullptr);
  if (extents == nullptr) {
    std::fprintf(stderr, "panorel_x11_probe: no window 0x%x\n", window);
    return 1;
  }
  const bool shaped = input ? extents->clip_shaped || extents->bounding_shaped
                            : extents->bounding_shaped;
  std::free(extents);
  const xcb_shape_kind_t kind = input ? XCB_SHAPE_SK_INPUT : XCB_SHAPE_SK_BOUNDING;
  xcb_shape_get_rectangles_reply_t* reply =
      xcb_shape_get_rectangles_reply(c, xcb_shape_get_rectangles(c, window, kind), nullptr);
  if (reply == nullptr) {
    std::fprintf(stderr, "panorel_x11_probe: the shape cannot be read\n");
    return 1;
  }
  const xcb_rectangle_t* rects = xcb_shape_get_rectangles_rectangles(reply);
  const int count = xcb_shape_get_rectangles_rectangles_length(reply);
  long left = LONG_MAX, top = LONG_MAX, right = LONG_MIN, bottom = LONG_MIN, area = 0;
  for (int i = 0; i < count; ++i) {
    left = std::min<long>(left, rects[i].x);
    top = std::min<long>(top, rects[i].y);
    right = std::max<long>(right, rects[i].x + rects[i].width);
    bottom = std::max<long>(bottom, rects[i].y + rects[i].height);
    area += long{rects[i].width} * rects[i].height;
  }
  if (count == 0) left = top = right = bottom = 0;
  std::printf("rects %d bounds %ld %ld %ld %ld area %ld shaped %d\n", count, left, top, right,
              bottom, area, shaped ? 1 : 0);
  std::free(reply);
  return 0;
}

int PaintRoot(xcb_connection_t* c, int screen_number, uint32_t rgb) {
  const xcb_setup_t* setup = xcb_get_setup(c);
  xcb_screen_iterator_t it = xcb_setup_roots_iterator(setup);
  for (int i = 0; i < screen_number && it.rem > 0; ++i) xcb_screen_next(&it);
  const xcb_window_t root = it.data->root;
  // A 24-bit TrueColor root (Xvfb's) takes the pixel value as 0xRRGGBB.
  xcb_change_window_attributes(c, root, XCB_CW_BACK_PIXEL, &rgb);
  xcb_clear_area(c, 0, root, 0, 0, 0, 0);
  std::free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));
  return 0;
}

xcb_atom_t Atom(xcb_connection_t* c, const char* name) {
  xcb_intern_atom_reply_t* r = xcb_intern_atom_reply(
      c, xcb_intern_atom(c, 0, static_cast<uint16_t>(std::strlen(name)), name), nullptr);
  const xcb_atom_t atom = r != nullptr ? r->atom : xcb_atom_t{XCB_ATOM_NONE};
  std::free(r);
  return atom;
}

int SendDeleteWindow(xcb_connection_t* c, xcb_window_t window) {
  xcb_client_message_event_t message{};
  message.response_type = XCB_CLIENT_MESSAGE;
  message.format = 32;
  message.window = window;
  message.type = Atom(c, "WM_PROTOCOLS");
  message.data.data32[0] = Atom(c, "WM_DELETE_WINDOW");
  message.data.data32[1] = XCB_CURRENT_TIME;
  xcb_send_event(c, 0, window, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char*>(&message));
  std::free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) return Usage();
  int screen_number = 0;
  xcb_connection_t* c = xcb_connect(nullptr, &screen_number);
  if (xcb_connection_has_error(c)) {
    std::fprintf(stderr, "panorel_x11_probe: no X display\n");
    return 1;
  }
  int status = 0;
  if (std::strcmp(argv[1], "shape") == 0) {
    const auto window = static_cast<xcb_window_t>(std::strtoul(argv[2], nullptr, 0));
    status = PrintShape(c, window, argc > 3 && std::strcmp(argv[3], "input") == 0);
  } else if (std::strcmp(argv[1], "root-colour") == 0) {
    status = PaintRoot(c, screen_number, static_cast<uint32_t>(std::strtoul(argv[2], nullptr, 16)));
  } else if (std::strcmp(argv[1], "close") == 0) {
    status = SendDeleteWindow(c, static_cast<xcb_window_t>(std::strtoul(argv[2], nullptr, 0)));
  } else {
    status = Usage();
  }
  xcb_disconnect(c);
  return status;
}
