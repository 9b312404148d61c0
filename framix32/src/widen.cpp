#include "widen.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "surface.h"

namespace framix32 {
namespace {

#if defined(__SSE2__)
// Pixels k to k + 3, in one store: stores are what limits widening, and four colours joined
// in a register cost fewer of them than four stores (and keep ahead of gathering
// instructions). The four indices are read before their pixels are stored, and those pixels
// end at byte 4 * (k + 4), which for k + 4 <= count lies no further than the first index after
// them when indices share image's last quarter.
inline void WidenFour(const uint8_t* indices, size_t k, const uint32_t lookup[256],
                      uint32_t* image) {
  const __m128i a = _mm_cvtsi32_si128(static_cast<int>(lookup[indices[k]]));
  const __m128i b = _mm_cvtsi32_si128(static_cast<int>(lookup[indices[k + 1]]));
  const __m128i c = _mm_cvtsi32_si128(static_cast<int>(lookup[indices[k + 2]]));
  const __m128i d = _mm_cvtsi32_si128(static_cast<int>(lookup[indices[k + 3]]));
  _mm_storeu_si128(reinterpret_cast<__m128i*>(image + k),
                   _mm_unpacklo_epi64(_mm_unpacklo_epi32(a, b), _mm_unpacklo_epi32(c, d)));
}

// Without a mask, four pixels at a time.
size_t WidenQuads(const uint8_t* indices, size_t count, const uint32_t lookup[256],
                  uint32_t* image) {
  size_t i = 0;
  for (; i + 4 <= count; i += 4) WidenFour(indices, i, lookup, image);
  return i;
}

// With a mask, sixteen pixels at a time: the colours four by four, the mask from one
// comparison. The block of indices is in a register before any of its pixels is stored, as
// above.
size_t WidenBlocks(const uint8_t* indices, size_t count, const uint32_t lookup[256],
                   uint8_t key, uint32_t* image, uint32_t* mask) {
  const __m128i keys = _mm_set1_epi8(static_cast<char>(key));
  const __m128i black = _mm_set1_epi32(static_cast<int>(kBlack));
  size_t i = 0;
  for (; i + 16 <= count; i += 16) {
    const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(indices + i));
    for (size_t k = i; k < i + 16; k += 4) WidenFour(indices, k, lookup, image);
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
size_t WidenQuads(const uint8_t*, size_t, const uint32_t*, uint32_t*) { return 0; }
size_t WidenBlocks(const uint8_t*, size_t, const uint32_t*, uint8_t, uint32_t*, uint32_t*) {
  return 0;
}
#endif

}  // namespace

void WidenIndices(const uint8_t* indices, size_t count, const uint32_t lookup[256], uint8_t key,
                  uint32_t* image, uint32_t* mask) {
  if (mask == nullptr) {
    for (size_t i = WidenQuads(indices, count, lookup, image); i < count; ++i) {
      image[i] = lookup[indices[i]];
    }
    return;
  }
  for (size_t i = WidenBlocks(indices, count, lookup, key, image, mask); i < count; ++i) {
    const uint8_t index = indices[i];
    image[i] = lookup[index];
    mask[i] = index == key ? kWhite : kBlack;
  }
}

}  // namespace framix32
