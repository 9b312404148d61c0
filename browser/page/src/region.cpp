#include "browser/page/region.h"

#include <algorithm>

#include "browser/page/stretch.h"

namespace browser {

bool KeyRange::Contains(uint32_t pixel) const {
  for (int k = 0; k < 3; ++k) {
    const uint8_t b = static_cast<uint8_t>(pixel >> (8 * k));
    if (b < low[k] || b > high[k]) return false;
  }
  return true;
}

KeyRange MakeKeyRange(uint32_t key, uint32_t tolerance) {
  KeyRange range{};
  for (int k = 0; k < 3; ++k) {
    const uint32_t low = (key >> (8 * k)) & 0xFF;
    const uint32_t spread = (tolerance >> (8 * k)) & 0xFF;
    range.low[k] = static_cast<uint8_t>(low);
    range.high[k] = static_cast<uint8_t>(std::min<uint32_t>(low + spread, 255));
  }
  return range;
}

PageKey AdjustPageKey(int32_t trans_color, int32_t tolerance) {
  // The clamp compares whole numbers: a negative tolerance stays as it is and reads as its
  // low bytes below.
  const int32_t clamped = std::min<int32_t>(tolerance, 0xD0D0D0);
  const uint32_t t = static_cast<uint32_t>(clamped) & 0xFF;
  uint32_t key = static_cast<uint32_t>(trans_color);
  for (int k = 0; k < 3; ++k) {
    const int shift = 8 * k;
    uint32_t b = (key >> shift) & 0xFF;
    b = b < t / 2 ? 0 : b - t / 2;
    if (b > 255 - t) b = 255 - t;
    key = (key & ~(0xFFu << shift)) | (b << shift);
  }
  return {key, static_cast<uint32_t>(clamped)};
}

std::optional<Region> BuildRegion(const Picture& picture, Size size, const KeyRange& range) {
  if (picture.empty() || size.width <= 0 || size.height <= 0) return std::nullopt;
  // Source column of every target column, as a nearest-pixel stretch picks it.
  std::vector<int32_t> columns(static_cast<size_t>(size.width));
  for (int32_t x = 0; x < size.width; ++x) {
    columns[static_cast<size_t>(x)] = StretchSource(x, picture.width(), size.width);
  }
  Region region;
  std::vector<bool> opaque(static_cast<size_t>(size.width));
  int32_t previous_source_row = -1;
  for (int32_t y = 0; y < size.height; ++y) {
    const int32_t sy = StretchSource(y, picture.height(), size.height);
    if (sy != previous_source_row) {
      const uint32_t* row = picture.Row(sy);
      for (int32_t x = 0; x < size.width; ++x) {
        opaque[static_cast<size_t>(x)] = !range.Contains(row[columns[static_cast<size_t>(x)]]);
      }
      previous_source_row = sy;
    }
    int32_t x = 0;
    while (x < size.width) {
      while (x < size.width && !opaque[static_cast<size_t>(x)]) ++x;
      if (x == size.width) break;
      const int32_t start = x;
      while (x < size.width && opaque[static_cast<size_t>(x)]) ++x;
      if (region.rects.size() == kMaxRegionRects) return std::nullopt;
      region.rects.push_back({start, y, x, y + 1});
    }
  }
  if (!region.rects.empty()) {
    Rect& b = region.bounds;
    b = region.rects.front();
    for (const Rect& r : region.rects) {
      b.left = std::min(b.left, r.left);
      b.right = std::max(b.right, r.right);
      b.bottom = std::max(b.bottom, r.bottom);
    }
  }
  return region;
}

}  // namespace browser
