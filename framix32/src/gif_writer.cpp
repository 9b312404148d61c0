#include "gif_writer.h"

#include "dib.h"
#include "lzw_encoder.h"

namespace framix32 {
namespace {

void Put16(std::vector<uint8_t>* out, uint32_t v) {
  out->push_back(static_cast<uint8_t>(v));
  out->push_back(static_cast<uint8_t>(v >> 8));
}

// Checks the header against the block before a single pixel is read: the block comes from
// the caller and its header may promise more than the block holds.
ErrorCode CheckBitmap(const DibHeader& h, size_t block_size) {
  if (h.bit_count > 8) return kTooManyBits;
  if (h.bit_count == 0) return kWriteError;
  if (h.bit_count != 1 && h.bit_count != 2 && h.bit_count != 4 && h.bit_count != 8) {
    return kCorrupt;
  }
  if (h.size < kInfoHeaderSize || h.width < 0 || h.height < 0 || h.width > 0xFFFF ||
      h.height > 0xFFFF || h.compression != 0) {
    return kCorrupt;
  }
  const uint64_t needed = uint64_t{h.size} + (uint64_t{4} << h.bit_count) +
                          uint64_t{RowBytes(h.bit_count, h.width)} * uint64_t(h.height);
  return needed <= block_size ? kNoError : kCorrupt;
}

}  // namespace

ErrorCode EncodeGif(HGLOBAL bitmap, std::vector<uint8_t>* out, const GifDrain& drain) {
  const size_t block_size = dzGlobalSize(bitmap);
  const auto* bytes = static_cast<const uint8_t*>(dzGlobalLock(bitmap));
  if (bytes == nullptr) return kMemoryError;
  if (block_size < kInfoHeaderSize) {
    dzGlobalUnlock(bitmap);
    return kCorrupt;
  }
  const DibHeader h = LoadHeader(bytes);
  if (ErrorCode code = CheckBitmap(h, block_size); code != kNoError) {
    dzGlobalUnlock(bitmap);
    return code;
  }
  const int b = h.bit_count;
  const uint32_t width = static_cast<uint32_t>(h.width);
  const uint32_t height = static_cast<uint32_t>(h.height);
  const uint8_t* palette = bytes + h.size;
  const uint8_t* rows = palette + (size_t{4} << b);
  const size_t row_bytes = RowBytes(b, width);

  out->reserve(out->size() + 800 + (drain ? kDrainBytes + 2 * row_bytes : row_bytes * height));
  const char kSignature[] = "GIF89a";
  out->insert(out->end(), kSignature, kSignature + 6);
  Put16(out, width);
  Put16(out, height);
  out->push_back(static_cast<uint8_t>(0x80 | ((b - 1) << 4) | (b - 1)));
  out->push_back(0);  // background colour index
  out->push_back(0);  // pixel aspect ratio
  for (uint32_t i = 0; i < (1u << b); ++i) {
    out->push_back(palette[i * 4 + 2]);
    out->push_back(palette[i * 4 + 1]);
    out->push_back(palette[i * 4]);
  }
  out->push_back(0x2C);
  Put16(out, 0);
  Put16(out, 0);
  Put16(out, width);
  Put16(out, height);
  out->push_back(static_cast<uint8_t>(b - 1));
  // LZW needs at least 2 bits: two-colour images use the 4-code alphabet.
  const int min_code_size = b == 1 ? 2 : b;
  out->push_back(static_cast<uint8_t>(min_code_size));

  LzwEncoder encoder(min_code_size, out, size_t{width} * height);
  std::vector<uint8_t> indices(b == 8 ? 0 : width);
  for (uint32_t y = 0; y < height; ++y) {
    const uint8_t* row = rows + (height - 1 - y) * row_bytes;
    if (b == 8) {
      encoder.Add(row, width);
    } else {
      UnpackRow(row, width, b, indices.data());
      encoder.Add(indices.data(), width);
    }
    if (drain && out->size() >= kDrainBytes && !drain(out)) {
      dzGlobalUnlock(bitmap);
      return kWriteError;
    }
  }
  encoder.Finish();
  out->push_back(0x3B);
  dzGlobalUnlock(bitmap);
  return drain && !drain(out) ? kWriteError : kNoError;
}

}  // namespace framix32
