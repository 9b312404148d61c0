#include "browser/page/picture.h"

#include "browser/doc/no_case.h"
#include "browser/page/canvas.h"
#include "browser/page/picture_source.h"

namespace browser {

Picture::Picture(int32_t width, int32_t height, uint32_t fill) {
  if (width <= 0 || height <= 0) return;
  width_ = width;
  height_ = height;
  pixels_ = std::make_shared<std::vector<uint32_t>>(
      static_cast<size_t>(width) * static_cast<size_t>(height), fill);
}

std::vector<uint32_t>& Picture::Own() {
  if (pixels_.use_count() > 1) pixels_ = std::make_shared<std::vector<uint32_t>>(*pixels_);
  return *pixels_;
}

PictureKind PictureKindOf(const std::string& name, bool jpeg_allowed) {
  if (ContainsNoCase(name, ".gif")) return PictureKind::kGif;
  if (jpeg_allowed && name.find(".jpg") != std::string::npos) return PictureKind::kJpeg;
  return PictureKind::kBitmap;
}

}  // namespace browser

namespace browser {

void DrawWithMask(Canvas& canvas, const Picture& picture, const Picture* mask,
                  const Rect& source, const Rect& target) {
  if (mask != nullptr) {
    canvas.DrawMaskedPicture(picture, *mask, source, target);
  } else {
    canvas.DrawPicture(picture, source, target);
  }
}

int32_t BlendChannel(int32_t old_value, int32_t new_value, int32_t alpha) {
  // A transparency past 1 would push a channel past its byte: it stays at the edge.
  const int32_t v = (alpha * (new_value - old_value) + old_value * 256) >> 8;
  return v < 0 ? 0 : (v > 255 ? 255 : v);
}

}  // namespace browser
