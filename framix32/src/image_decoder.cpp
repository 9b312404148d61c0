#include "image_decoder.h"

#include <cstring>

#include "lzw_decoder.h"

namespace framix32 {

bool WithinPixelLimit(uint32_t width, uint32_t height, uint64_t limit) {
  return static_cast<uint64_t>(width) * height <= limit;
}

ErrorCode DecodeImage(ByteSource& in, const ImageDescriptor& descriptor, IndexImage* image,
                      DecodeScratch* scratch) {
  const int min_code_size = in.ReadByte();
  if (min_code_size < 0) return kReadError;
  ReadSubBlocks(in, &scratch->data);

  image->width = descriptor.width;
  image->height = descriptor.height;
  const size_t count = static_cast<size_t>(descriptor.width) * descriptor.height;
  const bool interlaced =
      descriptor.interlaced() && descriptor.height > 1 && descriptor.width > 0;
  // The decoder writes past the image's end; interlaced images go through a second buffer
  // in decoding order before their rows are put in place.
  std::vector<uint8_t>& target = interlaced ? scratch->linear : image->pixels;
  target.resize(count + kLzwOutputSlack);
  const LzwResult result =
      DecodeLzw(min_code_size, scratch->data.data(), scratch->data.size(), target.data(), count);

  // Only whole rows count as decoded; the partial row and everything after it is index 0.
  const size_t width = descriptor.width;
  const size_t rows_done = width == 0 ? descriptor.height : result.produced / width;
  std::memset(target.data() + rows_done * width, 0, count - rows_done * width);

  if (interlaced) {
    image->pixels.assign(count, 0);
    static constexpr int kStart[] = {0, 4, 2, 1};
    static constexpr int kStep[] = {8, 8, 4, 2};
    size_t source_row = 0;
    for (int pass = 0; pass < 4; ++pass) {
      for (size_t y = kStart[pass]; y < descriptor.height; y += kStep[pass]) {
        if (source_row == rows_done) break;
        std::memcpy(image->pixels.data() + y * width, target.data() + source_row * width, width);
        ++source_row;
      }
    }
  } else {
    image->pixels.resize(count);
  }
  return result.code;
}

}  // namespace framix32
