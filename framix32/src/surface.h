// 32-bit pixel surfaces (the library's device bitmaps), logical palettes, and the bit-block
// transfers the player combines them with.
#ifndef FRAMIX32_SRC_SURFACE_H_
#define FRAMIX32_SRC_SURFACE_H_

#include <array>
#include <cstdint>
#include <vector>

#include "framix32.h"

struct dzBitmap {
  int width = 0;
  int height = 0;
  std::vector<uint32_t> pixels;  // 0xFFRRGGBB, rows top-down, stride = width
};

struct dzPalette {
  std::vector<dzPaletteEntry> entries;
};

namespace framix32 {

inline constexpr uint32_t kOpaque = 0xFF000000u;
inline constexpr uint32_t kBlack = 0xFF000000u;
inline constexpr uint32_t kWhite = 0xFFFFFFFFu;

// Null when memory runs out.
dzBitmap* NewBitmap(int width, int height);

enum class RasterOp { kCopy, kAnd, kXor };

// Combines source into destination with its top-left corner at (x, y), clipped to the
// destination. The result is always opaque.
void BitBlt(dzBitmap* destination, int x, int y, const dzBitmap& source, RasterOp op);

}  // namespace framix32

#endif  // FRAMIX32_SRC_SURFACE_H_
