#pragma once

#include <algorithm>
#include <climits>
#include <cstdint>
#include <optional>
#include <string>

#include "browser/page/picture.h"

namespace browser {

// How a text element's font looks. `pixel_height` is the character height in pixels (a font
// size in points at the screen's resolution).
struct TextStyle {
  std::string face = "Arial";
  int32_t pixel_height = 13;
  int32_t weight = 400;  // 100 thin to 900 black; 400 normal, 700 bold
  bool italic = false;
  bool underline = false;
  bool strike_out = false;
  uint32_t rgb = 0;  // 0xRRGGBB
};

// Where a text sits in its bounds. Texts are never clipped to the bounds and "&" is no
// mnemonic prefix.
struct TextFormat {
  enum class Horizontal { kLeft, kCenter, kRight };
  enum class Vertical { kTop, kCenter, kBottom };
  Horizontal horizontal = Horizontal::kLeft;
  Vertical vertical = Vertical::kTop;  // only for a single line
  bool single_line = false;            // otherwise words wrap at the bounds' width
};

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

  // Blends `rgb` into the pixels already drawn in `rect`: each channel becomes
  // BlendChannel(old, new, alpha).
  virtual void BlendRect(const Rect& rect, uint32_t rgb, int32_t alpha) {
    (void)rect, (void)rgb, (void)alpha;
  }
  // The size `text` takes laid out in `bounds` (its width for word breaks); and the text
  // drawn there, over an opaque `background` (0xRRGGBB) when one is given.
  virtual Size MeasureText(const Rect& bounds, const std::string& text, const TextStyle& style,
                           const TextFormat& format) {
    (void)bounds, (void)text, (void)style, (void)format;
    return {0, 0};
  }
  virtual void DrawText(const Rect& bounds, const std::string& text, const TextStyle& style,
                        const TextFormat& format, std::optional<uint32_t> background) {
    (void)bounds, (void)text, (void)style, (void)format, (void)background;
  }
};

// Draws `picture` through `mask` when there is one, else plainly.
void DrawWithMask(Canvas& canvas, const Picture& picture, const Picture* mask,
                  const Rect& source, const Rect& target);

// One colour channel of a blend: (alpha x (new - old) + old x 256) / 256 in integers (a
// shift by 8), kept within 0 to 255.
int32_t BlendChannel(int32_t old_value, int32_t new_value, int32_t alpha);

// Rectangle helpers (right and bottom exclusive).
inline bool IsEmpty(const Rect& r) { return r.right <= r.left || r.bottom <= r.top; }
inline bool Intersects(const Rect& a, const Rect& b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}
inline bool Contains(const Rect& r, Point p) {
  return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom;
}
// The rectangle of that size at (x, y), its far edges worked out in 64 bits and cut to the
// 32-bit range: a document's coordinates near the limits must not overflow.
inline Rect RectAt(int32_t x, int32_t y, int64_t width, int64_t height) {
  auto clamp = [](int64_t v) {
    return static_cast<int32_t>(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX));
  };
  return {x, y, clamp(int64_t{x} + width), clamp(int64_t{y} + height)};
}

}  // namespace browser
