#include "widen.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "surface.h"

namespace framix32 {
namespace {

#if defined(__SSE2__)
// Sixteen pixels at a time: the colours one by one (loads and stores are what limits this, and
// plain ones keep up with gathering instructions), the mask from one comparison. The block of
// indices is in a register before any of its pixels is stored, and those pixels end at byte
// 4 * (i + 16), which for i + 16 <= count lies no further than the first index after the block
// when indices share image's last quarter.
size_t WidenBlocks(const uint8_t* indices, size_t count, const uint32_t lookup[256],
                   uint8_t key, uint32_t* image, uint32_t* mask) {
  const __m128i keys = _mm_set1_epi8(static_cast<char>(key));
  const __m128i black = _mm_set1_epi32(static_cast<int>(kBlack));
  size_t i = 0;
  for (; i + 16 <= count; i += 16) {
    const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(indices + i));
    for (size_t k = i; k < i + 16; ++k) image[k] = lookup[indices[k]];
    // A byte equal to the key becomes 0xFF, spread over its pixel's four bytes (white); black
    // adds the opaque byte to the others.
    const __m128i equal = _mm_cmpeq_epi8(block, keys);
    const __m128i low = _mm_unpacklo_epi8(equal, equal);
    const __m128i high = _mm_unpackhi_epi8(equal, equal);
    __m128i* bits = reinterpret_cast<__m128i*>(mask + i);
    _mm_storeu_si128(bits, _mm_or_si128(_mm_unpacklo_epi16(low, low), black));
    _mm_storeu_si128(bits + 1, _mm_or_si128(_mm_unpackhi_epi16(low, low), black));
    _mm_storeu_si128(bits + 2, _mm_or_si128(_mm_unpacklo_epi16(high, high), black));
    _mm_storeu_si128(bits + 3, _mm_or_si128(_mm_unpackhi_epi16(high, high), black));
  }
  return i;
}
#else
size_t WidenBlocks(const uint8_t*, size_t, const uint32_t*, uint8_t, uint32_t*, uint32_t*) {
  return 0;
}
#endif

}  // namespace

void WidenIndices(const uint8_t* indices, size_t count, const uint32_t lookup[256], uint8_t key,
                  uint32_t* image, uint32_t* mask) {
  if (mask == nullptr) {
    for (size_t i = 0; i < count; ++i) image[i] = lookup[indices[i]];
    return;
  }
  for (size_t i = WidenBlocks(indices, count, lookup, key, image, mask); i < count; ++i) {
    const uint8_t index = indices[i];
    image[i] = lookup[index];
    mask[i] = index == key ? kWhite : kBlack;
  }
}

}  // namespace framix32
