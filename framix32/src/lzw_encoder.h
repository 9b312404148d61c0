// The hashing LZW compressor for GIF image data.
#ifndef FRAMIX32_SRC_LZW_ENCODER_H_
#define FRAMIX32_SRC_LZW_ENCODER_H_

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

namespace framix32 {

// Compresses palette indices into GIF image data: full sub-blocks of 255 bytes, a shorter last
// one and the zero-length terminator, appended to *out. The first code is a clear code; the
// string table takes codes up to 4094 and a clear code starts it afresh once that is used, the
// point at which common encoders clear, so the output is the plain greedy LZW stream that they
// write. min_code_size is 2 to 8 and every index must be below 2^min_code_size.
class LzwEncoder {
 public:
  // pixel_count, when known, lets a small image use a small string table (the output is the
  // same).
  LzwEncoder(int min_code_size, std::vector<uint8_t>* out, size_t pixel_count = SIZE_MAX);
  void Add(const uint8_t* indices, size_t count);
  void Finish();

 private:
  // The string table as an open-addressing hash of (prefix code, next byte) pairs. Its layout
  // does not show in the output: any table that finds the same strings writes the same codes.
  // 16384 slots keep it at most a quarter full: a second probe is rare, and each one is a
  // branch mispredicted. An image of few pixels enters few strings and has fewer slots, down
  // to kMinHashBits.
  static constexpr int kHashBits = 14;
  static constexpr int kMinHashBits = 8;
  static constexpr uint32_t kFree = 0xFFFFFFFF;
  // A slot holds key << 12 | code, the key being prefix << 8 | byte (20 bits).
  // Multiplicative hashing spreads the keys of real images evenly (a shift-and-XOR of prefix
  // and byte clusters on photographs, where prefixes of neighbouring codes meet the same few
  // bytes): about 1.3 probes per lookup.
  static constexpr uint32_t kHashFactor = 0x9E3779B1u;
  uint32_t Hash(uint32_t prefix, uint32_t byte) const {
    return (((prefix << 8 | byte) * kHashFactor) >> (32 - kHashBits)) & hash_mask_;
  }
  static constexpr int kBlockBytes = 255;
  // Runs of one index are also looked up in a table of their own: runs_[c][n] is the code of
  // c repeated n times, for every n up to run_max_[c] (the table may hold longer ones too).
  // A run then costs one lookup instead of one per pixel. Runs longer than kRunCap go on
  // through the hash.
  static constexpr uint32_t kRunCap = 255;
  // Entering code kLastCode clears the table: the code itself is never written.
  static constexpr uint32_t kLastCode = 4095;

  // The writing state. Add works on a copy in local variables, which stay in registers.
  struct Coder {
    uint64_t bits = 0;  // fewer than 8 bits not yet in block_, least significant first
    int bit_count = 0;
    int block_size = 0;
    uint32_t next_free = 0;
    int width = 0;
    // Once next_free passes it, the codes widen or the table is cleared.
    uint32_t limit = 0;
  };

  // Appends the low `width` bits of code when take is 1 and nothing when it is 0, without a
  // branch. Stores 8 bytes, the spare ones overwritten by the next code.
  static void PutIf(Coder& c, uint8_t* block, uint32_t code, uint32_t take) {
    c.bits |= (uint64_t{code} << c.bit_count) & (0 - uint64_t{take});
    c.bit_count += c.width & -static_cast<int>(take);
    std::memcpy(block + c.block_size, &c.bits, 8);
    const int bytes = c.bit_count >> 3;
    c.block_size += bytes;
    c.bits >>= 8 * bytes;
    c.bit_count &= 7;
  }
  void Put(Coder& c, uint32_t code) {
    PutIf(c, block_, code, 1);
    if (c.block_size >= kBlockBytes) c.block_size = FlushBlock(c.block_size);
  }
  // After next_free has passed c.limit: widens the codes, or writes a clear code and starts
  // the table afresh and returns false.
  bool Grow(Coder& c);
  // Writes a clear code and starts the table afresh.
  void Start(Coder& c);
  // Gives the next free code to key, stored at slot h. Returns false when that filled the
  // table, which has been cleared.
  bool Enter(Coder& c, uint32_t h, uint32_t key) {
    table_[h] = key << 12 | c.next_free;
    return ++c.next_free <= c.limit || Grow(c);
  }
  // The slot holding key, or the free slot where it belongs.
  uint32_t Find(uint32_t prefix, uint32_t byte, uint32_t* slot) const;
  void ResetTable();
  // Add after the first pixel of the image, for a table of kMask + 1 slots (0: hash_mask_ + 1).
  template <uint32_t kMask>
  void AddPixels(const uint8_t* indices, size_t count);
  // Writes the first kBlockBytes of the size bytes in block_ as a sub-block, moves the rest
  // to the front and returns how many those are.
  int FlushBlock(int size);
  // The string is the single index c and indices[i] onwards repeat c: follows the run through
  // the run table, writing codes as needed, on coder_. Returns the position after the pixels
  // taken and leaves the string's code in *prefix.
  size_t TakeRun(const uint8_t* indices, size_t count, size_t i, uint32_t c, uint32_t* prefix);

  int min_code_size_;
  uint32_t clear_code_;
  int32_t prefix_ = -1;
  Coder coder_;
  uint8_t block_[256 + 8];
  std::vector<uint8_t>* out_;
  uint32_t hash_mask_;  // slots - 1
  std::unique_ptr<uint32_t[]> table_;
  std::unique_ptr<uint16_t[]> runs_;  // allocated at the first run
  uint16_t run_max_[256];
};

}  // namespace framix32

#endif  // FRAMIX32_SRC_LZW_ENCODER_H_
