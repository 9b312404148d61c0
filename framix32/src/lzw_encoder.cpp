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

// if_free when slot is a free slot (all ones), else otherwise: a conditional move, where the
// compiler, left to itself, would branch.
inline uint32_t IfFree(uint32_t slot, uint32_t if_free, uint32_t otherwise) {
#if defined(__x86_64__)
  asm("cmpl $-1, %1\n\tcmove %2, %0" : "+r"(otherwise) : "r"(slot), "r"(if_free) : "cc");
  return otherwise;
#else
  const uint32_t keep = 0 - static_cast<uint32_t>(slot == 0xFFFFFFFF);
  return otherwise ^ ((otherwise ^ if_free) & keep);
#endif
}

}  // namespace

LzwEncoder::LzwEncoder(int min_code_size, std::vector<uint8_t>* out, size_t pixel_count)
    : min_code_size_(min_code_size), clear_code_(1u << min_code_size), out_(out) {
  // Every pixel enters at most one string: four slots for each.
  int bits = kMinHashBits;
  while (bits < kHashBits && (size_t{1} << bits) < 4 * pixel_count) ++bits;
  hash_mask_ = (1u << bits) - 1;
  table_.reset(new uint32_t[size_t{1} << bits]);
  coder_.width = min_code_size_ + 1;
  Start(coder_);
}

void LzwEncoder::Start(Coder& c) {
  Put(c, clear_code_);  // as wide as the codes before it
  ResetTable();
  c.next_free = clear_code_ + 2;
  c.width = min_code_size_ + 1;
  c.limit = 1u << c.width;
}

