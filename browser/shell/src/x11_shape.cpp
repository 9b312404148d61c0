#include "browser/shell/x11_shape.h"

#include <xcb/shape.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace browser::shell {
namespace {

int16_t Coordinate(int32_t v) {
  return static_cast<int16_t>(std::clamp<int32_t>(v, INT16_MIN, INT16_MAX));
}

bool HasShapeExtension(xcb_connection_t* connection) {
  const xcb_query_extension_reply_t* ext = xcb_get_extension_data(connection, &xcb_shape_id);
  return ext != nullptr && ext->present;
}

// Waits for the request's answer: an error (a rejected rectangle list, say) comes back here.
bool Checked(xcb_connection_t* connection, xcb_void_cookie_t cookie) {
  xcb_generic_error_t* error = xcb_request_check(connection, cookie);
  if (error == nullptr) return true;
  std::free(error);
  return false;
}

}  // namespace

std::vector<std::vector<xcb_rectangle_t>> ShapeChunks(const Region& region, size_t chunk) {
  chunk = std::max<size_t>(chunk, 1);
  std::vector<std::vector<xcb_rectangle_t>> chunks(1);
  for (const Rect& r : region.rects) {
    const int16_t left = Coordinate(r.left);
    const int16_t top = Coordinate(r.top);
    const int32_t width = Coordinate(r.right) - left;
    const int32_t height = Coordinate(r.bottom) - top;
    if (width <= 0 || height <= 0) continue;
    if (chunks.back().size() == chunk) chunks.emplace_back();
    chunks.back().push_back({left, top, static_cast<uint16_t>(width),
                             static_cast<uint16_t>(height)});
  }
  return chunks;
}

bool SetWindowShape(xcb_connection_t* connection, xcb_window_t window, const Region* region) {
  if (connection == nullptr || window == XCB_WINDOW_NONE || !HasShapeExtension(connection)) {
    return false;
  }
  const auto chunks = region != nullptr ? ShapeChunks(*region)
                                         : std::vector<std::vector<xcb_rectangle_t>>{};
  bool ok = true;
  for (const xcb_shape_kind_t kind : {XCB_SHAPE_SK_BOUNDING, XCB_SHAPE_SK_INPUT}) {
    if (region == nullptr) {
      // No mask: the window gets its whole rectangle back.
      ok &= Checked(connection, xcb_shape_mask_checked(connection, XCB_SHAPE_SO_SET, kind, window,
                                                       0, 0, XCB_PIXMAP_NONE));
      continue;
    }
    for (size_t i = 0; i < chunks.size(); ++i) {
      const xcb_shape_op_t op = i == 0 ? XCB_SHAPE_SO_SET : XCB_SHAPE_SO_UNION;
      ok &= Checked(connection,
                    xcb_shape_rectangles_checked(
                        connection, op, kind, XCB_CLIP_ORDERING_UNSORTED, window, 0, 0,
                        static_cast<uint32_t>(chunks[i].size()), chunks[i].data()));
    }
  }
  return ok;
}

}  // namespace browser::shell
