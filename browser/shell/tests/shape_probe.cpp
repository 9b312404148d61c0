// panorel_shape_probe WINDOW [bounding|input]: prints the SHAPE extension's rectangles of an
// X11 window (decimal or 0x... id) as "rects COUNT bounds LEFT TOP RIGHT BOTTOM shaped 0|1",
// right and bottom exclusive. An unshaped window prints its own rectangle with shaped 0.
#include <xcb/shape.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: panorel_shape_probe WINDOW [bounding|input]\n");
    return 2;
  }
  const auto window = static_cast<xcb_window_t>(std::strtoul(argv[1], nullptr, 0));
  const bool input = argc > 2 && std::strcmp(argv[2], "input") == 0;
  xcb_connection_t* c = xcb_connect(nullptr, nullptr);
  if (xcb_connection_has_error(c)) {
    std::fprintf(stderr, "panorel_shape_probe: no X display\n");
    return 1;
  }
  xcb_shape_query_extents_reply_t* extents =
      xcb_shape_query_extents_reply(c, xcb_shape_query_extents(c, window), nullptr);
  if (extents == nullptr) {
    std::fprintf(stderr, "panorel_shape_probe: no window %s\n", argv[1]);
    return 1;
  }
  const bool shaped = input ? true : extents->bounding_shaped;
  std::free(extents);
  xcb_shape_get_rectangles_reply_t* reply = xcb_shape_get_rectangles_reply(
      c, xcb_shape_get_rectangles(c, window, input ? XCB_SHAPE_SK_INPUT : XCB_SHAPE_SK_BOUNDING),
      nullptr);
  if (reply == nullptr) {
    std::fprintf(stderr, "panorel_shape_probe: the shape cannot be read\n");
    return 1;
  }
  const xcb_rectangle_t* rects = xcb_shape_get_rectangles_rectangles(reply);
  const int count = xcb_shape_get_rectangles_rectangles_length(reply);
  long left = LONG_MAX, top = LONG_MAX, right = LONG_MIN, bottom = LONG_MIN;
  long area = 0;
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
  xcb_disconnect(c);
  return 0;
}
