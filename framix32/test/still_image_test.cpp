// GetFileInformation, ReadGraphicFile and WriteGraphicFile on hand-made files, and written
// files read back by our reader and by giflib.
#include <gif_lib.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <random>

#include <sys/stat.h>

#include "byte_source.h"
#include "dib.h"
#include "frame_loader.h"
#include "framix32.h"
#include "gif_builder.h"

namespace framix32::test {
namespace {

struct Image {
  DibHeader header;
  std::vector<uint8_t> palette;  // the block's quads
  std::vector<uint8_t> indices;  // top-down, one per pixel
};

// Unpacks a block returned by ReadGraphicFile (or built by MakeBitmap) and frees it.
Image Unpack(HGLOBAL block) {
  Image image;
  const auto* bytes = static_cast<const uint8_t*>(dzGlobalLock(block));
  image.header = LoadHeader(bytes);
  const DibHeader& h = image.header;
  const size_t quads = size_t{4} << h.bit_count;
  image.palette.assign(bytes + kInfoHeaderSize, bytes + kInfoHeaderSize + quads);
  const size_t row_bytes = RowBytes(h.bit_count, h.width);
  image.indices.resize(size_t(h.width) * h.height);
  for (int y = 0; y < h.height; ++y) {
    UnpackRow(bytes + kInfoHeaderSize + quads + (h.height - 1 - y) * row_bytes, h.width,
              h.bit_count, image.indices.data() + y * h.width);
  }
  dzGlobalUnlock(block);
  dzGlobalFree(block);
  return image;
}

Image ReadImage(const char* path) {
  HGLOBAL block = ReadGraphicFile(path);
  EXPECT_NE(block, nullptr) << "error " << GetError(nullptr);
  return block ? Unpack(block) : Image{};
}

// A packed bitmap of the given depth with a recognisable palette.
HGLOBAL MakeBitmap(int bit_count, int width, int height, const std::vector<uint8_t>& indices) {
  const size_t quads = size_t{4} << bit_count;
  const size_t row_bytes = RowBytes(bit_count, width);
  HGLOBAL block = dzGlobalAlloc(kInfoHeaderSize + quads + row_bytes * height);
  auto* bytes = static_cast<uint8_t*>(dzGlobalLock(block));
  DibHeader h;
  h.width = width;
  h.height = height;
  h.bit_count = static_cast<uint16_t>(bit_count);
  h.clr_used = h.clr_important = 1u << bit_count;
  StoreHeader(h, bytes);
  for (size_t i = 0; i < (size_t{1} << bit_count); ++i) {
    bytes[kInfoHeaderSize + i * 4] = static_cast<uint8_t>(i * 7);
    bytes[kInfoHeaderSize + i * 4 + 1] = static_cast<uint8_t>(255 - i);
    bytes[kInfoHeaderSize + i * 4 + 2] = static_cast<uint8_t>(i * 3 + 1);
  }
  for (int y = 0; y < height; ++y) {
    PackRow(indices.data() + y * width, width, bit_count,
            bytes + kInfoHeaderSize + quads + (height - 1 - y) * row_bytes);
  }
  dzGlobalUnlock(block);
  return block;
}

TestGif OneFrame(int width, int height, int global_bits, std::vector<uint8_t> indices) {
  TestGif gif{width, height, global_bits, {}};
  TestFrame frame;
  frame.width = width;
  frame.height = height;
  frame.indices = std::move(indices);
  gif.frames.push_back(frame);
  return gif;
}

std::vector<uint8_t> Pattern(int count, int colors, unsigned seed = 1) {
  std::mt19937 random(seed);
  std::vector<uint8_t> v(count);
  for (int i = 0; i < count; ++i) v[i] = static_cast<uint8_t>((i / 7 + random() % 3) % colors);
  return v;
}

TEST(Identification, ConstantsAndErrorTexts) {
  EXPECT_STREQ(GetFileExtension(), "GIF");
  EXPECT_EQ(GetLibraryVersion(), 0x0100);
  EXPECT_STREQ(GetNotice(), "GIF supports from one to eight bits of color.\n\n");
  EXPECT_EQ(std::strchr(GetCopyright(), '\n'), nullptr);

  char text[FRAMIX32_ERROR_TEXT_SIZE];
  EXPECT_EQ(ReadGraphicFile("/nonexistent/file.gif"), nullptr);
  EXPECT_EQ(GetError(nullptr), 1);  // a null buffer only returns the code
  EXPECT_EQ(GetError(text), 1);
  EXPECT_STREQ(text, "Error opening the file");
}

TEST(Reading, BitDepthFollowsTheColourTable) {
  struct Case {
    int table_bits, bit_count;
  };
  for (Case c : {Case{1, 1}, Case{2, 4}, Case{3, 4}, Case{4, 4}, Case{5, 8}, Case{8, 8}}) {
    SCOPED_TRACE(c.table_bits);
    const std::vector<uint8_t> pixels = Pattern(13 * 5, 1 << c.table_bits);
    TempFile file("depth.gif", BuildGif(OneFrame(13, 5, c.table_bits, pixels)));
    const Image image = ReadImage(file.path());
    EXPECT_EQ(GetError(nullptr), 0);
    EXPECT_EQ(image.header.bit_count, c.bit_count);
    EXPECT_EQ(image.header.clr_used, 1u << c.bit_count);
    EXPECT_EQ(image.indices, pixels);
    // The GIF table's colours, then zeros.
    for (int i = 0; i < (1 << c.bit_count); ++i) {
      const uint32_t expected = i < (1 << c.table_bits) ? GlobalColor(i) : 0;
      EXPECT_EQ(image.palette[i * 4 + 2], expected >> 16);
      EXPECT_EQ(image.palette[i * 4], expected & 0xFF);
    }

    // The rows' padding stays zero, as in a zero-initialised block.
    HGLOBAL block = ReadGraphicFile(file.path());
    const auto* bytes = static_cast<const uint8_t*>(dzGlobalLock(block));
    const size_t row_bytes = RowBytes(c.bit_count, 13);
    const size_t used = (13 * c.bit_count + 7) / 8;
    for (int y = 0; y < 5; ++y) {
      const uint8_t* row = bytes + kInfoHeaderSize + (size_t{4} << c.bit_count) + y * row_bytes;
      for (size_t b = used; b < row_bytes; ++b) EXPECT_EQ(row[b], 0) << y << " " << b;
    }
    dzGlobalUnlock(block);
    dzGlobalFree(block);

    HGLOBAL info = GetFileInformation(file.path());
    ASSERT_NE(info, nullptr);
    EXPECT_EQ(dzGlobalSize(info), kInfoHeaderSize + (size_t{4} << c.bit_count));
    dzGlobalFree(info);
  }
}

TEST(Reading, FileLayoutVariants) {
  const std::vector<uint8_t> pixels = Pattern(20 * 11, 16);
  TestGif plain = OneFrame(20, 11, 4, pixels);
  const std::vector<uint8_t> bytes = BuildGif(plain);

  // Behind a 128-byte Macintosh header.
  std::vector<uint8_t> mac(128, 0x55);
  mac.insert(mac.end(), bytes.begin(), bytes.end());
  TempFile mac_file("mac.gif", mac);
  EXPECT_EQ(ReadImage(mac_file.path()).indices, pixels);

  // Interlaced, without extensions, a graphic control extension before the image.
  TestGif interlaced = plain;
  interlaced.frames[0].interlaced = true;
  interlaced.comment = false;
  TempFile interlaced_file("interlaced.gif", BuildGif(interlaced));
  EXPECT_EQ(ReadImage(interlaced_file.path()).indices, pixels);

  // Interlaced images of every height up to 40 rows (each height has its own pass sizes).
  for (int height = 1; height <= 40; ++height) {
    SCOPED_TRACE(height);
    const std::vector<uint8_t> rows = Pattern(9 * height, 16, height);
    TestGif gif = OneFrame(9, height, 4, rows);
    gif.frames[0].interlaced = true;
    TempFile file("interlaced_rows.gif", BuildGif(gif));
    EXPECT_EQ(ReadImage(file.path()).indices, rows);
  }

  // An image smaller than the screen, at an offset, with a local table.
  TestGif small = plain;
  small.width = small.height = 100;
  small.frames[0].left = 30;
  small.frames[0].local_bits = 5;
  TempFile small_file("small.gif", BuildGif(small));
  const Image image = ReadImage(small_file.path());
  EXPECT_EQ(image.header.width, 20);
  EXPECT_EQ(image.header.height, 11);
  EXPECT_EQ(image.header.bit_count, 8);
  EXPECT_EQ(image.palette[31 * 4], 255);  // local grey ramp
  EXPECT_EQ(image.indices, pixels);
}

TEST(Reading, BrokenFilesReportTheirCode) {
  const std::vector<uint8_t> pixels = Pattern(40 * 30, 4);
  const std::vector<uint8_t> good = BuildGif(OneFrame(40, 30, 2, pixels));
  const size_t image_start = 13 + 12 + 9 + 19 + 8;  // header, table, comment, loop, control
  ASSERT_EQ(good[image_start], 0x2C);
  struct Case {
    const char* name;
    std::vector<uint8_t> bytes;
    int read_code, info_code;
    bool bitmap;
  };
  auto cut = [&](size_t n) { return std::vector<uint8_t>(good.begin(), good.begin() + n); };
  auto code_size = [&](uint8_t m) {
    std::vector<uint8_t> v = good;
    v[image_start + 10] = m;
    return v;
  };
  const std::vector<Case> cases = {
      {"not a gif", {'G', 'I', 'X', '8', '9', 'a', 1, 0, 1, 0, 0, 0, 0}, 2, 2, false},
      {"global table cut", cut(20), 3, 3, false},
      {"no image", cut(image_start), 2, 3, false},
      {"zero byte before image", [&] { auto v = cut(image_start); v.push_back(0); v.insert(v.end(), good.begin() + image_start, good.end()); return v; }(), 2, 3, false},
      {"descriptor cut", cut(image_start + 5), 3, 3, false},
      {"ends before code size", cut(image_start + 10), 2, 0, false},
      {"code size 1", code_size(1), 2, 0, true},
      {"code size 9", code_size(9), 2, 0, true},
      {"data cut", cut(good.size() / 2), 2, 0, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TempFile file("broken.gif", c.bytes);
    HGLOBAL block = ReadGraphicFile(file.path());
    EXPECT_EQ(GetError(nullptr), c.read_code);
    EXPECT_EQ(block != nullptr, c.bitmap);
    dzGlobalFree(block);
    HGLOBAL info = GetFileInformation(file.path());
    EXPECT_EQ(GetError(nullptr), c.info_code);
    EXPECT_EQ(info != nullptr, c.info_code == 0);
    dzGlobalFree(info);
  }
}

TEST(Reading, CutDataKeepsWholeRowsAndZeroesTheRest) {
  std::vector<uint8_t> pixels(64 * 64);
  for (size_t i = 0; i < pixels.size(); ++i) pixels[i] = static_cast<uint8_t>(1 + i % 200);
  std::vector<uint8_t> bytes = BuildGif(OneFrame(64, 64, 8, pixels));
  bytes.resize(bytes.size() * 2 / 3);
  TempFile file("cut.gif", bytes);
  const Image image = ReadImage(file.path());
  EXPECT_EQ(GetError(nullptr), 2);
  size_t rows = 0;
  while (rows < 64 && image.indices[rows * 64] != 0) ++rows;
  ASSERT_GT(rows, 5u);
  ASSERT_LT(rows, 64u);
  EXPECT_TRUE(std::equal(pixels.begin(), pixels.begin() + rows * 64, image.indices.begin()));
  EXPECT_TRUE(std::all_of(image.indices.begin() + rows * 64, image.indices.end(),
                          [](uint8_t v) { return v == 0; }));
}

// The frame reader keeps a frame's buffer for the next, smaller one: what the smaller frame's
// data, cut short, leaves undecoded is still zeros, never the earlier frame's indices.
TEST(Reading, AReusedFrameBufferShowsNothingOfTheFrameBefore) {
  TestFrame big = OneFrame(64, 64, 8, {}).frames[0];
  big.indices.resize(64 * 64);
  for (size_t i = 0; i < big.indices.size(); ++i) big.indices[i] = uint8_t(1 + i % 200);
  TestFrame small = big;
  small.width = small.height = 40;
  small.indices.resize(40 * 40);
  std::vector<uint8_t> bytes = BuildGif(TestGif{64, 64, 8, {big, small}});
  bytes.resize(bytes.size() - 400);
  ByteSource in(bytes.data(), bytes.size());
  FrameReader reader(in);
  ASSERT_EQ(reader.Start(), kNoError);
  DecodedFrame frame;
  bool done = false;
  ASSERT_EQ(reader.Next(&frame, &done), kNoError);
  ASSERT_EQ(frame.decoded, kNoError);
  const uint8_t* first_buffer = frame.pixels.data();
  ASSERT_EQ(reader.Next(&frame, &done), kNoError);
  ASSERT_FALSE(done);
  EXPECT_EQ(frame.pixels.data(), first_buffer);
  EXPECT_EQ(frame.decoded, kCorrupt);
  size_t rows = 0;
  while (rows < 40 && frame.pixels.row(int(rows))[0] != 0) ++rows;
  ASSERT_GT(rows, 2u);
  ASSERT_LT(rows, 40u);
  EXPECT_TRUE(std::equal(small.indices.begin(), small.indices.begin() + rows * 40,
                         frame.pixels.data()));
  EXPECT_TRUE(std::all_of(frame.pixels.data() + rows * 40, frame.pixels.data() + 40 * 40,
                          [](uint8_t v) { return v == 0; }));
}

// A file reads whole through its buffer, in place or copied, whatever it held when it was
// opened: what was written after, or lies past the buffer, still comes.
TEST(Reading, AFileReadsWholeWhateverItHeldWhenOpened) {
  for (size_t size : {size_t{1}, size_t{300}, size_t{65535}, size_t{65536}, size_t{200000}}) {
    SCOPED_TRACE(size);
    std::vector<uint8_t> bytes(size + 5000);
    for (size_t i = 0; i < bytes.size(); ++i) bytes[i] = uint8_t(i * 7 + i / 251);
    TempFile file("grows.bin", std::vector<uint8_t>(bytes.begin(), bytes.begin() + size));
    ByteSource in(file.path());
    ASSERT_TRUE(in.ok());
    FILE* more = std::fopen(file.path(), "ab");
    ASSERT_NE(more, nullptr);
    std::fwrite(bytes.data() + size, 1, bytes.size() - size, more);
    std::fclose(more);
    std::vector<uint8_t> got(bytes.size() + 10);
    ASSERT_EQ(in.Read(got.data(), got.size()), bytes.size());
    got.resize(bytes.size());
    EXPECT_EQ(got, bytes);
    in.Seek(size / 2);
    size_t available = 0;
    bool to_end = true;
    const uint8_t* at = in.InPlace(&available, &to_end);
    EXPECT_FALSE(to_end);
    ASSERT_GT(available, 0u);
    EXPECT_TRUE(std::equal(at, at + std::min(available, bytes.size() - size / 2),
                           bytes.begin() + size / 2));
  }
}

TEST(Reading, HugeClaimsAreRefusedQuickly) {
  // A tiny file claiming 65535 x 65535 pixels.
  const uint8_t bytes[] = {'G', 'I', 'F', '8', '9', 'a', 0xFF, 0xFF, 0xFF, 0xFF, 0x80, 0, 0,
                           0, 0, 0, 255, 255, 255, 0x2C, 0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF,
                           0, 2, 2, 0x4C, 0x01, 0, 0x3B};
  TempFile file("huge.gif", std::vector<uint8_t>(std::begin(bytes), std::end(bytes)));
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(ReadGraphicFile(file.path()), nullptr);
  EXPECT_EQ(GetError(nullptr), 4);
  HBITMAP mask, image;
  HPALETTE palette;
  EXPECT_EQ(dzBitmapsFromGif(nullptr, file.path(), 0, &mask, &image, &palette), 0);
  EXPECT_EQ(GetError(nullptr), 4);
  EXPECT_EQ(dzPlayGif(nullptr, 0, 0, file.path(), 0), nullptr);
  EXPECT_EQ(GetError(nullptr), 4);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(500));
  // Probing only reports the size.
  HGLOBAL info = GetFileInformation(file.path());
  ASSERT_NE(info, nullptr);
  EXPECT_EQ(LoadHeader(static_cast<uint8_t*>(dzGlobalLock(info))).width, 65535);
  dzGlobalUnlock(info);
  dzGlobalFree(info);
}

TEST(Reading, ImagesWithoutWidthHaveNoRowsToTurn) {
  // Zero columns but several rows, at each depth (the eight-bit path turns its rows in place).
  for (int bits : {1, 4, 8}) {
    SCOPED_TRACE(testing::Message() << bits << " bits");
    TempFile file("no_width.gif", BuildGif(OneFrame(0, 7, bits, {})));
    HGLOBAL block = ReadGraphicFile(file.path());
    if (block == nullptr) continue;  // refusing the image is as good as reading it
    const Image image = Unpack(block);
    EXPECT_EQ(image.header.width, 0);
    EXPECT_TRUE(image.indices.empty());
  }
}

TEST(Reading, EndCodeBeforeTheLastPixelIsDamage) {
  // 4096 x 4096 claimed, two-colour table, then the codes clear, 1, end.
  const uint8_t bytes[] = {'G', 'I', 'F', '8', '9', 'a', 0x00, 0x10, 0x00, 0x10, 0x80, 0, 0,
                           0, 0, 0, 255, 255, 255, 0x2C, 0, 0, 0, 0, 0x00, 0x10, 0x00, 0x10,
                           0, 2, 2, 0x4C, 0x01, 0, 0x3B};
  TempFile file("early_end.gif", std::vector<uint8_t>(std::begin(bytes), std::end(bytes)));
  HGLOBAL block = ReadGraphicFile(file.path());
  ASSERT_NE(block, nullptr);
  EXPECT_EQ(GetError(nullptr), 2);
  const Image image = Unpack(block);
  EXPECT_EQ(image.header.width, 4096);
  // Only whole rows count as decoded: the one pixel that came is dropped with its row.
  EXPECT_TRUE(std::all_of(image.indices.begin(), image.indices.end(),
                          [](uint8_t v) { return v == 0; }));

  HBITMAP mask, bitmap;
  HPALETTE palette;
  EXPECT_EQ(dzBitmapsFromGif(nullptr, file.path(), 0, &mask, &bitmap, &palette), 1);
  EXPECT_EQ(GetError(nullptr), 2);
  dzDeleteBitmap(bitmap);

  // The same image wholly coded ends without complaint.
  TestGif whole = OneFrame(40, 3, 1, std::vector<uint8_t>(120, 1));
  TempFile whole_file("whole.gif", BuildGif(whole));
  EXPECT_EQ(ReadImage(whole_file.path()).indices, std::vector<uint8_t>(120, 1));
  EXPECT_EQ(GetError(nullptr), 0);
}

// giflib's view of a file: palette entries and indices of the first image.
struct GiflibImage {
  int width = 0, height = 0, colors = 0;
  std::vector<uint8_t> indices;
  std::vector<GifColorType> palette;
};
GiflibImage ReadWithGiflib(const char* path) {
  GiflibImage out;
  int error = 0;
  GifFileType* gif = DGifOpenFileName(path, &error);
  if (gif == nullptr) return out;
  if (DGifSlurp(gif) == GIF_OK && gif->ImageCount > 0) {
    const SavedImage& image = gif->SavedImages[0];
    out.width = image.ImageDesc.Width;
    out.height = image.ImageDesc.Height;
    out.indices.assign(image.RasterBits, image.RasterBits + out.width * out.height);
    out.colors = gif->SColorMap->ColorCount;
    out.palette.assign(gif->SColorMap->Colors, gif->SColorMap->Colors + out.colors);
  }
  DGifCloseFile(gif, &error);
  return out;
}

TEST(Writing, RoundTripsThroughOurReaderAndGiflib) {
  struct Case {
    int bit_count, width, height, colors;
  };
  const std::vector<Case> cases = {
      {1, 1, 1, 2},    {1, 33, 7, 2},   {1, 1000, 1, 2}, {4, 17, 9, 16},  {4, 1, 300, 11},
      {8, 3, 3, 256},  {8, 257, 1, 256}, {8, 301, 211, 256}, {8, 640, 480, 7}, {4, 0, 5, 16},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.bit_count << " bits " << c.width << "x" << c.height);
    const std::vector<uint8_t> pixels = Pattern(c.width * c.height, c.colors, c.width);
    HGLOBAL bitmap = MakeBitmap(c.bit_count, c.width, c.height, pixels);
    TempFile file("written.gif");
    ASSERT_EQ(WriteGraphicFile(file.path(), bitmap), 1);
    EXPECT_EQ(GetError(nullptr), 0);

    const std::vector<uint8_t> bytes = ReadBytes(file.path());
    ASSERT_GT(bytes.size(), 13u);
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 6), "GIF89a");
    const int b = c.bit_count;
    EXPECT_EQ(bytes[10], 0x80 | ((b - 1) << 4) | (b - 1));
    const size_t descriptor = 13 + 3 * (size_t{1} << b);
    EXPECT_EQ(bytes[descriptor], 0x2C);
    EXPECT_EQ(bytes[descriptor + 9], b - 1);
    EXPECT_EQ(bytes[descriptor + 10], b == 1 ? 2 : b);
    size_t at = descriptor + 11;
    for (; bytes[at] != 0 && bytes[at + 1 + bytes[at]] != 0; at += 1 + bytes[at]) {
      ASSERT_EQ(bytes[at], 255);  // full sub-blocks, but for the last one
    }
    EXPECT_EQ(bytes.back(), 0x3B);

