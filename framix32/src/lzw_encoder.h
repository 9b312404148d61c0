// The hashing LZW compressor for GIF image data.
#ifndef FRAMIX32_SRC_LZW_ENCODER_H_
#define FRAMIX32_SRC_LZW_ENCODER_H_

#include <cstddef>
#include <cstdint>
#include <vector>

namespace framix32 {

// Compresses palette indices into GIF image data: the sub-blocks (at most 252 bytes each)
// and the zero-length terminator, appended to *out. The first code is a clear code; when the
// 12-bit table is full a clear code starts it afresh. min_code_size is 2 to 8 and every index
// must be below 2^min_code_size.
class LzwEncoder {
 public:
  explicit LzwEncoder(int min_code_size, std::vector<uint8_t>* out);
  void Add(const uint8_t* indices, size_t count);
  void Finish();

 private:
  // The string table as an open-addressing hash of (prefix code, next byte) pairs. Its layout
  // does not show in the output: any table that finds the same strings writes the same codes.
  // 8192 slots keep it at most half full (short probes) and small enough for the L1 cache.
  static constexpr uint32_t kHashBits = 13;
  static constexpr uint32_t kHashSize = 1u << kHashBits;
  static constexpr uint32_t kFree = 0xFFFFFFFF;
  // A slot holds key << 12 | code, the key being prefix << 8 | byte (20 bits).
  // The byte's part does not wait for the previous lookup, so a hit costs one XOR and a load.
  static uint32_t Hash(uint32_t prefix, uint32_t byte) { return ((byte << 5) ^ prefix) & (kHashSize - 1); }

  void ResetTable();
  void PutCode(uint32_t code) {
    bits_ |= static_cast<uint64_t>(code) << bit_count_;
    bit_count_ += width_;
    while (bit_count_ >= 8) {
      block_[block_size_++] = static_cast<uint8_t>(bits_);
      bits_ >>= 8;
      bit_count_ -= 8;
    }
    if (block_size_ * 8 + bit_count_ > kFlushBits) FlushBlock();
  }
  void FlushBlock();
  // Gives the next free code to key, stored at slot h; starts the table afresh when full.
  void Enter(uint32_t h, uint32_t key);

  // A block is flushed once more than this many bits wait, so none holds more than 252 bytes.
  static constexpr int kFlushBits = 2007;

  int min_code_size_;
  uint32_t clear_code_;
  uint32_t next_free_ = 0;
  int width_ = 0;
  int32_t prefix_ = -1;
  uint64_t bits_ = 0;  // fewer than 8 bits not yet in block_, least significant first
  int bit_count_ = 0;
  uint8_t block_[256];
  int block_size_ = 0;
  std::vector<uint8_t>* out_;
  std::vector<uint32_t> table_;
};

}  // namespace framix32

#endif  // FRAMIX32_SRC_LZW_ENCODER_H_
