// Decodes one image's data (code size byte and sub-blocks) into palette indices.
#ifndef FRAMIX32_SRC_IMAGE_DECODER_H_
#define FRAMIX32_SRC_IMAGE_DECODER_H_

#include <cstdint>
#include <vector>

#include "byte_source.h"
#include "error_state.h"
#include "gif_stream.h"

namespace framix32 {

// One index per pixel, rows top-down, width bytes per row.
struct IndexImage {
  int width = 0;
  int height = 0;
  std::vector<uint8_t> pixels;
  const uint8_t* row(int y) const { return pixels.data() + static_cast<size_t>(y) * width; }
};

// Scratch memory kept between images so that animations and benchmarks reuse it.
struct DecodeScratch {
  std::vector<uint8_t> data;
  std::vector<uint8_t> linear;
};

// True when width x height stays within the pixel limit.
bool WithinPixelLimit(uint32_t width, uint32_t height, uint64_t limit);

// Reads the code size byte and the sub-blocks after an image descriptor (leaving the input
// after the block terminator) and decodes them into *image, allocated here. Returns
// kReadError when the input ends before the code size byte; otherwise the decoder's result:
// kCorrupt when the data was bad or cut short, with the rows not wholly decoded set to 0.
ErrorCode DecodeImage(ByteSource& in, const ImageDescriptor& descriptor, IndexImage* image,
                      DecodeScratch* scratch);

}  // namespace framix32

#endif  // FRAMIX32_SRC_IMAGE_DECODER_H_
