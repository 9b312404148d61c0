// What an animation shows in its canvas: for each canvas pixel, the frame it was last drawn
// from (0 for the saved background), turned into pixels a band of rows at a time when the
// canvas is shown. Frames keep their own indices, so drawing one costs nothing but the
// frame's number in each of its opaque pixels. Where the budget allows, the canvas is kept
// as pixels instead, which frames are drawn into and which the window takes as they are.
// Either way only what changed since the canvas was last shown is shown again: a small frame
// over a large canvas costs its own rectangle.
#ifndef FRAMIX32_SRC_COMPOSITION_H_
#define FRAMIX32_SRC_COMPOSITION_H_

#include <cstddef>
#include <cstdint>
#include <memory>

#include "framix32.h"
#include "saved_background.h"

namespace framix32 {

struct AnimationData;
struct ImageDescriptor;

// A rectangle of the canvas, [left, right) x [top, bottom); empty when either side is.
struct CanvasRect {
  int left = 0, top = 0, right = 0, bottom = 0;
  bool empty() const { return left >= right || top >= bottom; }
  // The smallest rectangle that holds both.
  void Add(const CanvasRect& other);
};

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
  // Keeps the canvas as pixels from now on, when they fit in budget bytes (which the saved
  // background's have been taken from). Returns whether it does.
  bool KeepPixels(uint64_t budget);
  // Puts the background back where frames were drawn since it last was.
  void RestoreBackground();
  // Draws frame number `frame` over what is there: its pixels, but for the transparent ones,
  // within the canvas.
  void Draw(size_t frame);
  // Hands the window at (x, y) the rectangle of the canvas that changed since the last call
  // (the whole canvas the first time), in bands of whole rows of it, top to bottom.
  void Show(dzWindow* window, int x, int y);
  // What the next Show hands over.
  const CanvasRect& changed() const { return changed_; }

  uint64_t bytes() const;

 private:
  template <typename Owner>
  Owner* Owners() const;
  // The part of a frame's rectangle that lies on the canvas (empty when none does).
  CanvasRect OnCanvas(const ImageDescriptor& d) const;
  template <typename Owner>
  void DrawAs(size_t frame);
  void DrawPixels(size_t frame);
  template <typename Owner>
  void ClearOwners(const CanvasRect& area);
  // Pixels [left, right) of row y.
  template <typename Owner>
  void RenderRow(int y, int left, int right, uint32_t* out) const;

  const AnimationData& animation_;
  int width_, height_;
  int owner_bytes_;  // 1, 2 or 4: one of the owner maps below is allocated
  std::unique_ptr<uint8_t[]> owners8_;
  std::unique_ptr<uint16_t[]> owners16_;
  std::unique_ptr<uint32_t[]> owners32_;
  int band_rows_;
  std::unique_ptr<uint32_t[]> band_;
  std::unique_ptr<uint32_t[]> pixels_;  // when kept as pixels: the canvas, owners and band gone
  SavedBackground background_;
  CanvasRect drawn_;    // holds every pixel drawn from a frame (owner not 0)
  CanvasRect changed_;  // holds every pixel changed since the canvas was last shown
};

}  // namespace framix32

#endif  // FRAMIX32_SRC_COMPOSITION_H_
