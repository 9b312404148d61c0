#include "lzw_decoder.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace framix32 {
namespace {

constexpr uint32_t kMaxCodes = 4096;

uint64_t Load64(const uint8_t* p) {
  uint64_t v;
  std::memcpy(&v, p, 8);  // little-endian host
  return v;
}

// Codes read least significant bit first through a 64-bit accumulator: the part the two
// readers below share.
struct BitAccumulator {
  uint64_t bits = 0;
  int count = 0;

  // Tops the accumulator up to at least 56 bits from p, which holds 8 readable bytes, and
  // returns how many of them it took.
  size_t Load(const uint8_t* p) {
    bits |= Load64(p) << count;
    const size_t taken = static_cast<size_t>((63 - count) >> 3);
    count |= 56;
    return taken;
  }
  void Push(uint8_t byte) {
    bits |= static_cast<uint64_t>(byte) << count;
    count += 8;
  }
  // False when fewer than width bits are left.
  bool Take(int width, uint32_t* code) {
    if (count < width) return false;
    *code = static_cast<uint32_t>(bits) & ((1u << width) - 1);
    bits >>= width;
    count -= width;
    return true;
  }
};

// Over the joined data of the sub-blocks.
class BitReader {
 public:
  BitReader(const uint8_t* data, size_t size) : data_(data), size_(size) {}

  // Tops the accumulator up to at least 56 bits, or to all that is left.
  void Fill() {
    if (size_ - pos_ >= 8) {
      pos_ += bits_.Load(data_ + pos_);
      return;
    }
    while (bits_.count <= 56 && pos_ < size_) bits_.Push(data_[pos_++]);
  }
  // After Fill: false when fewer than width bits are left.
  bool Take(int width, uint32_t* code) { return bits_.Take(width, code); }

 private:
  const uint8_t* data_;
  size_t size_;
  size_t pos_ = 0;
  BitAccumulator bits_;
};

// Over sub-blocks as they lie in the file: a length byte, that many bytes, and so on up to a
// zero length or the end of the bytes. Most of the time the current sub-block holds 8 more
// bytes, and the accumulator is topped up as above.
class SubBlockReader {
 public:
  SubBlockReader(const uint8_t* blocks, size_t size) : data_(blocks), size_(size) {}

  void Fill() {
    if (block_end_ - pos_ >= 8) {
      pos_ += bits_.Load(data_ + pos_);
      return;
    }
    while (bits_.count <= 56) {
      if (pos_ == block_end_) {
        // A zero length ends the data; a sub-block cut short by the end of the input gives
        // what it holds.
        if (pos_ >= size_ || data_[pos_] == 0) return;
        block_end_ = std::min(size_, pos_ + 1 + data_[pos_]);
        ++pos_;
        if (pos_ == block_end_) return;
      }
      bits_.Push(data_[pos_++]);
    }
  }
  bool Take(int width, uint32_t* code) { return bits_.Take(width, code); }

 private:
  const uint8_t* data_;
  size_t size_;
  size_t pos_ = 0;
  size_t block_end_ = 0;  // the end of the current sub-block's bytes
  BitAccumulator bits_;
};

template <class Reader>
LzwResult Decode(int min_code_size, Reader reader, uint8_t* out, size_t pixel_count) {
  if (min_code_size < 2 || min_code_size > 8) return {kCorrupt, 0};
  // Every string of the table is a stretch of output already written. The table keeps each
  // string's first 8 bytes (so most strings are one 8-byte store, whatever lies before them),
  // its length and where it was written (for the rest of longer strings).
  uint64_t head[kMaxCodes];
  uint16_t length[kMaxCodes];
  uint32_t start[kMaxCodes];

  const uint32_t clear = 1u << min_code_size;
  for (uint32_t c = 0; c < clear; ++c) {
    head[c] = c;
    length[c] = 1;
  }
  uint32_t next_free = clear + 2;
  int width = min_code_size + 1;
  bool have_prev = false;  // false after a clear code
  uint64_t prev_head = 0;
  uint32_t prev_length = 0;
  size_t prev_start = 0;
  size_t o = 0;

  while (o < pixel_count) {
    reader.Fill();
    uint32_t code;
    if (!reader.Take(width, &code)) return {kCorrupt, o};
    if (code - clear <= 1 || code > next_free) {
      if (code == clear) {
        next_free = clear + 2;
        width = min_code_size + 1;
        have_prev = false;
        continue;
      }
      // An end code before the image is full ends the data early: the image is damaged,
      // as when the data breaks off.
      if (code == clear + 1) return {kCorrupt, o};
      return {kCorrupt, o};  // beyond the next free code
    }
    if (have_prev) {
      if (next_free < kMaxCodes) {
        // The previous string plus the first byte of this one, which for the code not yet in
        // the table is the previous string's own first byte.
        const uint64_t first = (code == next_free ? prev_head : head[code]) & 0xFF;
        head[next_free] = prev_length < 8 ? prev_head | first << (8 * prev_length) : prev_head;
        length[next_free] = static_cast<uint16_t>(prev_length + 1);
        start[next_free] = static_cast<uint32_t>(prev_start);
        ++next_free;
        if (next_free == (1u << width) && width < 12) ++width;
      }
    } else if (code == next_free) {
      return {kCorrupt, o};  // the code not yet in the table, with no string before it
    }

    const uint64_t string_head = head[code];
    const uint32_t string_length = length[code];
    // Writes up to 7 bytes past the string, into the slack or under later strings.
    std::memcpy(out + o, &string_head, 8);
    if (string_length > 8) {
      // The source ends at or before out + o (at o itself only for the new code, whose
      // source is the previous string, at least 8 bytes long here), so 8-byte steps read
      // only bytes already written.
      const uint8_t* src = out + start[code];
      for (uint32_t i = 8; i < string_length; i += 8) std::memcpy(out + o + i, src + i, 8);
    }
    have_prev = true;
    prev_head = string_head;
    prev_length = string_length;
    prev_start = o;
    o += string_length;
  }
  return {kNoError, pixel_count};
}

}  // namespace

LzwResult DecodeLzw(int min_code_size, const uint8_t* data, size_t size, uint8_t* out,
                    size_t pixel_count) {
  return Decode(min_code_size, BitReader(data, size), out, pixel_count);
}

LzwResult DecodeLzwSubBlocks(int min_code_size, const uint8_t* blocks, size_t size,
                             uint8_t* out, size_t pixel_count) {
  return Decode(min_code_size, SubBlockReader(blocks, size), out, pixel_count);
}

}  // namespace framix32
