// The LZW encoder and decoder against each other on data that exercises code widening, the
// full 12-bit table and its clear codes, and against malformed code streams.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>
#include <utility>

#include "lzw_decoder.h"
#include "lzw_encoder.h"

namespace framix32 {
namespace {

// Strips the sub-block framing the encoder writes.
std::vector<uint8_t> Unblock(const std::vector<uint8_t>& blocks) {
  std::vector<uint8_t> data;
  for (size_t at = 0; at < blocks.size() && blocks[at] != 0; at += 1 + blocks[at]) {
    const size_t end = std::min(blocks.size(), at + 1 + blocks[at]);  // cut short or whole
    data.insert(data.end(), blocks.begin() + at + 1, blocks.begin() + end);
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
      // Full sub-blocks, but for the last one.
      size_t at = 0;
      for (; blocks[at + 1 + blocks[at]] != 0; at += 1 + blocks[at]) ASSERT_EQ(blocks[at], 255);
      EXPECT_GT(blocks[at], 0);
      EXPECT_EQ(at + 1 + blocks[at] + 1, blocks.size());

      LzwResult result;
      EXPECT_EQ(Decode(m, Unblock(blocks), pixels.size(), &result), pixels);
      EXPECT_EQ(result.code, kNoError);
    }
  }
}

// Greedy LZW the plain way: the longest string in the table, a clear code after the code that
// finds code 4095 the next free one (the table holds codes up to 4094, as common encoders
// keep it), and the end code as wide as the decoder then reads it.
// Returns the packed code stream without sub-block framing.
std::vector<uint8_t> PlainLzw(int m, const std::vector<uint8_t>& pixels) {
  const uint32_t clear = 1u << m;
  std::map<std::pair<uint32_t, uint8_t>, uint32_t> table;
  uint32_t next_free = clear + 2;
  int width = m + 1;
  std::vector<uint8_t> out;
  uint64_t bits = 0;
  int count = 0;
  auto put = [&](uint32_t code) {
    bits |= uint64_t{code} << count;
    for (count += width; count >= 8; count -= 8, bits >>= 8) out.push_back(uint8_t(bits));
  };
  put(clear);
  uint32_t prefix = pixels[0];
  for (size_t i = 1; i < pixels.size(); ++i) {
    const auto found = table.find({prefix, pixels[i]});
    if (found != table.end()) {
      prefix = found->second;
      continue;
    }
    put(prefix);
    if (next_free == 4095) {
      put(clear);
      table.clear();
      next_free = clear + 2;
      width = m + 1;
    } else {
      table[{prefix, pixels[i]}] = next_free;
      if (next_free == (1u << width) && width < 12) ++width;
      ++next_free;
    }
    prefix = pixels[i];
  }
  put(prefix);
  // The decoder enters one more string on reading the last code.
  if (next_free == (1u << width) && width < 12) ++width;
  put(clear + 1);
  if (count > 0) out.push_back(uint8_t(bits));
  return out;
}

TEST(Lzw, EncoderWritesTheGreedyCodes) {
  // The encoder finds strings through a hash and, for runs of one index, a table of its own:
  // the codes must be the plain greedy ones, also for runs longer than any table string,
  // runs split across Add calls and runs that outlast a full table. It takes stretches where
  // nearly every pixel ends a string (noise) another way than the rest, and a small image
  // through a smaller table: the codes are the same across the changes of way (kind 4
  // alternates noise with short runs) and for every table size.
  std::mt19937 random(11);
  for (int m : {2, 5, 8}) {
    for (int kind = 0; kind < 6; ++kind) {
      SCOPED_TRACE(testing::Message() << "m=" << m << " kind=" << kind);
      std::vector<uint8_t> pixels;
      const size_t size = kind == 5 ? 1 + random() % 3000 : 150000;
      while (pixels.size() < size) {
        const uint8_t v = random() & ((1u << m) - 1);
        const bool noise = kind == 4 && pixels.size() / 9000 % 2 == 1;
        const size_t run = kind == 0 || kind == 5 ? 1 + random() % 6
                           : kind == 1            ? 1 + random() % 700
                           : kind == 2            ? (random() % 3 ? 1 : 200 + random() % 5000)
                           : kind == 3            ? 60000
                                                  : (noise ? 1 : 1 + random() % 4);
        pixels.insert(pixels.end(), run, kind == 3 ? uint8_t(pixels.size() / 60000) : v);
      }
      for (size_t pixel_count : {SIZE_MAX, pixels.size()}) {
        std::vector<uint8_t> blocks;
        LzwEncoder encoder(m, &blocks, pixel_count);
        for (size_t at = 0; at < pixels.size();) {
          const size_t piece = std::min<size_t>(pixels.size() - at, 1 + random() % 3000);
          encoder.Add(pixels.data() + at, piece);
          at += piece;
        }
        encoder.Finish();
        EXPECT_EQ(Unblock(blocks), PlainLzw(m, pixels));
      }
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
  // An end code before the image is full: what came is kept, the image is damaged.
  EXPECT_EQ(Decode(2, pack({4, 1, 6, 5}), 5, &result), (std::vector<uint8_t>{1, 1, 1, 0, 0}));
  EXPECT_EQ(result.code, kCorrupt);
  EXPECT_EQ(result.produced, 3u);
  Decode(1, pack({4}), 1, &result);
  EXPECT_EQ(result.code, kCorrupt);
}

TEST(Lzw, SubBlocksReadInPlaceGiveWhatTheirJoinedBytesGive) {
  // One code stream cut into sub-blocks of every size from 1 to 255 (the reader goes byte by
  // byte near their ends), then the same cut short at every kind of place: inside a block,
  // just after a length byte, without its terminator, with the terminator early.
  std::mt19937 random(5);
  std::vector<uint8_t> pixels(60000);
  for (size_t i = 0; i < pixels.size(); ++i) pixels[i] = uint8_t(i / 7 % 50 + random() % 3);
  std::vector<uint8_t> encoded;
  LzwEncoder encoder(8, &encoded);
  encoder.Add(pixels.data(), pixels.size());
  encoder.Finish();
  const std::vector<uint8_t> data = Unblock(encoded);

  std::vector<uint8_t> blocks;
  std::vector<size_t> length_at;  // where each length byte is
  for (size_t at = 0, size = 1; at < data.size(); at += size, size = size % 255 + 1) {
    const size_t take = std::min(size, data.size() - at);
    length_at.push_back(blocks.size());
    blocks.push_back(uint8_t(take));
    blocks.insert(blocks.end(), data.begin() + at, data.begin() + at + take);
  }
  blocks.push_back(0);

  auto in_place = [&](const std::vector<uint8_t>& bytes, LzwResult* result) {
    std::vector<uint8_t> out(pixels.size() + kLzwOutputSlack);
    *result = DecodeLzwSubBlocks(8, bytes.data(), bytes.size(), out.data(), pixels.size());
    out.resize(pixels.size());
    return out;
  };
  LzwResult result;
  EXPECT_EQ(in_place(blocks, &result), pixels);
  EXPECT_EQ(result.code, kNoError);

  const size_t middle = length_at[length_at.size() / 2];
  std::vector<std::vector<uint8_t>> damaged = {
      {blocks.begin(), blocks.begin() + middle + 100},  // inside a block
      {blocks.begin(), blocks.begin() + middle + 1},    // just after a length byte
      {blocks.begin(), blocks.end() - 1},               // no terminator
  };
  damaged.push_back(blocks);
  damaged.back()[middle] = 0;  // the terminator early
  for (size_t k = 0; k < damaged.size(); ++k) {
    SCOPED_TRACE(k);
    LzwResult joined_result;
    const std::vector<uint8_t> joined =
        Decode(8, Unblock(damaged[k]), pixels.size(), &joined_result);
    EXPECT_EQ(in_place(damaged[k], &result), joined);
    EXPECT_EQ(result.code, joined_result.code);
    EXPECT_EQ(result.produced, joined_result.produced);
  }
}

}  // namespace
}  // namespace framix32
