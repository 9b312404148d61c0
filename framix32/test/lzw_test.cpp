// The LZW encoder and decoder against each other on data that exercises code widening, the
// full 12-bit table and its clear codes, and against malformed code streams.
#include <gtest/gtest.h>

#include <random>

#include "lzw_decoder.h"
#include "lzw_encoder.h"

namespace framix32 {
namespace {

// Strips the sub-block framing the encoder writes.
std::vector<uint8_t> Unblock(const std::vector<uint8_t>& blocks) {
  std::vector<uint8_t> data;
  for (size_t at = 0; at < blocks.size() && blocks[at] != 0; at += 1 + blocks[at]) {
    data.insert(data.end(), blocks.begin() + at + 1, blocks.begin() + at + 1 + blocks[at]);
  }
  return data;
}

std::vector<uint8_t> Decode(int m, const std::vector<uint8_t>& data, size_t count,
                            LzwResult* result) {
  std::vector<uint8_t> out(count + kLzwOutputSlack);
  *result = DecodeLzw(m, data.data(), data.size(), out.data(), count);
  out.resize(count);
  return out;
}

TEST(Lzw, RoundTripsAcrossCodeSizesAndTableResets) {
  std::mt19937 random(7);
  for (int m = 2; m <= 8; ++m) {
    // Noise fills the table quickly (many clears); runs make long strings.
    for (int kind = 0; kind < 3; ++kind) {
      SCOPED_TRACE(testing::Message() << "m=" << m << " kind=" << kind);
      std::vector<uint8_t> pixels(200000);
      for (size_t i = 0; i < pixels.size(); ++i) {
        const uint32_t r = random();
        pixels[i] = static_cast<uint8_t>(kind == 0 ? r : kind == 1 ? (i / 97) : (i % 13 + r % 2));
        pixels[i] &= static_cast<uint8_t>((1 << m) - 1);
      }
      std::vector<uint8_t> blocks;
      LzwEncoder encoder(m, &blocks);
      encoder.Add(pixels.data(), 1000);  // in pieces, as rows arrive
      encoder.Add(pixels.data() + 1000, pixels.size() - 1000);
      encoder.Finish();
      for (size_t at = 0; blocks[at] != 0; at += 1 + blocks[at]) ASSERT_LE(blocks[at], 252);

      LzwResult result;
      EXPECT_EQ(Decode(m, Unblock(blocks), pixels.size(), &result), pixels);
      EXPECT_EQ(result.code, kNoError);
    }
  }
}

TEST(Lzw, MalformedStreamsStopWithoutOverrunning) {
  // m = 2: clear 4, end 5, first free 6, 3-bit codes, least significant bit first.
  auto pack = [](std::initializer_list<uint32_t> codes) {
    std::vector<uint8_t> out;
    uint32_t bits = 0;
    int count = 0;
    for (uint32_t c : codes) {
      bits |= c << count;
      count += 3;
      while (count >= 8) {
        out.push_back(static_cast<uint8_t>(bits));
        bits >>= 8;
        count -= 8;
      }
    }
    if (count > 0) out.push_back(static_cast<uint8_t>(bits));
    return out;
  };
  LzwResult result;
  // The string-plus-first-character case: 1, then code 6 = "1 1".
  EXPECT_EQ(Decode(2, pack({4, 1, 6, 5}), 3, &result), (std::vector<uint8_t>{1, 1, 1}));
  EXPECT_EQ(result.code, kNoError);
  // Code 6 with no previous code, and a code beyond the next free one.
  Decode(2, pack({4, 6}), 3, &result);
  EXPECT_EQ(result.code, kCorrupt);
  Decode(2, pack({4, 1, 7}), 3, &result);
  EXPECT_EQ(result.code, kCorrupt);
  EXPECT_EQ(result.produced, 1u);
  // More pixels than the image holds: the surplus is dropped.
  EXPECT_EQ(Decode(2, pack({4, 2, 6, 7, 5}), 4, &result), (std::vector<uint8_t>{2, 2, 2, 2}));
  EXPECT_EQ(result.code, kNoError);
  // Data ending before the end code (the padding bits read as two more zeros).
  EXPECT_EQ(Decode(2, pack({4, 3, 3}), 10, &result),
            (std::vector<uint8_t>{3, 3, 0, 0, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(result.code, kCorrupt);
  EXPECT_EQ(result.produced, 4u);
  Decode(1, pack({4}), 1, &result);
  EXPECT_EQ(result.code, kCorrupt);
}

}  // namespace
}  // namespace framix32
