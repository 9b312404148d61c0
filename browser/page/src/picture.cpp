#include "browser/page/picture.h"

#include "browser/doc/no_case.h"
#include "browser/page/picture_source.h"

namespace browser {

Picture::Picture(int32_t width, int32_t height, uint32_t fill) {
  if (width <= 0 || height <= 0) return;
  width_ = width;
  height_ = height;
  pixels_.assign(static_cast<size_t>(width) * static_cast<size_t>(height), fill);
}

PictureKind PictureKindOf(const std::string& name, bool jpeg_allowed) {
  if (ContainsNoCase(name, ".gif")) return PictureKind::kGif;
  if (jpeg_allowed && name.find(".jpg") != std::string::npos) return PictureKind::kJpeg;
  return PictureKind::kBitmap;
}

}  // namespace browser
