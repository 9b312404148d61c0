#include "player.h"

#include "surface.h"

namespace framix32 {

int FrameDelayMs(const GraphicControl& control) {
  const int delay = control.delay();
  return delay > 5 ? delay * 10 : 60;
}

namespace {

void Capture(dzWindow* window, int x, int y, dzBitmap* into) {
  if (window->capture == nullptr || into->width == 0 || into->height == 0) return;
  window->capture(window->context, x, y, into->width, into->height, into->pixels.data(),
                  into->width);
  for (uint32_t& pixel : into->pixels) pixel |= kOpaque;
}

void Show(dzWindow* window, int x, int y, const dzBitmap& canvas) {
  if (window->blit == nullptr || canvas.width == 0 || canvas.height == 0) return;
  window->blit(window->context, x, y, canvas.width, canvas.height, canvas.pixels.data(),
               canvas.width);
}

// One pass over the frames, cut short when a stop is requested.
void RunPass(const AnimationData& animation, dzWindow* window, int x, int y,
             const dzBitmap& background, dzBitmap* composition, PlaybackControl& control) {
  for (const AnimationFrame& frame : animation.frames) {
    // Disposal 2 and 3 restore the background before the frame itself is drawn.
    const int disposal = frame.control.disposal();
    if (disposal == 2 || disposal == 3) composition->pixels = background.pixels;
    const int left = frame.descriptor.left;
    const int top = frame.descriptor.top;
    if (frame.bitmaps.mask != nullptr) {
      BitBlt(composition, left, top, *frame.bitmaps.mask, RasterOp::kAnd);
      BitBlt(composition, left, top, *frame.bitmaps.image, RasterOp::kXor);
    } else {
      BitBlt(composition, left, top, *frame.bitmaps.image, RasterOp::kCopy);
    }
    // Palettes select nothing on a 32-bit target: the colours are in the bitmaps already.
    Show(window, x, y, *composition);
    if (animation.frames.size() == 1) {
      control.RequestStop();
      return;
    }
    control.Sleep(FrameDelayMs(frame.control));
    if (control.StopRequested()) return;
  }
}

}  // namespace

void Play(const AnimationData& animation, dzWindow* window, int x, int y,
          PlaybackControl& control) {
  dzBitmap background;
  background.width = animation.canvas_width;
  background.height = animation.canvas_height;
  background.pixels.assign(static_cast<size_t>(background.width) * background.height, kBlack);
  // The background keeps what the animation covers in the window.
  Capture(window, x, y, &background);
  dzBitmap composition = background;

  bool completed_pass = false;
  while (!control.StopRequested()) {
    if (!animation.frames.empty() && (control.RepeatSwitch() || !completed_pass)) {
      RunPass(animation, window, x, y, background, &composition, control);
      completed_pass = true;
    } else {
      control.Hold();
    }
  }
}

}  // namespace framix32