    const Image ours = ReadImage(file.path());
    EXPECT_EQ(ours.header.bit_count, b);
    EXPECT_EQ(ours.indices, pixels);
    const Image original = Unpack(bitmap);
    EXPECT_EQ(ours.palette, original.palette);

    if (c.width == 0) continue;  // giflib refuses images without pixels
    const GiflibImage reference = ReadWithGiflib(file.path());
    EXPECT_EQ(reference.indices, pixels);
    ASSERT_EQ(reference.colors, 1 << b);
    for (int i = 0; i < reference.colors; ++i) {
      EXPECT_EQ(reference.palette[i].Red, original.palette[i * 4 + 2]);
      EXPECT_EQ(reference.palette[i].Blue, original.palette[i * 4]);
    }
  }
}

// An existing file is written over: a shorter picture must leave none of the longer one's
// bytes behind, and a picture larger than the write buffer must arrive whole.
TEST(Writing, ReplacesAnExistingFileExactly) {
  std::mt19937 random(7);
  std::vector<uint8_t> noise(400 * 400);
  for (uint8_t& v : noise) v = static_cast<uint8_t>(random());
  HGLOBAL large = MakeBitmap(8, 400, 400, noise);
  HGLOBAL small = MakeBitmap(4, 9, 5, Pattern(45, 16));
  TempFile fresh("fresh.gif"), reused("reused.gif");
  ASSERT_EQ(WriteGraphicFile(fresh.path(), small), 1);
  ASSERT_EQ(WriteGraphicFile(reused.path(), large), 1);
  EXPECT_GT(ReadBytes(reused.path()).size(), size_t{64 * 1024});
  EXPECT_EQ(ReadImage(reused.path()).indices, noise);
  ASSERT_EQ(WriteGraphicFile(reused.path(), small), 1);
  EXPECT_EQ(ReadBytes(reused.path()), ReadBytes(fresh.path()));
  ASSERT_EQ(WriteGraphicFile(reused.path(), large), 1);
  EXPECT_EQ(ReadImage(reused.path()).indices, noise);
  dzGlobalFree(large);
  dzGlobalFree(small);
}

