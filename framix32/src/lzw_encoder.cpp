#include "lzw_encoder.h"

namespace framix32 {
namespace {
constexpr uint32_t kMaxCode = 4095;
// A block is flushed once more than this many bits wait, so none holds more than 252 bytes.
constexpr int kFlushBits = 2007;
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
  for (Slot& slot : table_) slot.key = -1;
  next_free_ = clear_code_ + 2;
  width_ = min_code_size_ + 1;
}

void LzwEncoder::PutCode(uint32_t code) {
  bits_ |= static_cast<uint64_t>(code) << bit_count_;
  bit_count_ += width_;
  while (bit_count_ >= 8) {
    block_[block_size_++] = static_cast<uint8_t>(bits_);
    bits_ >>= 8;
    bit_count_ -= 8;
  }
  if (block_size_ * 8 + bit_count_ > kFlushBits) FlushBlock();
}

void LzwEncoder::FlushBlock() {
  out_->push_back(static_cast<uint8_t>(block_size_));
  out_->insert(out_->end(), block_, block_ + block_size_);
  block_size_ = 0;
}

void LzwEncoder::Enter(int h, int32_t key) {
  if (next_free_ > kMaxCode) {
    PutCode(clear_code_);
    ResetTable();
    return;
  }
  if (h >= 0) table_[h] = Slot{key, static_cast<int32_t>(next_free_)};
  // The decoder, one entry behind, widens its codes after this same code.
  if (next_free_ == (1u << width_) && width_ < 12) ++width_;
  ++next_free_;
  if (h < 0) {
    PutCode(clear_code_);
    ResetTable();
  }
}

void LzwEncoder::Add(const uint8_t* indices, size_t count) {
  size_t i = 0;
  if (prefix_ < 0) {
    if (count == 0) return;
    prefix_ = indices[i++];
  }
  const Slot* const table = table_.data();
  int32_t prefix = prefix_;
  for (; i < count; ++i) {
    const uint8_t pixel = indices[i];
    const int32_t key = (prefix << 8) | pixel;
    int h = ((pixel << 5) ^ prefix) % kHashSize;
    int step = 1;
    int probes = 0;
    while (table[h].key != key) {
      if (table[h].key < 0) break;
      // Steps of 1, 3, 5, ... reach only about half the slots of a prime-sized table: after
      // that many probes the pair is treated as new and the table is started afresh.
      if (++probes > kHashSize / 2 + 1) {
        h = -1;
        break;
      }
      h += step;
      step += 2;
      if (h >= kHashSize) h %= kHashSize;
    }
    if (h >= 0 && table[h].key == key) {
      prefix = table[h].code;
      continue;
    }
    PutCode(static_cast<uint32_t>(prefix));
    Enter(h, key);
    prefix = pixel;
  }
  prefix_ = prefix;
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
