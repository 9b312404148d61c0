#include "lzw_encoder.h"

#include <algorithm>
#include <cstring>

namespace framix32 {
namespace {

// How many of p[0, limit) equal c.
size_t CountRun(const uint8_t* p, size_t limit, uint32_t c) {
  const uint64_t pattern = c * 0x0101010101010101ull;
  size_t r = 0;
  for (; limit - r >= 8; r += 8) {
    uint64_t word;
    std::memcpy(&word, p + r, 8);
    word ^= pattern;
    if (word != 0) return r + static_cast<size_t>(__builtin_ctzll(word) >> 3);  // little-endian
  }
  while (r < limit && p[r] == c) ++r;
  return r;
}

// The outcome of a lookup that stopped at slot, worked out both ways and chosen without a
// branch (the compiler, left to itself, would branch): when slot is free (all ones), *stored
// becomes entry, *s becomes single, *next_free grows by one and *run_test becomes 1; otherwise
// *stored and *s become slot and *run_test is left.
inline void Choose(uint32_t slot, uint32_t entry, uint32_t single, uint32_t* stored, uint32_t* s,
                   uint32_t* next_free, uint32_t* run_test) {
#if defined(__x86_64__)
  *stored = slot;
  *s = slot;
  const uint32_t one = 1;
  // slot - 0xFFFFFFFF borrows (CF) unless slot is free: next_free - (-1) - CF.
  asm("cmpl $-1, %[slot]\n\t"
      "cmove %[entry], %[stored]\n\t"
      "cmove %[single], %[s]\n\t"
      "cmovne %[one], %[run_test]\n\t"
      "sbbl $-1, %[next_free]"
      : [stored] "+&r"(*stored), [s] "+&r"(*s), [run_test] "+&r"(*run_test),
        [next_free] "+&r"(*next_free)
      : [slot] "r"(slot), [entry] "r"(entry), [single] "r"(single), [one] "r"(one)
      : "cc");
#else
  const bool free = slot == 0xFFFFFFFF;
  *stored = free ? entry : slot;
  *s = free ? single : slot;
  *next_free += free;
  if (!free) *run_test = 1;
#endif
}

}  // namespace

constexpr std::array<uint16_t, 256> LzwEncoder::kScatter = [] {
  std::array<uint16_t, 256> scatter{};
  for (uint32_t i = 0; i < 256; ++i) {
    scatter[i] = static_cast<uint16_t>((i * 0x9E3779B1u) >> (32 - kHashBits));
  }
  return scatter;
}();
constexpr std::array<uint32_t, 256> LzwEncoder::kSingle = [] {
  std::array<uint32_t, 256> single{};
  for (uint32_t i = 0; i < 256; ++i) single[i] = StringOf(i, i);
  return single;
}();

LzwEncoder::LzwEncoder(int min_code_size, std::vector<uint8_t>* out, size_t pixel_count)
    : min_code_size_(min_code_size),
      clear_code_(1u << min_code_size),
      pending_(new uint16_t[kLastCode + 1]),
      out_(out) {
  // Every pixel enters at most one string: four slots for each.
  int bits = kMinHashBits;
  while (bits < kHashBits && (size_t{1} << bits) < 4 * pixel_count) ++bits;
  hash_mask_ = (1u << bits) - 1;
  table_.reset(new uint32_t[size_t{1} << bits]);
  coder_.width = min_code_size_ + 1;
  Start();
}

void LzwEncoder::Put(uint32_t code) {
  Coder& c = coder_;
  c.bits |= uint64_t{code} << c.bit_count;
  c.bit_count += c.width;
  // Stores 8 bytes, the spare ones overwritten by the next code.
  std::memcpy(block_ + c.block_size, &c.bits, 8);
  const int bytes = c.bit_count >> 3;
  c.block_size += bytes;
  c.bits >>= 8 * bytes;
  c.bit_count &= 7;
  if (c.block_size >= kBlockBytes) c.block_size = FlushBlock(c.block_size);
}

void LzwEncoder::PutPending() {
  const uint16_t* const pending = pending_.get();
  const uint32_t end = coder_.next_free;
  // The codes gather in 64 bits, written out 32 at a time.
  uint64_t bits = coder_.bits;
  int bit_count = coder_.bit_count;
  int size = coder_.block_size;
  const int width = coder_.width;
  for (uint32_t k = pending_from_; k < end; ++k) {
    bits |= uint64_t{pending[k]} << bit_count;
    bit_count += width;
    if (bit_count >= 32) {
      const uint32_t low = static_cast<uint32_t>(bits);
      std::memcpy(block_ + size, &low, 4);
      size += 4;
      bits >>= 32;
      bit_count -= 32;
      if (size >= kBlockBytes) [[unlikely]] size = FlushBlock(size);
    }
  }
  // Whole bytes to the block, as Put leaves it.
  std::memcpy(block_ + size, &bits, 8);
  size += bit_count >> 3;
  bits >>= bit_count & ~7;
  bit_count &= 7;
  if (size >= kBlockBytes) size = FlushBlock(size);
  coder_.bits = bits;
  coder_.bit_count = bit_count;
  coder_.block_size = size;
  pending_from_ = end;
}

void LzwEncoder::Start() {
  Put(clear_code_);  // as wide as the codes before it
  ResetTable();
  coder_.next_free = clear_code_ + 2;
  pending_from_ = coder_.next_free;
  coder_.width = min_code_size_ + 1;
  coder_.limit = 1u << coder_.width;
}

bool LzwEncoder::Grow() {
  if (coder_.width < 12) {
    // The decoder, one entry behind, widens its codes after this same code.
    ++coder_.width;
    coder_.limit = coder_.width < 12 ? 1u << coder_.width : kLastCode;
    return true;
  }
  Start();
  return false;
}

void LzwEncoder::ResetTable() {
  std::fill(table_.get(), table_.get() + hash_mask_ + 1, kFree);
  std::fill(run_max_, run_max_ + 256, 1);
}

int LzwEncoder::FlushBlock(int size) {
  out_->push_back(static_cast<uint8_t>(kBlockBytes));
  out_->insert(out_->end(), block_, block_ + kBlockBytes);
  std::memmove(block_, block_ + kBlockBytes, static_cast<size_t>(size - kBlockBytes));
  return size - kBlockBytes;
}

uint32_t LzwEncoder::Find(uint32_t s, uint32_t index, uint32_t* slot) const {
  const uint32_t key = Key(s, index);
  uint32_t h = Slot(s, index);
  while ((*slot = table_[h]) != kFree && (*slot & 0xFFFFF) != key) h = (h + 1) & hash_mask_;
  return h;
}

size_t LzwEncoder::TakeRun(const uint8_t* indices, size_t count, size_t i, uint32_t c,
                           uint32_t* prefix) {
  if (runs_ == nullptr) runs_.reset(new uint16_t[256 * (kRunCap + 1)]);
  uint16_t* const runs = runs_.get() + c * (kRunCap + 1);
  runs[1] = static_cast<uint16_t>(c);
  uint32_t n = 1;  // the string is c repeated n times
  for (;;) {
    // The pixels of the run not yet taken, counted only as far as the run table can follow
    // them: counting a long run to its end on every call would make it cost its length
    // squared.
    const size_t r = CountRun(indices + i, std::min<size_t>(count - i, kRunCap), c);
    const uint32_t m = run_max_[c];
    if (n + r <= m) {
      *prefix = runs[n + r];
      return i + r;
    }
    // The string grows to m repeats; does the table hold one more?
    i += m - n;
    const uint32_t code = runs[m];
    if (m == kRunCap) {
      *prefix = code;
      return i;
    }
    uint32_t slot;
    const uint32_t s = StringOf(code, c);
    const uint32_t h = Find(s, c, &slot);
    if (slot != kFree) {
      runs[m + 1] = static_cast<uint16_t>(CodeOf(slot));
      run_max_[c] = static_cast<uint16_t>(m + 1);
      n = m;
      continue;
    }
    Put(code);
    if (Enter(h, Key(s, c))) {
      runs[m + 1] = static_cast<uint16_t>(coder_.next_free - 1);
      run_max_[c] = static_cast<uint16_t>(m + 1);
    }
    // A new string starts with the next c.
    n = 1;
    ++i;
  }
}

void LzwEncoder::Add(const uint8_t* indices, size_t count) {
  size_t i = 0;
  if (!started_) {
    if (count == 0) return;
    string_ = kSingle[indices[0]];
    started_ = true;
    ++i;
  }
  // The pixels go in pieces, each taken the way that suits how often the one before ended a
  // string.
  while (i < count) {
    const size_t piece = std::min<size_t>(count - i, kPiece);
    const bool ending = ended_ * kEndingDivisor >= kEndingShare * taken_;
    // A constant mask for the full table frees a register in the loop.
    const bool full = hash_mask_ == (1u << kHashBits) - 1;
    size_t ended;
    if (full) {
      ended = ending ? AddPixels<(1u << kHashBits) - 1, true>(indices + i, piece)
                     : AddPixels<(1u << kHashBits) - 1, false>(indices + i, piece);
    } else {
      ended = ending ? AddPixels<0, true>(indices + i, piece) : AddPixels<0, false>(indices + i, piece);
    }
    ended_ = ended;
    taken_ = piece;
    i += piece;
  }
}

template <uint32_t kMask, bool kMostlyEnding>
size_t LzwEncoder::AddPixels(const uint8_t* indices, size_t count) {
  uint32_t* const table = table_.get();
  uint16_t* const pending = pending_.get();
  const uint32_t mask = kMask != 0 ? kMask : hash_mask_;
  uint32_t s = string_;
  uint32_t next_free = coder_.next_free;
  uint32_t limit = coder_.limit;
  // Strings ended: next_free - counted_from, plus those counted before the last jump of
  // next_free.
  size_t ended = 0;
  uint32_t counted_from = next_free;

  // After next_free has passed the limit: writes what is pending and widens the codes or
  // starts the table afresh.
  const auto grow = [&] {
    ended += next_free - counted_from;
    coder_.next_free = next_free;
    PutPending();
    Grow();
    next_free = counted_from = coder_.next_free;
    limit = coder_.limit;
  };

  // Takes one pixel. *run_test is left as it is when the pixel ended a string, else set to 1.
  // On photographs a string ends at every second pixel or so, at random: a branch on it
  // would be mispredicted half the time. So the probing stops at the key or at a free slot
  // on one branch (almost always after the first slot), and then both outcomes are worked
  // out and one is kept by conditional moves. Where nearly every pixel ends a string (noise),
  // a branch on it is foreseen and lets the next lookup start before this one's slot has
  // come: that way is taken there. The code a string ends with is only noted here;
  // PutPending writes them.
  auto step = [&](uint32_t pixel, uint32_t* run_test) __attribute__((always_inline)) {
    const uint32_t prefix = s >> 20;
    const uint32_t key = pixel << 12 | prefix;
    // Below the full table's size already.
    uint32_t h = Spread(s) ^ kScatter[pixel];
    if (kMask != (1u << kHashBits) - 1) h &= mask;
    uint32_t slot;
    if constexpr (kMostlyEnding) {
      while ((slot = table[h]) != kFree) {
        if (((slot ^ key) << 12) == 0) [[unlikely]] {
          s = slot;
          *run_test = 1;
          return;
        }
        h = (h + 1) & mask;
      }
      pending[next_free] = static_cast<uint16_t>(prefix);
      table[h] = next_free << 20 | key;
      ++next_free;
      s = kSingle[pixel];
      if (next_free > limit) [[unlikely]] {
        grow();
        *run_test = 1;  // no run after a clear or a wider code
      }
    } else {
      for (;;) {
        slot = table[h];
        // Zero at the key ((slot ^ key) << 12) or at a free slot (~slot). Hidden from the
        // optimiser, which would otherwise split the path on the two again.
        uint32_t go_on = std::min((slot ^ key) << 12, ~slot);
        asm("" : "+r"(go_on));
        if (go_on == 0) break;
        h = (h + 1) & mask;
      }
      // At a free slot the string ends: its code is noted and key entered.
      pending[next_free] = static_cast<uint16_t>(prefix);
      uint32_t stored;
      Choose(slot, next_free << 20 | key, kSingle[pixel], &stored, &s, &next_free, run_test);
      table[h] = stored;
      if (next_free > limit) [[unlikely]] {
        grow();
        *run_test = 1;  // no run after a clear or a wider code
      }
    }
  };

  // The last four pixels are taken without looking ahead for a run.
  const uint8_t* p = indices;
  const uint8_t* const look_ahead_end = indices + (count > 4 ? count - 4 : 0);
  while (p < look_ahead_end) {
    const uint32_t pixel = *p++;
    // A string starting here, followed by four more of the same index: a run. Tested as one
    // condition so that the branch does not follow the hit or miss.
    uint32_t next4;
    std::memcpy(&next4, p, 4);
    uint32_t run_test = next4 ^ pixel * 0x01010101u;
    step(pixel, &run_test);
    if (run_test != 0) continue;
    ended += next_free - counted_from;
    coder_.next_free = next_free;
    PutPending();
    uint32_t run_code;
    p = indices + TakeRun(indices, count, static_cast<size_t>(p - indices), pixel, &run_code);
    s = StringOf(run_code, pixel);
    next_free = counted_from = coder_.next_free;
    limit = coder_.limit;
  }
  for (uint32_t ignored = 0; p < indices + count;) step(*p++, &ignored);
  ended += next_free - counted_from;
  coder_.next_free = next_free;
  PutPending();
  string_ = s;
  return ended;
}

void LzwEncoder::Finish() {
  if (started_) {
    Put(CodeOf(string_));
    // The decoder enters a string for this last code too, and may widen before the end code.
    if (coder_.next_free == coder_.limit && coder_.width < 12) ++coder_.width;
  }
  Put(clear_code_ + 1);
  if (coder_.bit_count > 0) {
    block_[coder_.block_size++] = static_cast<uint8_t>(coder_.bits);
    coder_.bits = 0;
    coder_.bit_count = 0;
  }
  if (coder_.block_size > 0) {
    out_->push_back(static_cast<uint8_t>(coder_.block_size));
    out_->insert(out_->end(), block_, block_ + coder_.block_size);
  }
  out_->push_back(0);
}

}  // namespace framix32
