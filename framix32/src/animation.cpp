#include "animation.h"

#include <algorithm>

#include "composition.h"
#include "frame_loader.h"

namespace framix32 {
namespace {

bool RestoresBackground(const GraphicControl& control) {
  const int disposal = control.disposal();
  return disposal == 2 || disposal == 3;
}

bool ShowsBackground(const AnimationData& animation) {
  if (animation.frames.empty()) return false;
  const AnimationFrame& first = animation.frames.front();
  const ImageDescriptor& d = first.descriptor;
  const bool covers = d.left == 0 && d.top == 0 && d.width >= animation.canvas_width &&
                      d.height >= animation.canvas_height;
  if (!covers || first.control.transparent()) return true;
  return std::any_of(animation.frames.begin(), animation.frames.end(),
                     [](const AnimationFrame& f) { return RestoresBackground(f.control); });
}

}  // namespace

uint64_t FrameBytes(uint32_t width, uint32_t height) {
  return sizeof(AnimationFrame) + IndexImageBytes(width, height);
}

uint64_t BackgroundCeiling(int width, int height) {
  const uint64_t pixels = uint64_t(std::max(width, 0)) * uint64_t(std::max(height, 0));
  // Tokens: two words a pixel at most, up to three times that while the room doubles (the old
  // room and the new held together); row starts; the pixel canvas; a little spare.
  return 3 * 2 * 4 * pixels + 8 * uint64_t(std::max(height, 0)) + 4 * pixels + 4096;
}

uint64_t HeldBytes(const AnimationData& animation) {
  uint64_t bytes = animation.frames.capacity() * sizeof(AnimationFrame);
  for (const AnimationFrame& frame : animation.frames) bytes += frame.pixels.capacity;
  return bytes + Composition::Bytes(animation.canvas_width, animation.canvas_height,
                                    animation.frames.size());
}

ErrorCode LoadAnimation(ByteSource& in, const LoadLimits& limits, AnimationData* animation,
                        ErrorCode* last_decoded) {
  *animation = AnimationData{};
  *last_decoded = kNoError;
  FrameReader reader(in);
  if (ErrorCode code = reader.Start(); code != kNoError) return code;
  AnimationData loaded;
  loaded.header = reader.screen().raw;
  loaded.canvas_width = reader.screen().width;
  loaded.canvas_height = reader.screen().height;
  uint64_t frame_bytes = 0;
  DecodedFrame frame;
  for (;;) {
    bool done = false;
    if (ErrorCode code = reader.NextImage(&frame, &done); code != kNoError) return code;
    if (done) break;
    const ImageDescriptor& d = frame.descriptor;
    if (!WithinPixelLimit(d.width, d.height, limits.frame_pixels)) return kMemoryError;
    // What the animation would hold with this frame, counted before its pixels exist (with the
    // frame list's spare room, which shrinks away at the end).
    const int canvas_width = std::max<int>(loaded.canvas_width, d.width);
    const int canvas_height = std::max<int>(loaded.canvas_height, d.height);
    const size_t count = loaded.frames.size() + 1;
    const size_t list_capacity = count <= loaded.frames.capacity()
                                     ? loaded.frames.capacity()
                                     : std::max<size_t>(4, 2 * loaded.frames.capacity());
    const uint64_t list_bytes = list_capacity * sizeof(AnimationFrame);
    const uint64_t needed = frame_bytes + IndexImageBytes(d.width, d.height) + list_bytes +
                            Composition::Bytes(canvas_width, canvas_height, count);
    if (needed > limits.held_bytes) return kMemoryError;

    loaded.frames.reserve(list_capacity);
    reader.DecodePixels(&frame);
    *last_decoded = frame.decoded;
    AnimationFrame& added = loaded.frames.emplace_back();
    added.control = frame.control;
    added.descriptor = d;
    ColorLookup(frame.colors, added.colors.data());
    added.pixels = std::move(frame.pixels);
    frame_bytes += added.pixels.capacity;
    loaded.canvas_width = canvas_width;
    loaded.canvas_height = canvas_height;
  }
  loaded.frames.shrink_to_fit();
  loaded.shows_background = ShowsBackground(loaded);
  const uint64_t held = HeldBytes(loaded);
  if (held > limits.held_bytes) return kMemoryError;
  loaded.background_budget = std::min(limits.held_bytes - held,
                                      BackgroundCeiling(loaded.canvas_width, loaded.canvas_height));
  *animation = std::move(loaded);
  return kNoError;
}

}  // namespace framix32
