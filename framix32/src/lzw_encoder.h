// The hashing LZW compressor for GIF image data.
#ifndef FRAMIX32_SRC_LZW_ENCODER_H_
#define FRAMIX32_SRC_LZW_ENCODER_H_

#include <cstddef>
#include <cstdint>
#include <memory>
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
  // Multiplicative hashing spreads the keys of real images evenly (a shift-and-XOR of prefix
  // and byte clusters on photographs, where prefixes of neighbouring codes meet the same few
  // bytes): about 1.3 probes per lookup.
  static uint32_t Hash(uint32_t prefix, uint32_t byte) {
    return ((prefix << 8 | byte) * 0x9E3779B1u) >> (32 - kHashBits);
  }
  // A block is flushed once more than this many bits wait, so none holds more than 252 bytes.
  static constexpr int kFlushBits = 2007;
  // Runs of one index are also looked up in a table of their own: runs_[c][n] is the code of
  // c repeated n times, for every n up to run_max_[c] (the table may hold longer ones too).
  // A run then costs one lookup instead of one per pixel. Runs longer than kRunCap go on
  // through the hash.
  static constexpr uint32_t kRunCap = 255;

  // The writing state. Add works on a copy in local variables, which stay in registers.
  struct Coder {
    uint64_t bits = 0;  // fewer than 8 bits not yet in block_, least significant first
    int bit_count = 0;
    int block_size = 0;
    uint32_t next_free = 0;
    int width = 0;
  };

  void Put(Coder& c, uint32_t code) {
    c.bits |= static_cast<uint64_t>(code) << c.bit_count;
    c.bit_count += c.width;
    // Stores whole bytes and some spare ones that the next code overwrites.
    const int bytes = c.bit_count >> 3;
    for (int k = 0; k < 8; ++k) block_[c.block_size + k] = static_cast<uint8_t>(c.bits >> (8 * k));
    c.block_size += bytes;
    c.bits >>= 8 * bytes;
    c.bit_count &= 7;
    if (c.block_size * 8 + c.bit_count > kFlushBits) {
      FlushBlock(c.block_size);
      c.block_size = 0;
    }
  }
  // Gives the next free code to key, stored at slot h. When the table is full, writes a clear
  // code and starts the table afresh instead, and returns false.
  bool Enter(Coder& c, uint32_t h, uint32_t key) {
    if (c.next_free > kMaxCode) {
      Put(c, clear_code_);
      ResetTable();
      c.next_free = clear_code_ + 2;
      c.width = min_code_size_ + 1;
      return false;
    }
    table_[h] = key << 12 | c.next_free;
    // The decoder, one entry behind, widens its codes after this same code.
    if (c.next_free == (1u << c.width) && c.width < 12) ++c.width;
    ++c.next_free;
    return true;
  }
  // The slot holding key, or the free slot where it belongs.
  uint32_t Find(uint32_t prefix, uint32_t byte, uint32_t* slot) const;
  void ResetTable();
  void FlushBlock(int size);
  // The string is the single index c and indices[i] onwards repeat c: follows the run through
  // the run table, writing codes as needed, on coder_. Returns the position after the pixels
  // taken and leaves the string's code in *prefix.
  size_t TakeRun(const uint8_t* indices, size_t count, size_t i, uint32_t c, uint32_t* prefix);

  static constexpr uint32_t kMaxCode = 4095;

  int min_code_size_;
  uint32_t clear_code_;
  int32_t prefix_ = -1;
  Coder coder_;
  uint8_t block_[256 + 8];
  std::vector<uint8_t>* out_;
  std::vector<uint32_t> table_;
  std::unique_ptr<uint16_t[]> runs_;
  uint16_t run_max_[256];
};

}  // namespace framix32

#endif  // FRAMIX32_SRC_LZW_ENCODER_H_
