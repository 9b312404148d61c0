#pragma once

#include <QImage>
#include <memory>

#include "browser/page/picture.h"

namespace browser::shell {

// browser::Picture and QImage share one pixel layout (32-bit 0xAARRGGBB, rows top-down), so
// these are plain copies.

// A QImage that reads `picture`'s pixels in place (Format_RGB32: alpha is ignored). It is
// valid only while `picture` lives and is not changed; an empty picture gives a null image.
QImage ImageView(const Picture& picture);

// A copy of `image` as a picture (any format; converted to 32-bit opaque pixels first).
// Nothing for a null image.
std::unique_ptr<Picture> PictureFromImage(const QImage& image);

}  // namespace browser::shell
