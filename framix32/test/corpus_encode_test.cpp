// Every corpus file's first frame written again: both decoders give back exactly its indices,
// and the file is no larger than the one giflib writes for the same indices and colour table.
#include <gif_lib.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "byte_source.h"
#include "corpus_folder.h"
#include "frame_loader.h"
#include "lzw_encoder.h"

namespace framix32::test {
namespace {

struct Indices {
  int width = 0, height = 0;
  std::vector<uint8_t> pixels;
};

struct Memory {
  std::vector<uint8_t> bytes;
  size_t at = 0;
};

int ReadMemory(GifFileType* gif, GifByteType* out, int n) {
  auto* m = static_cast<Memory*>(gif->UserData);
  const size_t take = std::min<size_t>(n, m->bytes.size() - m->at);
  std::memcpy(out, m->bytes.data() + m->at, take);
  m->at += take;
  return static_cast<int>(take);
}

int WriteMemory(GifFileType* gif, const GifByteType* data, int n) {
  static_cast<Memory*>(gif->UserData)->bytes.insert(
      static_cast<Memory*>(gif->UserData)->bytes.end(), data, data + n);
  return n;
}

// giflib's first image, or none when giflib refuses the file.
Indices GiflibFirstImage(Memory memory) {
  Indices out;
  int error = 0;
  GifFileType* gif = DGifOpen(&memory, ReadMemory, &error);
  if (gif == nullptr) return out;
  if (DGifSlurp(gif) == GIF_OK && gif->ImageCount > 0) {
    const SavedImage& image = gif->SavedImages[0];
    out.width = image.ImageDesc.Width;
    out.height = image.ImageDesc.Height;
    out.pixels.assign(image.RasterBits, image.RasterBits + size_t(out.width) * out.height);
  }
  DGifCloseFile(gif, &error);
  return out;
}

// A GIF of the indices with a 256-colour grey table: ours, rows handed over one at a time as
// the writer does.
std::vector<uint8_t> OurFile(const Indices& image) {
  std::vector<uint8_t> out = {'G', 'I', 'F', '8', '9', 'a'};
  auto put16 = [&](int v) {
    out.push_back(uint8_t(v));
    out.push_back(uint8_t(v >> 8));
  };
  put16(image.width);
  put16(image.height);
  out.insert(out.end(), {0xF7, 0, 0});
  for (int i = 0; i < 256; ++i) out.insert(out.end(), {uint8_t(i), uint8_t(i), uint8_t(i)});
  out.push_back(0x2C);
  put16(0);
  put16(0);
  put16(image.width);
  put16(image.height);
  out.insert(out.end(), {0, 8});
  LzwEncoder encoder(8, &out, image.pixels.size());
  for (int y = 0; y < image.height; ++y) {
    encoder.Add(image.pixels.data() + size_t(y) * image.width, image.width);
  }
  encoder.Finish();
  out.push_back(0x3B);
  return out;
}

// The same written by giflib.
std::vector<uint8_t> GiflibFile(const Indices& image) {
  Memory memory;
  int error = 0;
  GifFileType* gif = EGifOpen(&memory, WriteMemory, &error);
  GifColorType colors[256];
  for (int i = 0; i < 256; ++i) colors[i] = {uint8_t(i), uint8_t(i), uint8_t(i)};
  ColorMapObject* map = GifMakeMapObject(256, colors);
  EGifPutScreenDesc(gif, image.width, image.height, 8, 0, map);
  EGifPutImageDesc(gif, 0, 0, image.width, image.height, false, nullptr);
  std::vector<uint8_t> pixels(image.pixels);
  EGifPutLine(gif, pixels.data(), static_cast<int>(pixels.size()));
  EGifCloseFile(gif, &error);
  GifFreeMapObject(map);
  return memory.bytes;
}

TEST(CorpusEncoding, FirstFramesDecodeBackExactlyAndAreNoLargerThanGiflibs) {
  const std::vector<std::string> files = CorpusFiles();
  FRAMIX32_REQUIRE_CORPUS(files);
  int compared = 0;
  size_t ours_total = 0, giflib_total = 0;
  for (const std::string& path : files) {
    Memory file;
    ByteSource whole(path.c_str());
    file.bytes.resize(std::filesystem::file_size(path));
    file.bytes.resize(whole.Read(file.bytes.data(), file.bytes.size()));
    const Indices image = GiflibFirstImage(std::move(file));
    if (image.pixels.empty()) continue;
    SCOPED_TRACE(path);

    const std::vector<uint8_t> ours = OurFile(image);
    const std::vector<uint8_t> theirs = GiflibFile(image);
    EXPECT_LE(ours.size(), theirs.size());
    ours_total += ours.size();
    giflib_total += theirs.size();

    const Indices back = GiflibFirstImage(Memory{ours});
    EXPECT_EQ(back.width, image.width);
    EXPECT_TRUE(back.pixels == image.pixels) << "giflib reads other indices back";

    ByteSource in(ours.data(), ours.size());
    FrameReader reader(in);
    DecodedFrame frame;
    bool done = false;
    ASSERT_EQ(reader.Start(), kNoError);
    ASSERT_EQ(reader.Next(&frame, &done), kNoError);
    ASSERT_FALSE(done);
    EXPECT_EQ(frame.decoded, kNoError);
    EXPECT_TRUE(std::equal(image.pixels.begin(), image.pixels.end(), frame.pixels.data()))
        << "our reader reads other indices back";
    ++compared;
  }
  EXPECT_GE(compared, CorpusMinimumRead());
  RecordProperty("bytes_ours", std::to_string(ours_total));
  RecordProperty("bytes_giflib", std::to_string(giflib_total));
}

}  // namespace
}  // namespace framix32::test
