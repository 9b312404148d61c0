#pragma once

#include <xcb/xcb.h>

#include <cstddef>
#include <vector>

#include "browser/page/region.h"

namespace browser::shell {

// Window shapes through the X11 SHAPE extension. One ShapeRectangles request carries at most
// 32,765 rectangles (the core request length) and the server silently drops a longer one, so
// a region goes out in chunks: the first replaces the shape (ShapeSet), every further one is
// added to it (ShapeUnion).
inline constexpr size_t kShapeChunkRects = 16000;

// The rectangles of `region` as the requests will carry them: each chunk at most `chunk`
// rectangles, coordinates clamped to X11's 16-bit range, empty rectangles left out. An empty
// region gives one empty chunk (the window then shows nothing).
std::vector<std::vector<xcb_rectangle_t>> ShapeChunks(const Region& region,
                                                      size_t chunk = kShapeChunkRects);

// Sets the bounding and input shapes of `window` to `region` (window coordinates), or removes
// both shapes for nullptr. False when the server has no SHAPE extension or a request failed.
bool SetWindowShape(xcb_connection_t* connection, xcb_window_t window, const Region* region);

}  // namespace browser::shell
