// Hand-made GIF files for tests: a few frames with their own options, encoded with the
// library's own LZW encoder (itself checked against giflib by the round-trip tests).
#ifndef FRAMIX32_TEST_GIF_BUILDER_H_
#define FRAMIX32_TEST_GIF_BUILDER_H_

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace framix32::test {

struct TestFrame {
  int left = 0, top = 0, width = 0, height = 0;
  std::vector<uint8_t> indices;  // top-down
  int delay = 0;                 // hundredths of a second
  int disposal = 0;
  int transparent = -1;  // index, or -1 for none
  bool control = true;   // write a graphic control extension
  bool interlaced = false;
  int local_bits = 0;  // local colour table of 2^bits grey levels, 0 for none
  int min_code_size = 0;  // 0: from the table size
};

// A frame of `width` x `height` pixels at (left, top) showing `indices` for `delay`.
inline TestFrame FrameOf(int left, int top, int width, int height, std::vector<uint8_t> indices,
                         int delay) {
  TestFrame f;
  f.left = left;
  f.top = top;
  f.width = width;
  f.height = height;
  f.indices = std::move(indices);
  f.delay = delay;
  return f;
}

struct TestGif {
  int width = 0, height = 0;
  int global_bits = 0;  // 0: no global table; colour i is (i, 255 - i, i / 2)
  std::vector<TestFrame> frames;
  bool comment = true;  // a comment and an application extension before the first image
};

std::vector<uint8_t> BuildGif(const TestGif& gif);
// Colour i of the builder's global table, as red << 16 | green << 8 | blue.
uint32_t GlobalColor(int i);

// A file in the test's temporary directory, removed when the test ends.
class TempFile {
 public:
  explicit TempFile(const std::string& name);
  TempFile(const std::string& name, const std::vector<uint8_t>& bytes);
  ~TempFile();
  const char* path() const { return path_.c_str(); }

 private:
  std::string path_;
};

std::vector<uint8_t> ReadBytes(const std::string& path);

}  // namespace framix32::test

#endif  // FRAMIX32_TEST_GIF_BUILDER_H_
