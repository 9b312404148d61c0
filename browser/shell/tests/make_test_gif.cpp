// Writes an animated GIF for the end-to-end tests (see test_gif.h).
//   make_test_gif OUT WIDTH HEIGHT DELAY_CS RRGGBB...
#include <cstdio>
#include <cstdlib>

#include "test_gif.h"

int main(int argc, char** argv) {
  if (argc < 6) {
    std::fprintf(stderr, "usage: make_test_gif OUT WIDTH HEIGHT DELAY_CS RRGGBB...\n");
    return 2;
  }
  std::vector<uint32_t> colours;
  for (int i = 5; i < argc; ++i) {
    colours.push_back(static_cast<uint32_t>(std::strtoul(argv[i], nullptr, 16)));
  }
  const std::vector<uint8_t> gif = browser::shell::testing::SolidFramesGif(
      std::atoi(argv[2]), std::atoi(argv[3]), std::atoi(argv[4]), colours);
  std::FILE* out = std::fopen(argv[1], "wb");
  if (out == nullptr || std::fwrite(gif.data(), 1, gif.size(), out) != gif.size()) return 1;
  return std::fclose(out) == 0 ? 0 : 1;
}