TEST(Writing, FailuresLeaveNoFile) {
  TempFile file("refused.gif");
  auto exists = [&] { return std::filesystem::exists(file.path()); };

  HGLOBAL deep = dzGlobalAlloc(kInfoHeaderSize + 64);
  DibHeader h;
  h.width = h.height = 4;
  h.bit_count = 24;
  StoreHeader(h, static_cast<uint8_t*>(dzGlobalLock(deep)));
  dzGlobalUnlock(deep);
  EXPECT_EQ(WriteGraphicFile(file.path(), deep), 0);
  char text[FRAMIX32_ERROR_TEXT_SIZE];
  EXPECT_EQ(GetError(text), 8);
  EXPECT_STREQ(text, "Too many bits for the destination");
  EXPECT_FALSE(exists());
  dzGlobalFree(deep);

  // A header that promises more rows than the block holds is refused, not read past.
  HGLOBAL lying = MakeBitmap(8, 16, 16, Pattern(256, 256));
  auto* bytes = static_cast<uint8_t*>(dzGlobalLock(lying));
  h = LoadHeader(bytes);
  h.height = 4000;
  StoreHeader(h, bytes);
  dzGlobalUnlock(lying);
  EXPECT_EQ(WriteGraphicFile(file.path(), lying), 0);
  EXPECT_EQ(GetError(nullptr), 2);
  EXPECT_FALSE(exists());
  dzGlobalFree(lying);

  EXPECT_EQ(WriteGraphicFile(file.path(), nullptr), 0);
  EXPECT_EQ(GetError(nullptr), 4);
  EXPECT_FALSE(exists());

  HGLOBAL fine = MakeBitmap(1, 8, 8, Pattern(64, 2));
  EXPECT_EQ(WriteGraphicFile("/nonexistent/dir/x.gif", fine), 0);
  EXPECT_EQ(GetError(nullptr), 6);
  dzGlobalFree(fine);
}

}  // namespace
}  // namespace framix32::test

