#include "dib.h"

#include <algorithm>
#include <array>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "global_memory.h"

namespace framix32 {
namespace {

void Put16(uint8_t* p, uint32_t v) {
  p[0] = static_cast<uint8_t>(v);
  p[1] = static_cast<uint8_t>(v >> 8);
}
void Put32(uint8_t* p, uint32_t v) {
  Put16(p, v);
  Put16(p + 2, v >> 16);
}
uint32_t Get16(const uint8_t* p) { return p[0] | (p[1] << 8); }
uint32_t Get32(const uint8_t* p) { return Get16(p) | (Get16(p + 2) << 16); }
uint64_t Load64(const uint8_t* p) {
  uint64_t v;
  std::memcpy(&v, p, 8);  // little-endian host
  return v;
}

#if defined(__SSE2__)
// Each byte with its bits in the reverse order.
constexpr std::array<uint8_t, 256> kReversedBits = [] {
  std::array<uint8_t, 256> table{};
  for (int v = 0; v < 256; ++v) {
    for (int bit = 0; bit < 8; ++bit) {
      if ((v >> bit) & 1) table[v] = static_cast<uint8_t>(table[v] | (0x80 >> bit));
    }
  }
  return table;
}();

// Sixteen indices at a time into two bytes of one bit a pixel; returns how many it packed.
// The shift brings each byte's low bit to its top bit, where the mask collects it, pixel i
// at bit i: the leftmost pixel belongs in the top bit, so each byte is turned round.
uint32_t PackOneBitBlocks(const uint8_t* indices, uint32_t width, uint8_t* row) {
  uint32_t x = 0;
  for (; x + 16 <= width; x += 16, row += 2) {
    const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(indices + x));
    const unsigned bits = static_cast<unsigned>(_mm_movemask_epi8(_mm_slli_epi16(block, 7)));
    row[0] = kReversedBits[bits & 0xFF];
    row[1] = kReversedBits[bits >> 8];
  }
  return x;
}

// Sixteen indices at a time into eight bytes of four bits a pixel: in each 16-bit lane the
// first index's low nibble goes to the top of the low byte and the second's below it, then the
// lanes' low bytes close up.
uint32_t PackFourBitBlocks(const uint8_t* indices, uint32_t width, uint8_t* row) {
  const __m128i nibbles = _mm_set1_epi8(0x0F);
  const __m128i low_bytes = _mm_set1_epi16(0x00FF);
  uint32_t x = 0;
  for (; x + 16 <= width; x += 16, row += 8) {
    const __m128i block = _mm_and_si128(
        _mm_loadu_si128(reinterpret_cast<const __m128i*>(indices + x)), nibbles);
    const __m128i pairs = _mm_and_si128(
        _mm_or_si128(_mm_slli_epi16(block, 4), _mm_srli_epi16(block, 8)), low_bytes);
    _mm_storel_epi64(reinterpret_cast<__m128i*>(row), _mm_packus_epi16(pairs, pairs));
  }
  return x;
}
#else
uint32_t PackOneBitBlocks(const uint8_t*, uint32_t, uint8_t*) { return 0; }
uint32_t PackFourBitBlocks(const uint8_t*, uint32_t, uint8_t*) { return 0; }
#endif

}  // namespace

int BitCountForTableBits(int table_bits) {
  if (table_bits <= 1) return 1;
  return table_bits <= 4 ? 4 : 8;
}

size_t RowBytes(int bit_count, uint32_t width) {
  return (static_cast<size_t>(bit_count) * width + 31) / 32 * 4;
}

void StoreHeader(const DibHeader& h, uint8_t* out) {
  Put32(out, h.size);
  Put32(out + 4, static_cast<uint32_t>(h.width));
  Put32(out + 8, static_cast<uint32_t>(h.height));
  Put16(out + 12, h.planes);
  Put16(out + 14, h.bit_count);
  Put32(out + 16, h.compression);
  Put32(out + 20, h.size_image);
  Put32(out + 24, static_cast<uint32_t>(h.x_pels_per_meter));
  Put32(out + 28, static_cast<uint32_t>(h.y_pels_per_meter));
  Put32(out + 32, h.clr_used);
  Put32(out + 36, h.clr_important);
}

DibHeader LoadHeader(const uint8_t* in) {
  DibHeader h;
  h.size = Get32(in);
  h.width = static_cast<int32_t>(Get32(in + 4));
  h.height = static_cast<int32_t>(Get32(in + 8));
  h.planes = static_cast<uint16_t>(Get16(in + 12));
  h.bit_count = static_cast<uint16_t>(Get16(in + 14));
  h.compression = Get32(in + 16);
  h.size_image = Get32(in + 20);
  h.x_pels_per_meter = static_cast<int32_t>(Get32(in + 24));
  h.y_pels_per_meter = static_cast<int32_t>(Get32(in + 28));
  h.clr_used = Get32(in + 32);
  h.clr_important = Get32(in + 36);
  return h;
}

