#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "browser/page/picture.h"

namespace browser {

// A window shape as rectangles of one row each (right and bottom exclusive), in the order
// they were found: rows from the top, runs from the left.
struct Region {
  std::vector<Rect> rects;
  Rect bounds;  // of all rectangles; empty (all 0) for an empty region
};

// The inclusive range of each colour byte that counts as the key colour.
struct KeyRange {
  uint8_t low[3];   // blue, green, red
  uint8_t high[3];
  bool Contains(uint32_t pixel) const;
};

// The range of a page's key colour and tolerance as a region is built from them: byte k (k =
// 0, 1, 2: blue, green, red of 0x00RRGGBB) runs from byte k of `key` to byte k of key plus
// byte k of tolerance, capped at 255.
KeyRange MakeKeyRange(uint32_t key, uint32_t tolerance);

// A transparent page's stored key colour: the tolerance is clamped to at most 0xD0D0D0 (as a
// whole number) and each colour byte b of transColor is lowered by half the tolerance's
// lowest byte t (not below 0) and to at most 255 - t, so that the range key..key+t is centred
// on the author's colour. Answers the adjusted key and the clamped tolerance.
struct PageKey {
  uint32_t key;
  uint32_t tolerance;
};
PageKey AdjustPageKey(int32_t trans_color, int32_t tolerance);

// A region must stay in proportion to what it shapes: building gives up (answers nothing)
// once it would hold more rectangles than this, and the window then keeps its rectangle.
inline constexpr size_t kMaxRegionRects = size_t{4} << 20;

// The region of the pixels of `picture`, stretched to `size` (StretchSource, as the page's
// background is drawn), that lie outside the key range: every maximal run of such pixels in
// a row becomes one rectangle. Nothing when the size is empty or the region would exceed
// kMaxRegionRects. The stretched picture is never made: rows are sampled as they are scanned.
std::optional<Region> BuildRegion(const Picture& picture, Size size, const KeyRange& range);

}  // namespace browser
