// Reads the frames of a GIF file and turns them into bitmaps, masks and palettes.
#ifndef FRAMIX32_SRC_FRAME_LOADER_H_
#define FRAMIX32_SRC_FRAME_LOADER_H_

#include <cstdint>
#include <memory>
#include <vector>

#include "byte_source.h"
#include "error_state.h"
#include "gif_stream.h"
#include "image_decoder.h"
#include "surface.h"

namespace framix32 {

struct BitmapDeleter {
  void operator()(dzBitmap* bitmap) const { dzDeleteBitmap(bitmap); }
};
struct PaletteDeleter {
  void operator()(dzPalette* palette) const { dzDeletePalette(palette); }
};
using BitmapPtr = std::unique_ptr<dzBitmap, BitmapDeleter>;
using PalettePtr = std::unique_ptr<dzPalette, PaletteDeleter>;

// One frame as decoded, before it becomes bitmaps.
struct DecodedFrame {
  GraphicControl control;  // zeros when no graphic control extension preceded the image
  ImageDescriptor descriptor;
  ColorTable colors;  // the local table, else the global one
  IndexImage pixels;
  ErrorCode decoded = kNoError;  // the decoder's result; kCorrupt frames are kept
};

// Walks the blocks of a file frame by frame.
class FrameReader {
 public:
  explicit FrameReader(ByteSource& in) : in_(in) {}
  // Finds the header (at 0 or 128) and reads the global colour table.
  ErrorCode Start();
  const ScreenHeader& screen() const { return screen_; }
  // Reads and decodes the next frame. *done is set instead when the file ends first.
  // kMemoryError for a frame above pixel_limit; kReadError when the descriptor or its
  // colour table is cut short.
  ErrorCode Next(DecodedFrame* frame, bool* done, uint64_t pixel_limit = FRAMIX32_MAX_PIXELS);

 private:
  ByteSource& in_;
  ScreenHeader screen_;
  GraphicControl pending_;
  DecodeScratch scratch_;
};

struct FrameBitmaps {
  BitmapPtr image;
  BitmapPtr mask;  // null unless the frame is transparent and transparency is used
  PalettePtr palette;
};

// The palette of a mode for colours of 5 to 8 table bits, else null.
PalettePtr MakePalette(int mode, const ColorTable& colors);
// The frame's bitmap and, for a transparent frame (when use_transparency), its mask; the
// transparent index then draws black so that AND-then-XOR shows what lies beneath. kMemoryError
// when a bitmap cannot be made.
ErrorCode MakeFrameBitmaps(const DecodedFrame& frame, int mode, bool use_transparency,
                           FrameBitmaps* out);

struct AnimationFrame {
  GraphicControl control;
  ImageDescriptor descriptor;
  FrameBitmaps bitmaps;
};

struct AnimationData {
  std::array<uint8_t, 13> header{};
  int canvas_width = 0;
  int canvas_height = 0;  // the logical screen, grown to the widest and tallest frame
  std::vector<AnimationFrame> frames;
};

struct LoadLimits {
  uint64_t frame_pixels = FRAMIX32_MAX_PIXELS;
  uint64_t total_pixels = FRAMIX32_MAX_ANIMATION_PIXELS;
};

// Loads every frame. On failure *animation is left empty. On success the code of the last
// frame's decoding is also returned through *last_decoded.
ErrorCode LoadAnimation(ByteSource& in, int mode, const LoadLimits& limits,
                        AnimationData* animation, ErrorCode* last_decoded);

}  // namespace framix32

#endif  // FRAMIX32_SRC_FRAME_LOADER_H_
