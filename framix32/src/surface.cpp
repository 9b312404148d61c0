#include "surface.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace framix32 {

dzBitmap* NewBitmap(int width, int height, size_t spare_bytes) {
  auto* bitmap = new (std::nothrow) dzBitmap;
  if (bitmap == nullptr) return nullptr;
  const size_t spare = (spare_bytes + sizeof(uint32_t) - 1) / sizeof(uint32_t);
  bitmap->pixels.reset(new (std::nothrow) uint32_t[static_cast<size_t>(width) * height + spare]);
  if (bitmap->pixels == nullptr) {
    delete bitmap;
    return nullptr;
  }
  bitmap->width = width;
  bitmap->height = height;
  return bitmap;
}

}  // namespace framix32

extern "C" {

FRAMIX32_API int dzBitmapWidth(HBITMAP bitmap) { return bitmap == nullptr ? 0 : bitmap->width; }

FRAMIX32_API int dzBitmapHeight(HBITMAP bitmap) { return bitmap == nullptr ? 0 : bitmap->height; }

FRAMIX32_API const uint32_t* dzBitmapPixels(HBITMAP bitmap) {
  return bitmap == nullptr ? nullptr : bitmap->pixels.get();
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
