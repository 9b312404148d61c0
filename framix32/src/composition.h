// What an animation shows in its canvas: for each canvas pixel, the frame it was last drawn
// from (0 for the saved background), turned into pixels a band of rows at a time when the
// canvas is shown. Frames keep their own indices, so drawing one costs nothing but the
// frame's number in each of its opaque pixels.
#ifndef FRAMIX32_SRC_COMPOSITION_H_
#define FRAMIX32_SRC_COMPOSITION_H_

#include <cstddef>
#include <cstdint>
#include <memory>

#include "framix32.h"
#include "saved_background.h"

namespace framix32 {

struct AnimationData;

class Composition {
 public:
  // Bytes a composition of the canvas holds for frame_count frames: one byte a canvas pixel
  // (two above 255 frames, four above 65535) and the drawing band. The saved background
  // comes on top.
  static uint64_t Bytes(int canvas_width, int canvas_height, size_t frame_count);

  // Every pixel shows the background. Throws std::bad_alloc.
  explicit Composition(const AnimationData& animation);

  // Keeps what the window shows under the canvas at (x, y), in at most budget bytes; where
  // it would take more, black stands for the background.
  void SaveBackground(dzWindow* window, int x, int y, uint64_t budget);
  void RestoreBackground();
  // Draws frame number `frame` over what is there: its pixels, but for the transparent ones,
  // within the canvas.
  void Draw(size_t frame);
  // Hands the whole canvas to the window at (x, y), in bands of whole rows, top to bottom.
  void Show(dzWindow* window, int x, int y);

  uint64_t bytes() const;

 private:
  template <typename Owner>
  Owner* Owners() const;
  template <typename Owner>
  void DrawAs(size_t frame);
  template <typename Owner>
  void RenderRow(int y, uint32_t* out) const;

  const AnimationData& animation_;
  int width_, height_;
  int owner_bytes_;  // 1, 2 or 4: one of the owner maps below is allocated
  std::unique_ptr<uint8_t[]> owners8_;
  std::unique_ptr<uint16_t[]> owners16_;
  std::unique_ptr<uint32_t[]> owners32_;
  int band_rows_;
  std::unique_ptr<uint32_t[]> band_;
  SavedBackground background_;
};

}  // namespace framix32

#endif  // FRAMIX32_SRC_COMPOSITION_H_
