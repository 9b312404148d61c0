// The GIF variant of LZW decoding: variable-width codes (up to 12 bits), least significant bit
// first, with clear and end codes.
#ifndef FRAMIX32_SRC_LZW_DECODER_H_
#define FRAMIX32_SRC_LZW_DECODER_H_

#include <cstddef>
#include <cstdint>

#include "error_state.h"

namespace framix32 {

// Room the output needs past pixel_count: the last string may run over the end (at most 4096
// bytes) and strings are copied in 16-byte steps.
inline constexpr size_t kLzwOutputSlack = 4096 + 32;

struct LzwResult {
  ErrorCode code;   // kNoError once pixel_count pixels came, else kCorrupt (an end code
                    // before that included)
  size_t produced;  // pixels written, at most pixel_count
};

// Decodes the concatenated sub-block data into out[0, pixel_count). Decoding stops at the end
// code, at a bad code, when the data runs out, or when the image is full (surplus codes are
// ignored). out must hold pixel_count + kLzwOutputSlack bytes.
LzwResult DecodeLzw(int min_code_size, const uint8_t* data, size_t size, uint8_t* out,
                    size_t pixel_count);
// The same from the sub-blocks themselves (length bytes included) in blocks[0, size): the data
// ends at a zero length or at size.
LzwResult DecodeLzwSubBlocks(int min_code_size, const uint8_t* blocks, size_t size,
                             uint8_t* out, size_t pixel_count);

}  // namespace framix32

#endif  // FRAMIX32_SRC_LZW_DECODER_H_