HGLOBAL AllocateDib(uint32_t width, uint32_t height, const ColorTable& colors, bool with_pixels,
                    size_t spare, bool pixels_unset) {
  const int bit_count = BitCountForTableBits(colors.bits);
  const uint32_t entries = 1u << bit_count;
  const size_t pixel_bytes = with_pixels ? RowBytes(bit_count, width) * height : 0;
  const size_t head_bytes = kInfoHeaderSize + entries * 4;
  HGLOBAL block = AllocateBlock(head_bytes + pixel_bytes, spare,
                                pixels_unset ? head_bytes : head_bytes + pixel_bytes);
  if (block == nullptr) return nullptr;
  auto* bytes = static_cast<uint8_t*>(dzGlobalLock(block));
  DibHeader header;
  header.width = static_cast<int32_t>(width);
  header.height = static_cast<int32_t>(height);
  header.bit_count = static_cast<uint16_t>(bit_count);
  header.size_image = static_cast<uint32_t>(pixel_bytes);
  header.clr_used = header.clr_important = entries;
  StoreHeader(header, bytes);
  // The GIF table supplies its 2^bits entries; any further entries stay zero.
  const uint32_t supplied = std::min(entries, 1u << colors.bits);
  uint8_t* quad = bytes + kInfoHeaderSize;
  for (uint32_t i = 0; i < supplied; ++i, quad += 4) {
    quad[0] = colors.rgb[i * 3 + 2];
    quad[1] = colors.rgb[i * 3 + 1];
    quad[2] = colors.rgb[i * 3];
  }
  dzGlobalUnlock(block);
  return block;
}

void PackRow(const uint8_t* indices, uint32_t width, int bit_count, uint8_t* row) {
  if (width == 0) return;  // an empty row may have no storage at all
  uint32_t x = 0;
  switch (bit_count) {
    case 8:
      std::memcpy(row, indices, width);
      break;
    case 4:
      x = PackFourBitBlocks(indices, width, row);
      row += x / 2;
      // Eight indices at a time: each pair's low nibbles meet in one byte of a 16-bit lane,
      // then the lanes' low bytes close up.
      for (; x + 8 <= width; x += 8, row += 4) {
        const uint64_t w = Load64(indices + x) & 0x0F0F0F0F0F0F0F0Full;
        uint64_t u = ((w << 4) | (w >> 8)) & 0x00FF00FF00FF00FFull;
        u = (u | u >> 8) & 0x0000FFFF0000FFFFull;
        u = (u | u >> 16) & 0xFFFFFFFFull;
        const uint32_t packed = static_cast<uint32_t>(u);
        std::memcpy(row, &packed, 4);
      }
      for (; x + 1 < width; x += 2) {
        *row++ = static_cast<uint8_t>((indices[x] << 4) | (indices[x + 1] & 0x0F));
      }
      if (x < width) *row = static_cast<uint8_t>(indices[x] << 4);
      break;
    case 1:
      x = PackOneBitBlocks(indices, width, row);
      row += x / 8;
      // Eight indices at a time: the multiplication moves the low bit of byte i to bit 63 - i
      // (no two partial products meet, so nothing carries).
      for (; x + 8 <= width; x += 8) {
        const uint64_t w = Load64(indices + x) & 0x0101010101010101ull;
        *row++ = static_cast<uint8_t>((w * 0x8040201008040201ull) >> 56);
      }
      if (x < width) {
        uint8_t byte = 0;
        for (uint32_t i = 0; x + i < width; ++i) {
          byte |= static_cast<uint8_t>((indices[x + i] & 1) << (7 - i));
        }
        *row = byte;
      }
      break;
  }
}

void UnpackRow(const uint8_t* row, uint32_t width, int bit_count, uint8_t* indices) {
  if (width == 0) return;
  if (bit_count == 8) {
    std::memcpy(indices, row, width);
    return;
  }
  const int per_byte = 8 / bit_count;
  const uint8_t mask = static_cast<uint8_t>((1u << bit_count) - 1);
  for (uint32_t x = 0; x < width; ++x) {
    const int shift = 8 - bit_count * (static_cast<int>(x % per_byte) + 1);
    indices[x] = static_cast<uint8_t>((row[x / per_byte] >> shift) & mask);
  }
}

}  // namespace framix32
