// The passes of an animation over its frames: composing each frame onto the canvas and
// showing the canvas in the window.
#ifndef FRAMIX32_SRC_PLAYER_H_
#define FRAMIX32_SRC_PLAYER_H_

#include "animation.h"
#include "framix32.h"

namespace framix32 {

// What the player asks of the thread it runs on: the stop flag, the repeat switch and sleeping.
class PlaybackControl {
 public:
  virtual ~PlaybackControl() = default;
  virtual bool StopRequested() = 0;
  virtual void RequestStop() = 0;
  virtual bool RepeatSwitch() = 0;
  // Sleeps for ms milliseconds or until a stop is requested.
  virtual void Sleep(int ms) = 0;
  // Sleeps until a stop is requested or the repeat switch may have changed.
  virtual void Hold() = 0;
};

// How long a frame stays: its delay (hundredths of a second) when above 5, else 60 ms.
int FrameDelayMs(const GraphicControl& control);

// Plays the animation into window at (x, y) until a stop is requested. The frames stay
// owned by the caller. Besides them it holds the composition of the canvas and, within
// animation.background_budget, the saved background and then the canvas as pixels. Throws
// std::bad_alloc.
void Play(const AnimationData& animation, dzWindow* window, int x, int y,
          PlaybackControl& control);

}  // namespace framix32

#endif  // FRAMIX32_SRC_PLAYER_H_
