// Decodes one image's data (code size byte and sub-blocks) into palette indices.
#ifndef FRAMIX32_SRC_IMAGE_DECODER_H_
#define FRAMIX32_SRC_IMAGE_DECODER_H_

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "byte_source.h"
#include "error_state.h"
#include "gif_stream.h"
#include "lzw_decoder.h"

namespace framix32 {

// One index per pixel, rows top-down, width bytes per row. The buffer holds width * height
// indices and the decoder's slack after them (capacity bytes in all).
struct IndexImage {
  int width = 0;
  int height = 0;
  std::unique_ptr<uint8_t[]> pixels;
  size_t capacity = 0;
  const uint8_t* data() const { return pixels.get(); }
  const uint8_t* row(int y) const { return pixels.get() + static_cast<size_t>(y) * width; }
};

// Scratch memory kept between images so that animations and benchmarks reuse it.
struct DecodeScratch {
  std::vector<uint8_t> data;  // the image's sub-blocks, joined
};

// True when width x height stays within the pixel limit.
bool WithinPixelLimit(uint32_t width, uint32_t height, uint64_t limit);
// Bytes DecodeImage allocates for an image of width x height.
size_t IndexImageBytes(uint32_t width, uint32_t height);

// Reads the code size byte and the sub-blocks after an image descriptor (leaving the input
// after the block terminator) and decodes them into *image, whose buffer is kept when it holds
// enough, else allocated here (interlaced rows are put in place within the same buffer). Returns kReadError when the input ends before the
// code size byte; otherwise the decoder's result: kCorrupt when the data was bad or cut short,
// with the rows not wholly decoded set to 0.
ErrorCode DecodeImage(ByteSource& in, const ImageDescriptor& descriptor, IndexImage* image,
                      DecodeScratch* scratch);
// The same into out, which holds IndexImageBytes(width, height) bytes: width * height
// indices, rows top-down, and the decoder's slack.
ErrorCode DecodeImageInto(ByteSource& in, const ImageDescriptor& descriptor, uint8_t* out,
                          DecodeScratch* scratch);

}  // namespace framix32

#endif  // FRAMIX32_SRC_IMAGE_DECODER_H_
