#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "browser/script/element.h"

namespace browser {

struct Size {
  int32_t width = 0;
  int32_t height = 0;
  bool operator==(const Size&) const = default;
};

// A decoded picture: 32-bit pixels 0xAARRGGBB (in memory B, G, R, A on this machine's byte
// order), rows top-down, stride = width. Pictures from files are opaque (alpha 0xFF); a
// page's region works on red, green and blue only.
//
// Copies share their pixels until one of them is written through (SetPixel, or a pointer
// to non-const pixels taken): then that one gets pixels of its own. An identical picture
// shown by many elements is held once.
class Picture {
 public:
  Picture() = default;
  // A picture of that size filled with `fill`; an empty one when either side is not
  // positive.
  Picture(int32_t width, int32_t height, uint32_t fill = 0xFFFFFFFF);

  int32_t width() const { return width_; }
  int32_t height() const { return height_; }
  Size size() const { return {width_, height_}; }
  bool empty() const { return width_ <= 0 || height_ <= 0; }
  uint32_t Pixel(int32_t x, int32_t y) const { return (*pixels_)[Index(x, y)]; }
  void SetPixel(int32_t x, int32_t y, uint32_t value) { Own()[Index(x, y)] = value; }
  const uint32_t* Row(int32_t y) const { return data() + Index(0, y); }
  uint32_t* Row(int32_t y) { return data() + Index(0, y); }
  const uint32_t* data() const { return pixels_ == nullptr ? nullptr : pixels_->data(); }
  uint32_t* data() { return pixels_ == nullptr ? nullptr : Own().data(); }
  // The bytes of its pixels (shared or not).
  size_t bytes() const { return pixels_ == nullptr ? 0 : pixels_->size() * sizeof(uint32_t); }
  // Whether the two share their pixels.
  bool SharesPixelsWith(const Picture& other) const {
    return pixels_ != nullptr && pixels_ == other.pixels_;
  }

 private:
  size_t Index(int32_t x, int32_t y) const {
    return static_cast<size_t>(y) * static_cast<size_t>(width_) + static_cast<size_t>(x);
  }

  // The pixels, copied first when others share them.
  std::vector<uint32_t>& Own();

  int32_t width_ = 0;
  int32_t height_ = 0;
  std::shared_ptr<std::vector<uint32_t>> pixels_;
};

}  // namespace browser
