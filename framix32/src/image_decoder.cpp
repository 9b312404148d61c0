#include "image_decoder.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "lzw_decoder.h"

namespace framix32 {
namespace {

// The image row that the i-th row of an interlaced image's data belongs to: the passes take
// rows 0, 8, 16, ...; 4, 12, ...; 2, 6, ...; 1, 3, ... (GIF89a, appendix E).
size_t InterlacedRow(size_t i, size_t height) {
  const size_t pass0 = (height + 7) / 8;
  if (i < pass0) return 8 * i;
  i -= pass0;
  const size_t pass1 = (height + 3) / 8;
  if (i < pass1) return 4 + 8 * i;
  i -= pass1;
  const size_t pass2 = (height + 1) / 4;
  if (i < pass2) return 2 + 4 * i;
  return 1 + 2 * (i - pass2);
}

// Moves the rows from the order they were decoded in to their places, following each cycle
// of the permutation with one row in hand, so no second image buffer is needed.
void Deinterlace(uint8_t* pixels, size_t width, size_t height) {
  std::vector<uint8_t> carry(width), displaced(width);
  std::vector<bool> placed(height);
  for (size_t start = 0; start < height; ++start) {
    if (placed[start]) continue;
    std::memcpy(carry.data(), pixels + start * width, width);
    size_t from = start;
    for (;;) {
      const size_t to = InterlacedRow(from, height);
      placed[to] = true;
      if (to == start) {
        std::memcpy(pixels + to * width, carry.data(), width);
        break;
      }
      std::memcpy(displaced.data(), pixels + to * width, width);
      std::memcpy(pixels + to * width, carry.data(), width);
      carry.swap(displaced);
      from = to;
    }
  }
}

// The bytes of the sub-blocks at blocks[0, size), their terminator included (*whole true), or
// all of size when they go on past it.
size_t SubBlocksLength(const uint8_t* blocks, size_t size, bool* whole) {
  size_t at = 0;
  while (at < size) {
    const size_t length = blocks[at++];
    if (length == 0) {
      *whole = true;
      return at;
    }
    at += length;
  }
  return size;
}

}  // namespace

bool WithinPixelLimit(uint32_t width, uint32_t height, uint64_t limit) {
  return static_cast<uint64_t>(width) * height <= limit;
}

size_t IndexImageBytes(uint32_t width, uint32_t height) {
  return static_cast<size_t>(width) * height + kLzwOutputSlack;
}

ErrorCode DecodeImageInto(ByteSource& in, const ImageDescriptor& descriptor, uint8_t* out,
                          DecodeScratch* scratch) {
  const int min_code_size = in.ReadByte();
  if (min_code_size < 0) return kReadError;
  const size_t width = descriptor.width;
  const size_t count = width * descriptor.height;
  LzwResult result;
  size_t available = 0;
  bool to_end = false;
  const uint8_t* blocks = in.InPlace(&available, &to_end);
  bool whole = false;
  const size_t length = SubBlocksLength(blocks, available, &whole);
  if (whole || to_end) {
    // The sub-blocks lie in memory up to their terminator or the end of the input: decoded
    // where they are, with the input moved past them.
    in.Skip(length);
    result = DecodeLzwSubBlocks(min_code_size, blocks, length, out, count);
  } else {
    ReadSubBlocks(in, &scratch->data);
    result = DecodeLzw(min_code_size, scratch->data.data(), scratch->data.size(), out, count);
  }
  // Only whole rows count as decoded; the partial row and everything after it is index 0.
  const size_t rows_done = width == 0 ? descriptor.height : result.produced / width;
  std::memset(out + rows_done * width, 0, count - rows_done * width);
  if (descriptor.interlaced() && descriptor.height > 1 && width > 0) {
    Deinterlace(out, width, descriptor.height);
  }
  return result.code;
}

ErrorCode DecodeImage(ByteSource& in, const ImageDescriptor& descriptor, IndexImage* image,
                      DecodeScratch* scratch) {
  // Taken before the buffer, so that a file ending here costs no pixel memory.
  if (in.ReadByte() < 0) return kReadError;
  in.Seek(in.Tell() - 1);  // back to the code size byte
  image->width = descriptor.width;
  image->height = descriptor.height;
  // Every byte is written by the decoder or as the zeros of rows not decoded, so a buffer
  // left from an earlier image serves when it is large enough.
  const size_t needed = IndexImageBytes(descriptor.width, descriptor.height);
  if (image->pixels == nullptr || image->capacity < needed) {
    image->pixels.reset();
    image->pixels.reset(new uint8_t[needed]);
    image->capacity = needed;
  }
  return DecodeImageInto(in, descriptor, image->pixels.get(), scratch);
}

}  // namespace framix32
