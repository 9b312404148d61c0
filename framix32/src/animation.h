// The frames of an animation as its player keeps them, palette indices at one byte a pixel
// with the colours they stand for and their placement, and the bytes an animation holds.
#ifndef FRAMIX32_SRC_ANIMATION_H_
#define FRAMIX32_SRC_ANIMATION_H_

#include <array>
#include <cstdint>
#include <vector>

#include "byte_source.h"
#include "error_state.h"
#include "framix32.h"
#include "gif_stream.h"
#include "image_decoder.h"

namespace framix32 {

struct AnimationFrame {
  GraphicControl control;  // zeros when no graphic control extension preceded the image
  ImageDescriptor descriptor;
  std::array<uint32_t, 256> colors;  // 0xFFRRGGBB of each index value (see ColorLookup)
  IndexImage pixels;
};

struct AnimationData {
  std::array<uint8_t, 13> header{};
  int canvas_width = 0;
  int canvas_height = 0;  // the logical screen, grown to the widest and tallest frame
  std::vector<AnimationFrame> frames;
  // Whether the window's former pixels can ever show: a frame restores the background
  // (disposal 2 or 3), or the first frame is transparent or leaves part of the canvas bare.
  bool shows_background = false;
  // What the saved background, and then the canvas kept as pixels, may take within the limit
  // the animation was loaded under (never more than they can use).
  uint64_t background_budget = 0;
};

struct LoadLimits {
  uint64_t frame_pixels = FRAMIX32_MAX_PIXELS;
  uint64_t held_bytes = FRAMIX32_MAX_ANIMATION_BYTES;
};

// Bytes one frame of width x height holds.
uint64_t FrameBytes(uint32_t width, uint32_t height);
// Bytes the frames and the composition of a canvas hold while the animation plays (the saved
// background apart).
uint64_t HeldBytes(const AnimationData& animation);

// The most the saved background and then the canvas kept as pixels can ever take for a canvas
// of width x height: runs and stretches take at most two words a pixel, their room doubles
// while it grows, and the pixel canvas takes one word a pixel.
uint64_t BackgroundCeiling(int width, int height);
// What an animation may hold at most while it plays: its frames and composition and its
// background budget.
inline uint64_t HeldAtMost(const AnimationData& animation) {
  return HeldBytes(animation) + animation.background_budget;
}

// Loads every frame. kMemoryError, before a frame's pixels are decoded, when the animation
// would hold more than limits.held_bytes or a frame has more than limits.frame_pixels pixels.
// On failure *animation is left empty. On success the code of the last frame's decoding is
// also returned through *last_decoded.
ErrorCode LoadAnimation(ByteSource& in, const LoadLimits& limits, AnimationData* animation,
                        ErrorCode* last_decoded);

}  // namespace framix32

#endif  // FRAMIX32_SRC_ANIMATION_H_
