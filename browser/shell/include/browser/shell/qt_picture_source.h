#pragma once

#include <cstdint>

#include "browser/page/picture_source.h"

namespace browser::shell {

// Pictures from files: Windows bitmaps and JPEG through Qt's image reader, GIF through
// libframix32. A file that is missing, damaged or of another format than asked for, or that
// claims more than kMaxPicturePixels, loads nothing.
class QtPictureSource : public PictureSource {
 public:
  // The largest picture a file may bring: 16 Mi pixels (64 MiB as 32-bit pixels), the GIF
  // library's own limit, so that a header claiming 30000 x 30000 is refused before any pixel
  // memory is taken.
  static constexpr int64_t kMaxPicturePixels = int64_t{16} << 20;

  // Sets Qt's image allocation limit (process-wide) to the picture limit.
  QtPictureSource();

  std::unique_ptr<Picture> LoadBitmap(const std::string& path) override;
  std::unique_ptr<Picture> LoadJpeg(const std::string& path) override;
  GifPicture LoadGif(const std::string& path, int mode) override;
};

}  // namespace browser::shell
