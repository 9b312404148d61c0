// The hashing LZW compressor for GIF image data.
#ifndef FRAMIX32_SRC_LZW_ENCODER_H_
#define FRAMIX32_SRC_LZW_ENCODER_H_

#include <array>
#include <cstddef>
#include <cstdint>
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
  // The string table is an open-addressing hash of (prefix, next index) pairs. Its layout
  // does not show in the output: any table that finds the same strings writes the same codes.
  //
  // Each lookup waits for the one before (its prefix is what that one found), so the path from
  // one slot's value to the next slot's address is kept to a shift and an exclusive or. A
  // slot holds
  //     code << 20 | last index << 12 | prefix code,
  // the low 20 bits being the key. A string as a prefix is a value s whose bits 12 to 31 are
  // those of its slot (a single index, which has none, is given the same form), and the slot
  // of (s, index) is (s >> 18) ^ kScatter[index]: the code spread 4 slots apart, and the place
  // of the index among them and beyond. On photographs and noise this probes about as often as
  // a multiplicative hash of the key, whose multiplication would lie on that path.
  // 16384 slots keep the table at most a quarter full: a second probe is rare, and each one is
  // a branch mispredicted. An image of few pixels enters few strings and has fewer slots, down
  // to kMinHashBits.
  static constexpr int kHashBits = 14;
  static constexpr int kMinHashBits = 8;
  static constexpr uint32_t kFree = 0xFFFFFFFF;
  // The string value of code, whose last index is last.
  static constexpr uint32_t StringOf(uint32_t code, uint32_t last) {
    return code << 20 | last << 12;
  }
  static uint32_t CodeOf(uint32_t s) { return s >> 20; }
  static uint32_t Key(uint32_t s, uint32_t index) { return index << 12 | s >> 20; }
  static uint32_t Spread(uint32_t s) { return s >> (32 - kHashBits); }
  uint32_t Slot(uint32_t s, uint32_t index) const {
    return (Spread(s) ^ kScatter[index]) & hash_mask_;
  }
  static const std::array<uint16_t, 256> kScatter;  // 14 bits an index
  static const std::array<uint32_t, 256> kSingle;   // StringOf(i, i)

  static constexpr int kBlockBytes = 255;
  // Runs of one index are also looked up in a table of their own: runs_[c][n] is the code of
  // c repeated n times, for every n up to run_max_[c] (the table may hold longer ones too).
  // A run then costs one lookup instead of one per pixel. Runs longer than kRunCap go on
  // through the hash.
  static constexpr uint32_t kRunCap = 255;
  // Entering code kLastCode clears the table: the code itself is never written.
  static constexpr uint32_t kLastCode = 4095;

  // The writing state.
  struct Coder {
    uint64_t bits = 0;  // fewer than 8 bits not yet in block_, least significant first
    int bit_count = 0;
    int block_size = 0;
    uint32_t next_free = 0;
    int width = 0;
    // Once next_free passes it, the codes widen or the table is cleared.
    uint32_t limit = 0;
  };

  // Appends the low c.width bits of code.
  void Put(uint32_t code);
  // Writes the codes the pixel loop left in pending_ since the last call, all as wide as
  // coder_.width.
  void PutPending();
  // After next_free has passed coder_.limit: widens the codes, or writes a clear code and
  // starts the table afresh and returns false.
  bool Grow();
  // Writes a clear code and starts the table afresh.
  void Start();
  // Gives the next free code to key, stored at slot h. Returns false when that filled the
  // table, which has been cleared.
  bool Enter(uint32_t h, uint32_t key) {
    table_[h] = coder_.next_free << 20 | key;
    ++coder_.next_free;
    pending_from_ = coder_.next_free;
    return coder_.next_free <= coder_.limit || Grow();
  }
  // The slot holding (s, index), or the free slot where it belongs.
  uint32_t Find(uint32_t s, uint32_t index, uint32_t* slot) const;
  void ResetTable();
  // Add after the first pixel of the image, for a table of kMask + 1 slots (0: hash_mask_ + 1),
  // branching on whether a string ends when kMostlyEnding. Returns how many strings ended.
  template <uint32_t kMask, bool kMostlyEnding>
  size_t AddPixels(const uint8_t* indices, size_t count);
  // Add takes the pixels kPiece at a time, and takes a piece as kMostlyEnding when more than
  // kEndingShare / kEndingDivisor of the pixels of the one before ended a string.
  static constexpr size_t kPiece = 4096;
  static constexpr size_t kEndingShare = 3, kEndingDivisor = 4;
  // Writes the first kBlockBytes of the size bytes in block_ as a sub-block, moves the rest
  // to the front and returns how many those are.
  int FlushBlock(int size);
  // The string is the single index c and indices[i] onwards repeat c: follows the run through
  // the run table, writing codes as needed. Returns the position after the pixels taken and
  // leaves the string's code in *prefix.
  size_t TakeRun(const uint8_t* indices, size_t count, size_t i, uint32_t c, uint32_t* prefix);

  int min_code_size_;
  uint32_t clear_code_;
  bool started_ = false;  // a first pixel has come
  uint32_t string_ = 0;   // the string taken so far, as a value s
  size_t ended_ = 0, taken_ = 0;  // strings ended in the last piece, and its pixels
  Coder coder_;
  // The pixel loop leaves the code it ends a string with in pending_[next_free] (the code the
  // string then entered gets) instead of writing it at once: codes pending_from_ to next_free
  // - 1 are still to be written.
  uint32_t pending_from_ = 0;
  std::unique_ptr<uint16_t[]> pending_;
  uint8_t block_[256 + 8];
  std::vector<uint8_t>* out_;
  uint32_t hash_mask_;  // slots - 1
  std::unique_ptr<uint32_t[]> table_;
  std::unique_ptr<uint16_t[]> runs_;  // allocated at the first run
  uint16_t run_max_[256];
};

}  // namespace framix32

#endif  // FRAMIX32_SRC_LZW_ENCODER_H_
