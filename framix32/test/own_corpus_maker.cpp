// Writes the hand-made half of the project's own GIF corpus into a folder: every colour-table
// size, interlaced and transparent images, animations with each disposal, local colour tables
// and odd sizes. (make_own_corpus.sh adds pictures drawn by ImageMagick.)
// Usage: framix32_own_corpus_maker FOLDER
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "gif_builder.h"

namespace framix32::test {
namespace {

// Indices that walk every colour of a 2^bits table, in a pattern the LZW coder cannot
// shorten to one code.
std::vector<uint8_t> Pattern(int width, int height, int bits, int seed = 0) {
  std::vector<uint8_t> out(static_cast<size_t>(width) * height);
  const int colours = 1 << bits;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      out[static_cast<size_t>(y) * width + x] =
          static_cast<uint8_t>((x * 7 + y * 3 + (x * y) % 5 + seed) % colours);
    }
  }
  return out;
}

TestFrame Frame(int left, int top, int width, int height, int bits, int seed = 0) {
  return FrameOf(left, top, width, height, Pattern(width, height, bits, seed), 5);
}

TestGif Still(int width, int height, int bits) {
  TestGif gif;
  gif.width = width;
  gif.height = height;
  gif.global_bits = bits;
  gif.frames.push_back(Frame(0, 0, width, height, bits));
  return gif;
}

bool Write(const std::filesystem::path& folder, const std::string& name, const TestGif& gif) {
  const std::vector<uint8_t> bytes = BuildGif(gif);
  std::ofstream out(folder / name, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out);
}

}  // namespace
}  // namespace framix32::test

int main(int argc, char** argv) {
  using namespace framix32::test;
  if (argc != 2) {
    std::fprintf(stderr, "usage: framix32_own_corpus_maker FOLDER\n");
    return 2;
  }
  const std::filesystem::path folder = argv[1];
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  std::vector<std::pair<std::string, TestGif>> files;

  // Every size of a global colour table, 2 to 256 colours.
  for (int bits = 1; bits <= 8; ++bits) {
    files.emplace_back("table-" + std::to_string(1 << bits) + ".gif", Still(41, 23, bits));
  }
  // Interlaced, at heights that leave each of the four passes short or empty.
  for (int height : {1, 2, 3, 5, 8, 9, 31}) {
    TestGif gif = Still(17, height, 4);
    gif.frames[0].interlaced = true;
    files.emplace_back("interlaced-17x" + std::to_string(height) + ".gif", gif);
  }
  // Transparent: the key at the first, a middle and the last index of its table.
  for (int key : {0, 9, 255}) {
    TestGif gif = Still(33, 19, 8);
    gif.frames[0].transparent = key;
    files.emplace_back("transparent-" + std::to_string(key) + ".gif", gif);
  }
  // Animations with each disposal method, the frames overlapping and partly transparent.
  for (int disposal = 0; disposal <= 3; ++disposal) {
    TestGif gif;
    gif.width = 40;
    gif.height = 30;
    gif.global_bits = 5;
    for (int i = 0; i < 4; ++i) {
      TestFrame f = Frame(i * 7, i * 4, 19, 13, 5, i);
      f.disposal = disposal;
      f.transparent = i % 2 == 0 ? 3 : -1;
      gif.frames.push_back(f);
    }
    files.emplace_back("disposal-" + std::to_string(disposal) + ".gif", gif);
  }
  // Local colour tables: without a global table, and overriding one, interlaced once.
  {
    TestGif gif;
    gif.width = 24;
    gif.height = 24;
    for (int i = 0; i < 3; ++i) {
      TestFrame f = Frame(i * 4, i * 4, 12, 12, i + 2, i);
      f.local_bits = i + 2;
      f.interlaced = i == 1;
      gif.frames.push_back(f);
    }
    files.emplace_back("local-tables.gif", gif);
    gif.global_bits = 8;
    files.emplace_back("local-over-global.gif", gif);
  }
  // Odd sizes: single pixels, single rows and columns, widths around a byte's and a
  // code's boundaries.
  const std::pair<int, int> sizes[] = {{1, 1}, {1, 97}, {301, 1}, {255, 3}, {257, 5}, {7, 7}};
  for (const auto& [width, height] : sizes) {
    files.emplace_back("size-" + std::to_string(width) + "x" + std::to_string(height) + ".gif",
                       Still(width, height, 3));
  }
  // No graphic control extension and no comment, as the oldest files are written.
  {
    TestGif gif = Still(20, 10, 2);
    gif.comment = false;
    gif.frames[0].control = false;
    files.emplace_back("no-extensions.gif", gif);
  }

  for (const auto& [name, gif] : files) {
    if (!Write(folder, name, gif)) {
      std::fprintf(stderr, "framix32_own_corpus_maker: cannot write %s\n", name.c_str());
      return 1;
    }
  }
  std::printf("%zu files\n", files.size());
  return 0;
}
