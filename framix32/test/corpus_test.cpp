// Every corpus file through every reader and the player (run under the sanitizers too), and
// the decoded pixels compared with giflib's wherever giflib reads the file.
#include <gif_lib.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "animation.h"
#include "byte_source.h"
#include "corpus_folder.h"
#include "dib.h"
#include "fake_window.h"
#include "frame_loader.h"
#include "framix32.h"
#include "player.h"

namespace framix32::test {
namespace {

struct GiflibFile {
  explicit GiflibFile(const std::string& path) {
    int error = 0;
    gif = DGifOpenFileName(path.c_str(), &error);
    if (gif != nullptr) ok = DGifSlurp(gif) == GIF_OK && gif->ImageCount > 0;
  }
  ~GiflibFile() {
    int error = 0;
    if (gif != nullptr) DGifCloseFile(gif, &error);
  }
  GifFileType* gif = nullptr;
  bool ok = false;
};

struct BlockDeleter {
  void operator()(dzGlobalBlock* block) const { dzGlobalFree(block); }
};
using Block = std::unique_ptr<dzGlobalBlock, BlockDeleter>;

// The first image as read by ReadGraphicFile equals giflib's: size, palette, indices (cut to
// the bitmap's depth as a packed bitmap must).
void CompareFirstImage(const std::string& path, const GifFileType& gif) {
  Block block(ReadGraphicFile(path.c_str()));
  ASSERT_NE(block, nullptr) << "error " << GetError(nullptr);
  // giflib accepts an LZW minimum code size of 1, which we refuse as corrupt (the alphabet
  // of a GIF starts at 2 bits): its one pixel is still index 0 as giflib reads it.
  if (path.find("set_hsts") == std::string::npos) {
    EXPECT_EQ(GetError(nullptr), 0);
  }
  const auto* bytes = static_cast<const uint8_t*>(dzGlobalLock(block.get()));
  const DibHeader h = LoadHeader(bytes);
  const SavedImage& first = gif.SavedImages[0];
  ASSERT_EQ(h.width, first.ImageDesc.Width);
  ASSERT_EQ(h.height, first.ImageDesc.Height);

  const ColorMapObject* map = first.ImageDesc.ColorMap ? first.ImageDesc.ColorMap : gif.SColorMap;
  const uint8_t* quad = bytes + kInfoHeaderSize;
  if (map != nullptr) {
    for (int i = 0; i < std::min(map->ColorCount, 1 << h.bit_count); ++i) {
      EXPECT_EQ(quad[i * 4 + 2], map->Colors[i].Red) << i;
      EXPECT_EQ(quad[i * 4 + 1], map->Colors[i].Green) << i;
      EXPECT_EQ(quad[i * 4], map->Colors[i].Blue) << i;
    }
  }
  const size_t row_bytes = RowBytes(h.bit_count, h.width);
  const uint8_t* rows = quad + (size_t{4} << h.bit_count);
  const uint8_t cut = static_cast<uint8_t>((1u << h.bit_count) - 1);
  std::vector<uint8_t> ours(h.width);
  for (int y = 0; y < h.height; ++y) {
    UnpackRow(rows + (h.height - 1 - y) * row_bytes, h.width, h.bit_count, ours.data());
    for (int x = 0; x < h.width; ++x) {
      ASSERT_EQ(ours[x], first.RasterBits[y * h.width + x] & cut) << "row " << y << " col " << x;
    }
  }
  dzGlobalUnlock(block.get());

  // dzBitmapsFromGif, transparency ignored: each pixel in the colour of giflib's index.
  HBITMAP mask = nullptr, bitmap = nullptr;
  HPALETTE palette = nullptr;
  ASSERT_EQ(dzBitmapsFromGif(nullptr, path.c_str(), 4, &mask, &bitmap, &palette), 1);
  ASSERT_EQ(dzBitmapWidth(bitmap), h.width);
  ASSERT_EQ(dzBitmapHeight(bitmap), h.height);
  const uint32_t* pixels = dzBitmapPixels(bitmap);
  for (int i = 0; i < h.width * h.height; ++i) {
    const int index = first.RasterBits[i] & cut;
    const uint32_t expected = 0xFF000000u | quad[index * 4 + 2] << 16 | quad[index * 4 + 1] << 8 |
                              quad[index * 4];
    ASSERT_EQ(pixels[i], expected) << "pixel " << i;
  }
  dzDeleteBitmap(bitmap);
  dzDeleteBitmap(mask);
  dzDeletePalette(palette);

  // Mode 0 on a transparent image: the key's pixels white in the mask and black in the image.
  GraphicsControlBlock control;
  if (DGifSavedExtensionToGCB(const_cast<GifFileType*>(&gif), 0, &control) == GIF_OK &&
      control.TransparentColor >= 0) {
    ASSERT_EQ(dzBitmapsFromGif(nullptr, path.c_str(), 0, &mask, &bitmap, &palette), 1);
    ASSERT_NE(mask, nullptr);
    pixels = dzBitmapPixels(bitmap);
    const uint32_t* bits = dzBitmapPixels(mask);
    for (int i = 0; i < h.width * h.height; ++i) {
      const int raw = first.RasterBits[i];
      ASSERT_EQ(bits[i], raw == control.TransparentColor ? 0xFFFFFFFFu : 0xFF000000u)
          << "mask pixel " << i;
      const int index = raw & cut;
      const uint32_t expected =
          index == control.TransparentColor
              ? 0xFF000000u
              : 0xFF000000u | quad[index * 4 + 2] << 16 | quad[index * 4 + 1] << 8 | quad[index * 4];
      ASSERT_EQ(pixels[i], expected) << "pixel " << i;
    }
    dzDeleteBitmap(bitmap);
    dzDeleteBitmap(mask);
    dzDeletePalette(palette);
  }

  Block info(GetFileInformation(path.c_str()));
  ASSERT_NE(info, nullptr);
  const auto* info_bytes = static_cast<const uint8_t*>(dzGlobalLock(info.get()));
  EXPECT_EQ(dzGlobalSize(info.get()), kInfoHeaderSize + (size_t{4} << h.bit_count));
  EXPECT_EQ(std::memcmp(info_bytes + kInfoHeaderSize, quad, size_t{4} << h.bit_count), 0);
  EXPECT_EQ(LoadHeader(info_bytes).size_image, 0u);
  dzGlobalUnlock(info.get());
}

void CompareFrames(ByteSource& in, const GifFileType& gif, const std::string& path);

// Every frame the frame reader finds has giflib's indices, read from the file or from memory
// (where the image data is decoded in place).
void CompareFrames(const std::string& path, const GifFileType& gif) {
  ByteSource file(path.c_str());
  std::vector<uint8_t> bytes(std::filesystem::file_size(path));
  bytes.resize(file.Read(bytes.data(), bytes.size()));
  ByteSource memory(bytes.data(), bytes.size());
  for (ByteSource* in : {&file, &memory}) {
    SCOPED_TRACE(in == &file ? "from the file" : "from memory");
    CompareFrames(*in, gif, path);
  }
}

void CompareFrames(ByteSource& in, const GifFileType& gif, const std::string& path) {
  in.Seek(0);
  FrameReader reader(in);
  ASSERT_EQ(reader.Start(), kNoError);
  DecodedFrame frame;  // each frame decoded into what the one before left
  for (int i = 0; i < gif.ImageCount; ++i) {
    bool done = false;
    ASSERT_EQ(reader.Next(&frame, &done), kNoError) << "frame " << i;
    ASSERT_FALSE(done) << "frame " << i << " of " << gif.ImageCount;
    const SavedImage& image = gif.SavedImages[i];
    ASSERT_EQ(frame.descriptor.width, image.ImageDesc.Width);
    ASSERT_EQ(frame.descriptor.height, image.ImageDesc.Height);
    if (path.find("set_hsts") == std::string::npos) {
      ASSERT_EQ(frame.decoded, kNoError) << "frame " << i;
    }
    const size_t count = size_t(image.ImageDesc.Width) * image.ImageDesc.Height;
    ASSERT_TRUE(std::equal(frame.pixels.data(), frame.pixels.data() + count,
                           image.RasterBits))
        << "frame " << i;
  }
}

TEST(Corpus, MatchesGiflibWhereverGiflibReadsTheFile) {
  const std::vector<std::string> files = CorpusFiles();
  FRAMIX32_REQUIRE_CORPUS(files);
  int compared = 0;
  for (const std::string& path : files) {
    GiflibFile reference(path);
    if (!reference.ok) continue;
    SCOPED_TRACE(path);
    CompareFirstImage(path, *reference.gif);
    CompareFrames(path, *reference.gif);
    ++compared;
  }
  EXPECT_GE(compared, CorpusMinimumRead());
}

// No file makes any reader or the player misbehave; the sanitizers watch for the rest.
TEST(Corpus, EveryFileGoesThroughEveryReaderAndThePlayer) {
  const std::vector<std::string> files = CorpusFiles();
  FRAMIX32_REQUIRE_CORPUS(files);
  FakeWindow window(64, 64, 0xFF336699u, false);
  for (const std::string& path : files) {
    SCOPED_TRACE(path);
    dzGlobalFree(GetFileInformation(path.c_str()));
    HGLOBAL block = ReadGraphicFile(path.c_str());
    if (block != nullptr) {
      const DibHeader h = LoadHeader(static_cast<const uint8_t*>(dzGlobalLock(block)));
      EXPECT_EQ(dzGlobalSize(block),
                kInfoHeaderSize + (size_t{4} << h.bit_count) + h.size_image);
      dzGlobalUnlock(block);
    }
    dzGlobalFree(block);
    for (int mode = 0; mode <= 4; ++mode) {
      HBITMAP mask = nullptr, image = nullptr;
      HPALETTE palette = nullptr;
      dzBitmapsFromGif(window.handle(), path.c_str(), mode, &mask, &image, &palette);
      dzDeleteBitmap(mask);
      dzDeleteBitmap(image);
      dzDeletePalette(palette);
    }
    ByteSource in(path.c_str());
    AnimationData animation;
    ErrorCode last;
    if (LoadAnimation(in, LoadLimits{}, &animation, &last) == kNoError) {
      FakeControl control(static_cast<int>(animation.frames.size()) + 1);
      Play(animation, window.handle(), -3, 5, control);
    }
  }
}

TEST(Corpus, EveryFileStartsAndStopsAnAnimationThread) {
  const std::vector<std::string> files = CorpusFiles();
  FRAMIX32_REQUIRE_CORPUS(files);
  FakeWindow window(32, 32, 0xFF000000u);
  for (const std::string& path : files) {
    HANIMATION handle = dzPlayGif(window.handle(), 0, 0, path.c_str(), 0);
    EXPECT_EQ(dzStopGif(handle), 1);
  }
}

}  // namespace
}  // namespace framix32::test
