// 32-bit pixel surfaces (the library's device bitmaps) and logical palettes.
#ifndef FRAMIX32_SRC_SURFACE_H_
#define FRAMIX32_SRC_SURFACE_H_

#include <cstdint>
#include <vector>

#include "framix32.h"

// One allocation holds the bitmap and its pixels, which follow it.
struct dzBitmap {
  int width = 0;
  int height = 0;
  uint32_t* pixels = nullptr;  // 0xFFRRGGBB, rows top-down, stride = width
};

struct dzPalette {
  std::vector<dzPaletteEntry> entries;
};

namespace framix32 {

inline constexpr uint32_t kOpaque = 0xFF000000u;
inline constexpr uint32_t kBlack = 0xFF000000u;
inline constexpr uint32_t kWhite = 0xFFFFFFFFu;

// A bitmap whose pixels the caller writes, every one of them, with spare bytes after them
// for the caller's own use while it does; null when memory runs out.
dzBitmap* NewBitmap(int width, int height, size_t spare_bytes = 0);

}  // namespace framix32

#endif  // FRAMIX32_SRC_SURFACE_H_
