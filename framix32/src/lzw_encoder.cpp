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

}  // namespace

LzwEncoder::LzwEncoder(int min_code_size, std::vector<uint8_t>* out)
    : min_code_size_(min_code_size),
      clear_code_(1u << min_code_size),
      out_(out),
      table_(kHashSize),
      runs_(new uint16_t[256 * (kRunCap + 1)]) {
  for (uint32_t c = 0; c < 256; ++c) runs_[c * (kRunCap + 1) + 1] = static_cast<uint16_t>(c);
  ResetTable();
  coder_.next_free = clear_code_ + 2;
  coder_.width = min_code_size_ + 1;
  Put(coder_, clear_code_);
}

void LzwEncoder::ResetTable() {
  std::fill(table_.begin(), table_.end(), kFree);
  std::fill(run_max_, run_max_ + 256, 1);
}

void LzwEncoder::FlushBlock(int size) {
  out_->push_back(static_cast<uint8_t>(size));
  out_->insert(out_->end(), block_, block_ + size);
}

uint32_t LzwEncoder::Find(uint32_t prefix, uint32_t byte, uint32_t* slot) const {
  const uint32_t key = prefix << 8 | byte;
  uint32_t h = Hash(prefix, byte);
  while ((*slot = table_[h]) != kFree && (*slot >> 12) != key) h = (h + 1) & (kHashSize - 1);
  return h;
}

size_t LzwEncoder::TakeRun(const uint8_t* indices, size_t count, size_t i, uint32_t c,
                           uint32_t* prefix) {
  uint16_t* const runs = runs_.get() + c * (kRunCap + 1);
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
  const uint32_t* const table = table_.data();
  uint32_t prefix = static_cast<uint32_t>(prefix_);
  Coder coder = coder_;
  while (i < count) {
    const uint32_t pixel = indices[i++];
    const uint32_t key = prefix << 8 | pixel;
    uint32_t h = Hash(prefix, pixel);
    uint32_t slot;
    // Linear probing; the table is never more than half full, so a free slot is near.
    while ((slot = table[h]) != kFree && (slot >> 12) != key) h = (h + 1) & (kHashSize - 1);
    if (slot != kFree) {
      prefix = slot & 0xFFF;
      continue;
    }
    Put(coder, prefix);
    Enter(coder, h, key);
    prefix = pixel;
    // Four more of the same index: a run.
    uint32_t next4;
    if (count - i < 4) continue;
    std::memcpy(&next4, indices + i, 4);
    if (next4 != pixel * 0x01010101u) continue;
    coder_ = coder;
    i = TakeRun(indices, count, i, pixel, &prefix);
    coder = coder_;
  }
  coder_ = coder;
  prefix_ = static_cast<int32_t>(prefix);
}

void LzwEncoder::Finish() {
  if (prefix_ >= 0) Put(coder_, static_cast<uint32_t>(prefix_));
  Put(coder_, clear_code_ + 1);
  if (coder_.bit_count > 0) {
    block_[coder_.block_size++] = static_cast<uint8_t>(coder_.bits);
    coder_.bits = 0;
    coder_.bit_count = 0;
  }
  if (coder_.block_size > 0) FlushBlock(coder_.block_size);
  out_->push_back(0);
}

}  // namespace framix32
