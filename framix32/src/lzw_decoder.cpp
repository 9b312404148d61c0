#include "lzw_decoder.h"

#include <cstring>

namespace framix32 {
namespace {

constexpr int kMaxCodes = 4096;
constexpr uint32_t kNoCode = 0xFFFFFFFF;

// Reads codes least significant bit first through a 64-bit accumulator.
class BitReader {
 public:
  BitReader(const uint8_t* data, size_t size) : data_(data), size_(size) {}

  // False when fewer than width bits are left.
  bool Next(int width, uint32_t* code) {
    if (count_ < width) {
      Refill();
      if (count_ < width) return false;
    }
    *code = static_cast<uint32_t>(bits_) & ((1u << width) - 1);
    bits_ >>= width;
    count_ -= width;
    return true;
  }

 private:
  void Refill() {
    if (size_ - pos_ >= 8) {
      uint64_t word;
      std::memcpy(&word, data_ + pos_, 8);  // little-endian host
      bits_ |= word << count_;
      pos_ += static_cast<size_t>((63 - count_) >> 3);
      count_ |= 56;
      return;
    }
    while (count_ <= 56 && pos_ < size_) {
      bits_ |= static_cast<uint64_t>(data_[pos_++]) << count_;
      count_ += 8;
    }
  }

  const uint8_t* data_;
  size_t size_;
  size_t pos_ = 0;
  uint64_t bits_ = 0;
  int count_ = 0;
};

// Copies an earlier string of the output forward. The source ends at or before dst, so when
// it lies at least 8 bytes back each 8-byte step reads only finished bytes; the steps may
// write up to 7 bytes past length, into the slack.
inline void CopyString(uint8_t* dst, const uint8_t* src, size_t length) {
  if (dst - src >= 8) {
    for (size_t i = 0; i < length; i += 8) std::memcpy(dst + i, src + i, 8);
  } else {
    for (size_t i = 0; i < length; ++i) dst[i] = src[i];
  }
}

}  // namespace

LzwResult DecodeLzw(int min_code_size, const uint8_t* data, size_t size, uint8_t* out,
                    size_t pixel_count) {
  if (min_code_size < 2 || min_code_size > 8) return {kCorrupt, 0};
  // Every string of the table is a stretch of output already written: the table records
  // where (and how long), so decoding a code is one copy instead of a walk down its prefixes.
  uint32_t start[kMaxCodes];
  uint16_t length[kMaxCodes];

  const uint32_t clear = 1u << min_code_size;
  const uint32_t end = clear + 1;
  uint32_t next_free = clear + 2;
  int width = min_code_size + 1;
  uint32_t prev = kNoCode;
  size_t prev_start = 0;
  uint32_t prev_length = 0;
  size_t o = 0;

  BitReader reader(data, size);
  while (o < pixel_count) {
    uint32_t code;
    if (!reader.Next(width, &code)) return {kCorrupt, o};
    if (code == clear) {
      next_free = clear + 2;
      width = min_code_size + 1;
      prev = kNoCode;
      continue;
    }
    if (code == end) return {kNoError, o};

    uint32_t string_length;
    if (code < clear) {
      out[o] = static_cast<uint8_t>(code);
      string_length = 1;
    } else if (code < next_free) {
      string_length = length[code];
      CopyString(out + o, out + start[code], string_length);
    } else if (code == next_free && prev != kNoCode) {
      // The string not yet in the table: the previous one plus its own first byte.
      CopyString(out + o, out + prev_start, prev_length);
      out[o + prev_length] = out[prev_start];
      string_length = prev_length + 1;
    } else {
      return {kCorrupt, o};
    }

    if (prev != kNoCode && next_free < kMaxCodes) {
      start[next_free] = static_cast<uint32_t>(prev_start);
      length[next_free] = static_cast<uint16_t>(prev_length + 1);
      ++next_free;
      if (next_free == (1u << width) && width < 12) ++width;
    }
    prev = code;
    prev_start = o;
    prev_length = string_length;
    o += string_length;
  }
  return {kNoError, pixel_count};
}

}  // namespace framix32
