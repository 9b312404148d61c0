#include "player.h"

#include "composition.h"

namespace framix32 {

int FrameDelayMs(const GraphicControl& control) {
  const int delay = control.delay();
  return delay > 5 ? delay * 10 : 60;
}

namespace {

// One pass over the frames, cut short when a stop is requested.
void RunPass(const AnimationData& animation, dzWindow* window, int x, int y,
             Composition* composition, PlaybackControl& control) {
  for (size_t i = 0; i < animation.frames.size(); ++i) {
    const AnimationFrame& frame = animation.frames[i];
    // Disposal 2 and 3 restore the background before the frame itself is drawn.
    const int disposal = frame.control.disposal();
    if (disposal == 2 || disposal == 3) composition->RestoreBackground();
    composition->Draw(i);
    // Palettes select nothing on a 32-bit target: the colours are in the frames already.
    composition->Show(window, x, y);
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
  if (animation.frames.empty()) {
    while (!control.StopRequested()) control.Hold();
    return;
  }
  Composition composition(animation);
  // The background keeps what the animation covers in the window, when anything of it can
  // ever show again.
  if (animation.shows_background) {
    composition.SaveBackground(window, x, y, animation.background_budget);
  }
  // What the budget leaves after the background keeps the canvas as pixels, which spares
  // turning frames' indices into pixels each time the canvas is shown.
  const uint64_t saved = composition.bytes() - Composition::Bytes(animation.canvas_width,
                                                                   animation.canvas_height,
                                                                   animation.frames.size());
  if (saved <= animation.background_budget) {
    composition.KeepPixels(animation.background_budget - saved);
  }
  bool completed_pass = false;
  while (!control.StopRequested()) {
    if (control.RepeatSwitch() || !completed_pass) {
      RunPass(animation, window, x, y, &composition, control);
      completed_pass = true;
    } else {
      control.Hold();
    }
  }
}

}  // namespace framix32
