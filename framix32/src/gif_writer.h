// A packed bitmap as a GIF89a file in memory.
#ifndef FRAMIX32_SRC_GIF_WRITER_H_
#define FRAMIX32_SRC_GIF_WRITER_H_

#include <cstdint>
#include <vector>

#include "error_state.h"
#include "framix32.h"

namespace framix32 {

// Appends the GIF file of the bitmap to *out: header with a global table of 2^b entries,
// one image descriptor, the LZW data and the trailer. kMemoryError when the block cannot be
// locked, kTooManyBits above 8 bits per pixel, kCorrupt when the header does not describe the
// block (size, planes, bit count of 3, 5, 6 or 7, dimensions above 65535), kWriteError for a
// bit count of 0.
ErrorCode EncodeGif(HGLOBAL bitmap, std::vector<uint8_t>* out);

}  // namespace framix32

#endif  // FRAMIX32_SRC_GIF_WRITER_H_
