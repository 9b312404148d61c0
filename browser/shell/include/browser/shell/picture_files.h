#pragma once

#include <QIODevice>
#include <cstdint>
#include <memory>
#include <string>

#include "browser/page/picture_source.h"

namespace browser::shell {

// The largest picture a file may bring: 16 Mi pixels (64 MiB as 32-bit pixels), the GIF
// library's own limit, so that a header claiming 30000 x 30000 is refused before any pixel
// memory is taken.
inline constexpr int64_t kMaxPicturePixels = int64_t{16} << 20;

// Sets Qt's image allocation limit (process-wide) to the picture limit.
void LimitImageAllocations();

// One picture read from `device` in exactly the format named ("bmp", "jpeg"): a PNG renamed to
// .bmp is not a bitmap, as it never was for the documents. Nothing for a damaged picture, one
// of another format or one claiming more than kMaxPicturePixels.
std::unique_ptr<Picture> ReadPicture(QIODevice& device, const char* format);
// The same from a file, which is opened only when it is a regular file.
std::unique_ptr<Picture> ReadPictureFile(const std::string& path, const char* format);
// The first image of a GIF file through libframix32, with its mask (see PictureSource).
GifPicture ReadGifFile(const std::string& path, int mode);

}  // namespace browser::shell
