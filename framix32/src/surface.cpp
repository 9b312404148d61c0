#include "surface.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace framix32 {

dzBitmap* NewBitmap(int width, int height) {
  auto* bitmap = new (std::nothrow) dzBitmap;
  if (bitmap == nullptr) return nullptr;
  try {
    bitmap->pixels.assign(static_cast<size_t>(width) * height, kBlack);
  } catch (const std::bad_alloc&) {
    delete bitmap;
    return nullptr;
  }
  bitmap->width = width;
  bitmap->height = height;
  return bitmap;
}

void BitBlt(dzBitmap* destination, int x, int y, const dzBitmap& source, RasterOp op) {
  const int left = std::max(x, 0);
  const int top = std::max(y, 0);
  const int right = std::min(x + source.width, destination->width);
  const int bottom = std::min(y + source.height, destination->height);
  if (left >= right || top >= bottom) return;
  const size_t count = static_cast<size_t>(right - left);
  for (int row = top; row < bottom; ++row) {
    uint32_t* dst = destination->pixels.data() + static_cast<size_t>(row) * destination->width + left;
    const uint32_t* src =
        source.pixels.data() + static_cast<size_t>(row - y) * source.width + (left - x);
    switch (op) {
      case RasterOp::kCopy:
        std::memcpy(dst, src, count * sizeof(uint32_t));
        break;
      case RasterOp::kAnd:
        for (size_t i = 0; i < count; ++i) dst[i] = (dst[i] & src[i]) | kOpaque;
        break;
      case RasterOp::kXor:
        for (size_t i = 0; i < count; ++i) dst[i] = (dst[i] ^ src[i]) | kOpaque;
        break;
    }
  }
}

}  // namespace framix32

extern "C" {

FRAMIX32_API int dzBitmapWidth(HBITMAP bitmap) { return bitmap == nullptr ? 0 : bitmap->width; }

FRAMIX32_API int dzBitmapHeight(HBITMAP bitmap) { return bitmap == nullptr ? 0 : bitmap->height; }

FRAMIX32_API const uint32_t* dzBitmapPixels(HBITMAP bitmap) {
  return bitmap == nullptr ? nullptr : bitmap->pixels.data();
}

FRAMIX32_API void dzDeleteBitmap(HBITMAP bitmap) { delete bitmap; }

FRAMIX32_API int dzGetPaletteEntries(HPALETTE palette, dzPaletteEntry* entries, int count) {
  if (palette == nullptr) return 0;
  const int size = static_cast<int>(palette->entries.size());
  if (entries != nullptr && count > 0) {
    std::memcpy(entries, palette->entries.data(), sizeof(dzPaletteEntry) * std::min(count, size));
  }
  return size;
}

FRAMIX32_API void dzDeletePalette(HPALETTE palette) { delete palette; }

}  // extern "C"
