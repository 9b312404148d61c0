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
  static constexpr int kHashSize = 5003;  // prime, about 1.22 times the 4096 codes
  struct Slot {
    int32_t key;  // prefix code << 8 | suffix byte; -1 when free
    int32_t code;
  };

  void ResetTable();
  void PutCode(uint32_t code);
  void FlushBlock();
  // Assigns the next free code to the pair whose free slot is at h (-1: no slot found).
  void Enter(int h, int32_t key);

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
  std::vector<Slot> table_;
};

}  // namespace framix32

#endif  // FRAMIX32_SRC_LZW_ENCODER_H_
