#pragma once

#include <cstdint>
#include <string>

#include "browser/page/picture.h"

namespace browser {

// What pages and elements paint on: the window's back buffer in the program, a recording
// canvas in tests. Coordinates are the page's client coordinates; colours 0xRRGGBB.
class Canvas {
 public:
  virtual ~Canvas() = default;

  virtual void FillRect(const Rect& rect, uint32_t rgb) = 0;
  // Stretches the `source` rectangle of `picture` into `target` (nearest pixel).
  virtual void DrawPicture(const Picture& picture, const Rect& source, const Rect& target) = 0;
  // As DrawPicture, through a mask: target = (target AND mask) XOR picture, so white mask
  // pixels keep what lies below where the picture is black.
  virtual void DrawMaskedPicture(const Picture& picture, const Picture& mask, const Rect& source,
                                 const Rect& target) = 0;
  // A push-button panel filling `rect` with `text` centred on one line.
  virtual void DrawButton(const Rect& rect, const std::string& text) = 0;
};

// Rectangle helpers (right and bottom exclusive).
inline bool IsEmpty(const Rect& r) { return r.right <= r.left || r.bottom <= r.top; }
inline bool Intersects(const Rect& a, const Rect& b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}
inline bool Contains(const Rect& r, Point p) {
  return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom;
}

}  // namespace browser
