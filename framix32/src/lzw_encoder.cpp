#include "lzw_encoder.h"

#include <algorithm>

namespace framix32 {
namespace {
constexpr uint32_t kMaxCode = 4095;
}  // namespace

LzwEncoder::LzwEncoder(int min_code_size, std::vector<uint8_t>* out)
    : min_code_size_(min_code_size),
      clear_code_(1u << min_code_size),
      out_(out),
      table_(kHashSize) {
  ResetTable();
  PutCode(clear_code_);
}

void LzwEncoder::ResetTable() {
  std::fill(table_.begin(), table_.end(), kFree);
  next_free_ = clear_code_ + 2;
  width_ = min_code_size_ + 1;
}

void LzwEncoder::FlushBlock() {
  out_->push_back(static_cast<uint8_t>(block_size_));
  out_->insert(out_->end(), block_, block_ + block_size_);
  block_size_ = 0;
}

void LzwEncoder::Enter(uint32_t h, uint32_t key) {
  if (next_free_ > kMaxCode) {
    PutCode(clear_code_);
    ResetTable();
    return;
  }
  table_[h] = key << 12 | next_free_;
  // The decoder, one entry behind, widens its codes after this same code.
  if (next_free_ == (1u << width_) && width_ < 12) ++width_;
  ++next_free_;
}

void LzwEncoder::Add(const uint8_t* indices, size_t count) {
  size_t i = 0;
  if (prefix_ < 0) {
    if (count == 0) return;
    prefix_ = indices[i++];
  }
  const uint32_t* const table = table_.data();
  uint32_t prefix = static_cast<uint32_t>(prefix_);
  for (; i < count; ++i) {
    const uint32_t pixel = indices[i];
    const uint32_t key = prefix << 8 | pixel;
    uint32_t h = Hash(prefix, pixel);
    uint32_t slot;
    // Linear probing; the table is never more than half full, so a free slot is near.
    while ((slot = table[h]) != kFree && (slot >> 12) != key) h = (h + 1) & (kHashSize - 1);
    if (slot != kFree) {
      prefix = slot & 0xFFF;
      continue;
    }
    PutCode(prefix);
    Enter(h, key);
    prefix = pixel;
  }
  prefix_ = static_cast<int32_t>(prefix);
}

void LzwEncoder::Finish() {
  if (prefix_ >= 0) PutCode(static_cast<uint32_t>(prefix_));
  PutCode(clear_code_ + 1);
  if (bit_count_ > 0) {
    block_[block_size_++] = static_cast<uint8_t>(bits_);
    bits_ = 0;
    bit_count_ = 0;
  }
  if (block_size_ > 0) FlushBlock();
  out_->push_back(0);
}

}  // namespace framix32