bool LzwEncoder::Grow(Coder& c) {
  if (c.width < 12) {
    // The decoder, one entry behind, widens its codes after this same code.
    ++c.width;
    c.limit = c.width < 12 ? 1u << c.width : kLastCode;
    return true;
  }
  Start(c);
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

uint32_t LzwEncoder::Find(uint32_t prefix, uint32_t byte, uint32_t* slot) const {
  const uint32_t key = prefix << 8 | byte;
  uint32_t h = Hash(prefix, byte);
  while ((*slot = table_[h]) != kFree && (*slot >> 12) != key) h = (h + 1) & hash_mask_;
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
    const uint32_t h = Find(code, c, &slot);
    if (slot != kFree) {
      runs[m + 1] = static_cast<uint16_t>(slot & 0xFFF);
      run_max_[c] = static_cast<uint16_t>(m + 1);
      n = m;
      continue;
    }
    Put(coder_, code);
    if (Enter(coder_, h, code << 8 | c)) {
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
  if (prefix_ < 0) {
    if (count == 0) return;
    prefix_ = indices[i++];
  }
  // A constant mask for the full table frees a register in the loop.
  if (hash_mask_ == (1u << kHashBits) - 1) {
    AddPixels<(1u << kHashBits) - 1>(indices + i, count - i);
  } else {
    AddPixels<0>(indices + i, count - i);
  }
}

template <uint32_t kMask>
void LzwEncoder::AddPixels(const uint8_t* indices, size_t count) {
  size_t i = 0;
  uint32_t* const table = table_.get();
  const uint32_t mask = kMask != 0 ? kMask : hash_mask_;
  uint32_t prefix = static_cast<uint32_t>(prefix_);
  Coder coder = coder_;
  uint64_t bits = coder.bits;
  int bit_count = coder.bit_count;
  uint8_t* at = block_ + coder.block_size;
  uint32_t next_free = coder.next_free;
  uint32_t width = static_cast<uint32_t>(coder.width);

  // Takes one pixel and answers 1 when it ended a string, 0 when it extended one.
  // On photographs a string ends at every second pixel or so, at random: a branch on it
  // would be mispredicted half the time. So the probing stops at the key or at a free slot
  // on one branch (almost always after the first slot), and then both outcomes are worked
  // out and one is kept by conditional moves.
  auto step = [&](uint32_t pixel) {
    const uint32_t key = prefix << 8 | pixel;
    // Hash(prefix, pixel), with the pixel's part off the path from one lookup to the next.
    uint32_t h = ((prefix * (kHashFactor << 8) + pixel * kHashFactor) >> (32 - kHashBits)) & mask;
    uint32_t slot;
    for (;;) {
      slot = table[h];
      // Zero at the key ((slot >> 12) ^ key) or at a free slot (~slot). Hidden from the
      // optimiser, which would otherwise split the path on the two again.
      uint32_t go_on = std::min((slot >> 12) ^ key, ~slot);
      asm("" : "+r"(go_on));
      if (go_on == 0) break;
      h = (h + 1) & mask;
    }
    // A free slot: the string ends; the prefix is written and key entered.
    const uint32_t miss = IfFree(slot, 1, 0);
    bits |= uint64_t{IfFree(slot, prefix, 0)} << bit_count;
    bit_count += static_cast<int>(IfFree(slot, width, 0));
    std::memcpy(at, &bits, 8);
    at += bit_count >> 3;
    bits >>= bit_count & ~7;
    bit_count &= 7;
    table[h] = IfFree(slot, key << 12 | next_free, slot);
    next_free += miss;
    prefix = IfFree(slot, pixel, slot & 0xFFF);
    if (at >= block_ + kBlockBytes || next_free > coder.limit) [[unlikely]] {
      coder.bits = bits;
      coder.bit_count = bit_count;
      coder.block_size = static_cast<int>(at - block_);
      coder.next_free = next_free;
      if (coder.block_size >= kBlockBytes) coder.block_size = FlushBlock(coder.block_size);
      if (coder.next_free > coder.limit) Grow(coder);
      width = static_cast<uint32_t>(coder.width);
      bits = coder.bits;
      bit_count = coder.bit_count;
      at = block_ + coder.block_size;
      next_free = coder.next_free;
      return 0u;  // no run after a clear or a wider code
    }
    return miss;
  };

  // The last four pixels are taken without looking ahead for a run. The position is a
  // pointer, not indices + i: one register fewer in the loop keeps the bits in one.
  const uint8_t* p = indices + i;
  const uint8_t* const look_ahead_end = indices + (count > 4 ? count - 4 : 0);
  while (p < look_ahead_end) {
    const uint32_t pixel = *p++;
    const uint32_t miss = step(pixel);
    // A string starting here, followed by four more of the same index: a run. Tested as one
    // condition so that the branch does not follow the hit or miss.
    uint32_t next4;
    std::memcpy(&next4, p, 4);
    uint32_t run = miss & (next4 == pixel * 0x01010101u);
    asm("" : "+r"(run));
    if (run == 0) continue;
    coder.bits = bits;
    coder.bit_count = bit_count;
    coder.block_size = static_cast<int>(at - block_);
    coder.next_free = next_free;
    coder_ = coder;
    uint32_t run_code;  // not prefix itself, which is then kept in a register
    p = indices + TakeRun(indices, count, static_cast<size_t>(p - indices), pixel, &run_code);
    prefix = run_code;
    coder = coder_;
    width = static_cast<uint32_t>(coder.width);
    bits = coder.bits;
    bit_count = coder.bit_count;
    at = block_ + coder.block_size;
    next_free = coder.next_free;
  }
  i = static_cast<size_t>(p - indices);
  while (i < count) step(indices[i++]);
  coder.bits = bits;
  coder.bit_count = bit_count;
  coder.block_size = static_cast<int>(at - block_);
  coder.next_free = next_free;
  coder_ = coder;
  prefix_ = static_cast<int32_t>(prefix);
}

void LzwEncoder::Finish() {
  if (prefix_ >= 0) {
    Put(coder_, static_cast<uint32_t>(prefix_));
    // The decoder enters a string for this last code too, and may widen before the end code.
    if (coder_.next_free == coder_.limit && coder_.width < 12) ++coder_.width;
  }
  Put(coder_, clear_code_ + 1);
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
