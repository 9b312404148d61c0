// Packed bitmap rows against the format drawn pixel by pixel: the leftmost pixel in the most
// significant bits, indices cut to the bit count, the row's last byte partly filled.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "dib.h"

namespace framix32 {
namespace {

std::vector<uint8_t> PackOneByOne(const std::vector<uint8_t>& indices, int bit_count) {
  std::vector<uint8_t> row(RowBytes(bit_count, indices.size()));
  const int per_byte = 8 / bit_count;
  for (size_t x = 0; x < indices.size(); ++x) {
    const int shift = 8 - bit_count * (static_cast<int>(x % per_byte) + 1);
    row[x / per_byte] |= static_cast<uint8_t>((indices[x] & ((1 << bit_count) - 1)) << shift);
  }
  return row;
}

TEST(PackedRows, EveryWidthAndDepthMatchesTheFormat) {
  std::mt19937 random(3);
  for (int bit_count : {1, 4, 8}) {
    for (uint32_t width = 0; width <= 70; ++width) {
      SCOPED_TRACE(testing::Message() << bit_count << " bits, width " << width);
      std::vector<uint8_t> indices(width + 8);  // spare bytes, as rows of a larger image
      for (uint8_t& v : indices) v = static_cast<uint8_t>(random());
      // A row's block is not cleared first: every byte that holds a pixel must be written
      // whole, whatever it held (the padding after them is the caller's).
      std::vector<uint8_t> row(RowBytes(bit_count, width), 0xA5);
      PackRow(indices.data(), width, bit_count, row.data());
      indices.resize(width);
      const size_t pixel_bytes = (static_cast<size_t>(width) * bit_count + 7) / 8;
      std::vector<uint8_t> expected = PackOneByOne(indices, bit_count);
      expected.resize(pixel_bytes);
      row.resize(pixel_bytes);
      EXPECT_EQ(row, expected);

      std::vector<uint8_t> back(width);
      UnpackRow(row.data(), width, bit_count, back.data());
      for (uint8_t& v : indices) v &= static_cast<uint8_t>((1u << bit_count) - 1);
      EXPECT_EQ(back, indices);
    }
  }
}

}  // namespace
}  // namespace framix32
