// libFuzzer target: arbitrary bytes through the still-image reader path, the frame loader
// with its bitmaps and palettes, and one pass of the player.
#include <cstddef>
#include <cstdint>

#include "animation.h"
#include "byte_source.h"
#include "framix32.h"
#include "frame_loader.h"
#include "player.h"
#include "still_image.h"

namespace {

// Never sleeps and stops after a handful of frames.
class QuickControl : public framix32::PlaybackControl {
 public:
  bool StopRequested() override { return stop_; }
  void RequestStop() override { stop_ = true; }
  bool RepeatSwitch() override { return true; }
  void Sleep(int) override { stop_ = ++sleeps_ > 4; }
  void Hold() override { stop_ = true; }

 private:
  bool stop_ = false;
  int sleeps_ = 0;
};

void Blit(void*, int, int, int, int, const uint32_t*, int) {}
void Capture(void*, int, int, int width, int height, uint32_t* pixels, int stride) {
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) pixels[static_cast<size_t>(y) * stride + x] = 0xFF000000u;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace framix32;
  // Smaller limits than the library's keep each run well under the fuzzer's one-second timeout
  // in the instrumented build (each shown frame renders the whole canvas); the code paths are
  // the same.
  LoadLimits limits;
  limits.frame_pixels = 1 << 18;
  limits.held_bytes = 1 << 20;

  ByteSource still(data, size);
  dzGlobalFree(ReadFirstImage(still));
  ByteSource probe(data, size);
  dzGlobalFree(FileInformation(probe));

  ByteSource first(data, size);
  FrameReader reader(first);
  if (reader.Start() == kNoError) {
    DecodedFrame frame;
    bool done = false;
    if (reader.Next(&frame, &done, limits.frame_pixels) == kNoError && !done) {
      FrameBitmaps bitmaps;
      MakeFrameBitmaps(frame, 3, true, &bitmaps);
    }
  }

  ByteSource all(data, size);
  AnimationData animation;
  ErrorCode last;
  if (LoadAnimation(all, limits, &animation, &last) == kNoError) {
    dzWindow window{nullptr, Blit, Capture};
    QuickControl control;
    Play(animation, &window, 0, 0, control);
  }
  return 0;
}
