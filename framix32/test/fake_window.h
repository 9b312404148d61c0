// A drawing target over a plain pixel buffer that records every blit, and a playback control
// that records the sleeps instead of sleeping.
#ifndef FRAMIX32_TEST_FAKE_WINDOW_H_
#define FRAMIX32_TEST_FAKE_WINDOW_H_

#include <cstdint>
#include <mutex>
#include <vector>

#include "framix32.h"
#include "player.h"

namespace framix32::test {

class FakeWindow {
 public:
  struct Blit {
    int x, y, width, height;
    std::vector<uint32_t> pixels;
    std::vector<uint32_t> screen;  // the whole window after this blit, rows of screen_width
    int screen_width = 0;
  };

  // record_pixels keeps a copy of every blit's pixels and of the window after it, not only the
  // window's latest state.
  FakeWindow(int width, int height, uint32_t fill, bool record_pixels = true);
  HWND handle() { return &window_; }
  std::vector<Blit> blits();
  size_t blit_count();
  uint32_t pixel(int x, int y);

 private:
  static void OnBlit(void* context, int x, int y, int width, int height, const uint32_t* pixels,
                     int stride);
  static void OnCapture(void* context, int x, int y, int width, int height, uint32_t* pixels,
                        int stride);

  dzWindow window_;
  std::mutex mutex_;
  int width_, height_;
  bool record_pixels_;
  std::vector<uint32_t> screen_;
  std::vector<Blit> blits_;
};

// Requests a stop after stop_after sleeps (or when asked); never blocks.
class FakeControl : public PlaybackControl {
 public:
  explicit FakeControl(int stop_after, bool repeat = true) : stop_after_(stop_after), repeat_(repeat) {}
  bool StopRequested() override { return stop_; }
  void RequestStop() override { stop_ = true; }
  bool RepeatSwitch() override { return repeat_; }
  void Sleep(int ms) override {
    sleeps.push_back(ms);
    if (static_cast<int>(sleeps.size()) >= stop_after_) stop_ = true;
  }
  void Hold() override {
    ++holds;
    stop_ = true;
  }
  std::vector<int> sleeps;
  int holds = 0;

 private:
  int stop_after_;
  bool repeat_;
  bool stop_ = false;
};

}  // namespace framix32::test

#endif  // FRAMIX32_TEST_FAKE_WINDOW_H_
