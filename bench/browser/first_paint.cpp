// panorel_first_paint X Y PROGRAM [ARGS...]: starts PROGRAM and prints the milliseconds from
// its start until the screen's pixel at X, Y changes (the program's first painted page, on a
// screen whose root shows one colour), then its process id. The program is left running.
// Used by panorel_demo.sh; the pixel is read every quarter of a millisecond.
#include <signal.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>

namespace {

std::optional<uint32_t> Pixel(xcb_connection_t* c, xcb_window_t root, int16_t x, int16_t y) {
  xcb_get_image_reply_t* image = xcb_get_image_reply(
      c, xcb_get_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, root, x, y, 1, 1, ~0u), nullptr);
  if (image == nullptr) return std::nullopt;
  uint32_t pixel = 0;
  if (xcb_get_image_data_length(image) >= 4) {
    const uint8_t* data = xcb_get_image_data(image);
    pixel = data[0] | data[1] << 8 | data[2] << 16;
  }
  std::free(image);
  return pixel;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4) {
    std::fprintf(stderr, "usage: panorel_first_paint X Y PROGRAM [ARGS...]\n");
    return 2;
  }
  const auto x = static_cast<int16_t>(std::atoi(argv[1]));
  const auto y = static_cast<int16_t>(std::atoi(argv[2]));
  xcb_connection_t* c = xcb_connect(nullptr, nullptr);
  if (xcb_connection_has_error(c)) {
    std::fprintf(stderr, "panorel_first_paint: no display\n");
    return 1;
  }
  const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
  const std::optional<uint32_t> before = Pixel(c, root, x, y);
  if (!before) return 1;

  const auto start = std::chrono::steady_clock::now();
  const pid_t child = fork();
  if (child < 0) return 1;
  if (child == 0) {
    execv(argv[3], argv + 3);
    _exit(127);
  }
  constexpr auto kGiveUp = std::chrono::seconds(20);
  while (true) {
    const std::optional<uint32_t> now = Pixel(c, root, x, y);
    const auto elapsed = std::chrono::steady_clock::now() - start;
    if (now && *now != *before) {
      std::printf("%.1f %d\n", std::chrono::duration<double, std::milli>(elapsed).count(),
                  static_cast<int>(child));
      break;
    }
    if (elapsed > kGiveUp) {
      std::fprintf(stderr, "panorel_first_paint: nothing was painted at %d, %d\n", x, y);
      kill(child, SIGTERM);
      return 1;
    }
    usleep(250);
  }
  xcb_disconnect(c);
  return 0;
}
