// A packed bitmap as a GIF89a file in memory.
#ifndef FRAMIX32_SRC_GIF_WRITER_H_
#define FRAMIX32_SRC_GIF_WRITER_H_

#include <cstdint>
#include <functional>
#include <vector>

#include "error_state.h"
#include "framix32.h"

namespace framix32 {

// Appends the GIF file of the bitmap to *out: header with a global table of 2^b entries,
// one image descriptor, the LZW data and the trailer. kMemoryError when the block cannot be
// locked, kTooManyBits above 8 bits per pixel, kCorrupt when the header does not describe the
// block (size, planes, bit count of 3, 5, 6 or 7, dimensions above 65535), kWriteError for a
// bit count of 0.
// With a drain, *out is handed to it whenever it holds kDrainBytes or more, and again at the
// end; the drain takes the bytes out and answers false to stop the encoding with
// kWriteError. The file then passes through a small buffer that stays in the cache.
using GifDrain = std::function<bool(std::vector<uint8_t>* out)>;
inline constexpr size_t kDrainBytes = 64 * 1024;
ErrorCode EncodeGif(HGLOBAL bitmap, std::vector<uint8_t>* out, const GifDrain& drain = {});

}  // namespace framix32

#endif  // FRAMIX32_SRC_GIF_WRITER_H_
