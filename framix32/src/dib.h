// Packed device-independent bitmaps: BITMAPINFOHEADER, palette, bottom-up padded rows.
#ifndef FRAMIX32_SRC_DIB_H_
#define FRAMIX32_SRC_DIB_H_

#include <cstddef>
#include <cstdint>

#include "framix32.h"
#include "gif_stream.h"

namespace framix32 {

inline constexpr size_t kInfoHeaderSize = 40;

struct DibHeader {
  uint32_t size = kInfoHeaderSize;
  int32_t width = 0;
  int32_t height = 0;
  uint16_t planes = 1;
  uint16_t bit_count = 0;
  uint32_t compression = 0;
  uint32_t size_image = 0;
  int32_t x_pels_per_meter = 0;
  int32_t y_pels_per_meter = 0;
  uint32_t clr_used = 0;
  uint32_t clr_important = 0;
};

// 1 for a 2-colour table, 4 for 4 to 16 colours, 8 for 32 to 256.
int BitCountForTableBits(int table_bits);
// Bytes per row: bit_count * width rounded up to whole 32-bit words.
size_t RowBytes(int bit_count, uint32_t width);

void StoreHeader(const DibHeader& header, uint8_t* out);
DibHeader LoadHeader(const uint8_t* in);

// A zeroed block with header and palette for a width x height image and the colour table,
// plus room for the pixel array when with_pixels. Null when memory runs out.
// spare bytes after the block are the library's to scribble on while it fills the pixels.
// With pixels_unset, the pixel array is left as the allocator gives it, for a caller that
// writes every byte of it.
HGLOBAL AllocateDib(uint32_t width, uint32_t height, const ColorTable& colors, bool with_pixels,
                    size_t spare = 0, bool pixels_unset = false);

// Packs one index per pixel into a row of 1, 4 or 8 bits per pixel (indices are cut to the
// bit count, so a stray index cannot spill into its neighbours).
void PackRow(const uint8_t* indices, uint32_t width, int bit_count, uint8_t* row);
// The reverse, for 1, 2, 4 and 8 bits per pixel.
void UnpackRow(const uint8_t* row, uint32_t width, int bit_count, uint8_t* indices);

}  // namespace framix32

#endif  // FRAMIX32_SRC_DIB_H_
