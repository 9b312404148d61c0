// Reads the frames of a GIF file one by one, and turns a frame into the bitmaps, mask and
// palette that dzBitmapsFromGif hands out.
#ifndef FRAMIX32_SRC_FRAME_LOADER_H_
#define FRAMIX32_SRC_FRAME_LOADER_H_

#include <cstdint>
#include <memory>

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

// One frame as read from the file.
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
  // Reads the next frame up to its image data (control block, descriptor, colours). *done is
  // set instead when the file ends first. kReadError when the descriptor or its colour table
  // is cut short.
  ErrorCode NextImage(DecodedFrame* frame, bool* done);
  // Decodes the image data of the frame NextImage read into frame->pixels.
  void DecodePixels(DecodedFrame* frame);
  // The same into out (IndexImageBytes of the frame's size); returns the decoder's result.
  ErrorCode DecodePixelsInto(const DecodedFrame& frame, uint8_t* out);
  // Both; kMemoryError for a frame above pixel_limit, before its pixels are decoded.
  ErrorCode Next(DecodedFrame* frame, bool* done, uint64_t pixel_limit = FRAMIX32_MAX_PIXELS);

 private:
  ByteSource& in_;
  ScreenHeader screen_;
  GraphicControl pending_;
  DecodeScratch scratch_;
};

// 0xFFRRGGBB for each of the 256 index values; indices are cut to the bit depth of the
// frame's bitmap, as in a packed bitmap.
void ColorLookup(const ColorTable& colors, uint32_t lookup[256]);

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
// The same for the frame NextImage just read, its pixels decoded straight into the bitmap
// (frame->pixels stays empty; frame->decoded is set).
ErrorCode ReadFrameBitmaps(FrameReader& reader, DecodedFrame* frame, int mode,
                           bool use_transparency, FrameBitmaps* out);

}  // namespace framix32

#endif  // FRAMIX32_SRC_FRAME_LOADER_H_
