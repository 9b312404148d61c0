#pragma once

#include <memory>
#include <string>

#include "browser/page/picture.h"

namespace browser {

class MemoryBudget;

// An animation started: its number (0 when it does not play) and the bytes it may hold at
// most while it plays.
struct PlayedAnimation {
  uint64_t id = 0;
  uint64_t bytes = 0;
  bool over_limit = false;  // not played because it needs more than it was allowed
};
// No limit of the caller's own on an animation's memory (the GIF library's own still holds).
inline constexpr uint64_t kAnyBytes = ~uint64_t{0};

// A GIF's first image with its transparency mask: the mask is white (0xFFFFFFFF) where the
// image is transparent and black elsewhere, drawn as dst = (dst AND mask) XOR image.
struct GifPicture {
  std::unique_ptr<Picture> image;
  std::unique_ptr<Picture> mask;  // none when the image has no transparency
};

// Loads pictures from files whose names have already been resolved. Every loader answers
// nothing for a missing, unreadable or damaged file, and for one that claims a size out of
// proportion to its bytes; none ever throws.
class PictureSource {
 public:
  virtual ~PictureSource() = default;

  // A Windows bitmap file (no other format is read under this name).
  virtual std::unique_ptr<Picture> LoadBitmap(const std::string& path) = 0;
  // A JPEG file, decoded to 24-bit colour.
  virtual std::unique_ptr<Picture> LoadJpeg(const std::string& path) = 0;
  // The first image of a GIF file. Mode 0 keeps the GIF's transparency (its transparent
  // pixels come back black in the image, white in the mask); mode 4 ignores it (the
  // transparent index shows its own colour, and there is no mask).
  virtual GifPicture LoadGif(const std::string& path, int mode) = 0;

  // Starts a GIF animation drawn by itself into the window with its top-left corner at
  // `at` (client coordinates), holding at most max_bytes, until StopAnimation; id 0 when it
  // cannot be played. Stopping waits for the animation to let go of the window, and 0 is
  // harmless.
  virtual PlayedAnimation PlayAnimation(const std::string& path, Point at, uint64_t max_bytes) {
    (void)path, (void)at, (void)max_bytes;
    return {};
  }
  virtual void StopAnimation(uint64_t animation) { (void)animation; }
  // What tells the file's present content from any other (its identity, size and time of
  // change); empty when unknown, and a picture is then never reused.
  virtual std::string Stamp(const std::string& path) {
    (void)path;
    return {};
  }
  // The document memory budget that copies made of its pictures are taken from; none: they
  // are not counted.
  virtual MemoryBudget* budget() { return nullptr; }
};

// Which loader a picture name asks for: ".gif" anywhere (without regard to case) is a GIF,
// ".jpg" anywhere is a JPEG where JPEG is allowed, anything else a Windows bitmap.
enum class PictureKind { kGif, kJpeg, kBitmap };
PictureKind PictureKindOf(const std::string& name, bool jpeg_allowed);

}  // namespace browser