namespace framix32::test {
namespace {

// A FIFO that nobody writes to or reads from would block an opening or a read for ever; it, a
// device and a folder are no picture files: every call fails at once with an opening or a
// creating error, and nothing named by the caller is removed.
TEST(Files, FifosDevicesAndFoldersAreRefusedWithoutWaiting) {
  TempFile fifo("fifo.gif");
  std::filesystem::remove(fifo.path());
  ASSERT_EQ(mkfifo(fifo.path(), 0600), 0);
  const std::string folder = std::filesystem::path(fifo.path()).parent_path().string();
  HGLOBAL bitmap = MakeBitmap(4, 9, 5, Pattern(45, 16));
  for (const std::string& path : {std::string(fifo.path()), std::string("/dev/zero"), folder}) {
    SCOPED_TRACE(path);
    EXPECT_EQ(ReadGraphicFile(path.c_str()), nullptr);
    EXPECT_EQ(GetError(nullptr), 1);
    EXPECT_EQ(GetFileInformation(path.c_str()), nullptr);
    EXPECT_EQ(GetError(nullptr), 1);
    HBITMAP mask = nullptr, image = nullptr;
    HPALETTE palette = nullptr;
    dzBitmapsFromGif(nullptr, path.c_str(), 0, &mask, &image, &palette);
    EXPECT_EQ(image, nullptr);
  }
  for (const std::string& path : {std::string(fifo.path()), std::string("/dev/null"), folder}) {
    SCOPED_TRACE(path);
    EXPECT_EQ(WriteGraphicFile(path.c_str(), bitmap), 0);
    EXPECT_EQ(GetError(nullptr), 6);
  }
  EXPECT_TRUE(std::filesystem::is_fifo(fifo.path()));
  dzGlobalFree(bitmap);
}

}  // namespace
}  // namespace framix32::test
