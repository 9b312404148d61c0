#include "surface.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <type_traits>
#include <new>

namespace framix32 {

namespace {
// The pixels start this far into the allocation, aligned for any type.
constexpr size_t kPixelsAt = 64;
static_assert(sizeof(dzBitmap) <= kPixelsAt && kPixelsAt % alignof(std::max_align_t) == 0);
}  // namespace

dzBitmap* NewBitmap(int width, int height, size_t spare_bytes) {
  const size_t pixels = static_cast<size_t>(width) * static_cast<size_t>(height);
  if (width < 0 || height < 0 || pixels > (SIZE_MAX - kPixelsAt - spare_bytes) / sizeof(uint32_t)) {
    return nullptr;
  }
  void* memory = std::malloc(kPixelsAt + pixels * sizeof(uint32_t) + spare_bytes);
  if (memory == nullptr) return nullptr;
  auto* bitmap = new (memory) dzBitmap;
  bitmap->width = width;
  bitmap->height = height;
  bitmap->pixels = reinterpret_cast<uint32_t*>(static_cast<uint8_t*>(memory) + kPixelsAt);
  return bitmap;
}

}  // namespace framix32

extern "C" {

FRAMIX32_API int dzBitmapWidth(HBITMAP bitmap) { return bitmap == nullptr ? 0 : bitmap->width; }

FRAMIX32_API int dzBitmapHeight(HBITMAP bitmap) { return bitmap == nullptr ? 0 : bitmap->height; }

FRAMIX32_API const uint32_t* dzBitmapPixels(HBITMAP bitmap) {
  return bitmap == nullptr ? nullptr : bitmap->pixels;
}

FRAMIX32_API void dzDeleteBitmap(HBITMAP bitmap) {
  static_assert(std::is_trivially_destructible_v<dzBitmap>);
  std::free(bitmap);
}

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
