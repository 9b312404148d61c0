// Palette indices widened to 32-bit pixels, and transparency keys to mask pixels.
#ifndef FRAMIX32_SRC_WIDEN_H_
#define FRAMIX32_SRC_WIDEN_H_

#include <cstddef>
#include <cstdint>

namespace framix32 {

// image[i] = lookup[indices[i]] and, when mask is not null, mask[i] = white where indices[i]
// is key, else black; front to back. indices may lie in the last quarter of image: pixel i is
// written only after index i is read, and never over an index not yet read.
void WidenIndices(const uint8_t* indices, size_t count, const uint32_t lookup[256], uint8_t key,
                  uint32_t* image, uint32_t* mask);

}  // namespace framix32

#endif  // FRAMIX32_SRC_WIDEN_H_
