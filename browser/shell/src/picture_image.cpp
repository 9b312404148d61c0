#include "browser/shell/picture_image.h"

#include <cstring>

namespace browser::shell {

QImage ImageView(const Picture& picture) {
  if (picture.empty()) return {};
  return QImage(reinterpret_cast<const uchar*>(picture.data()), picture.width(),
                picture.height(), static_cast<qsizetype>(picture.width()) * 4,
                QImage::Format_RGB32);
}

std::unique_ptr<Picture> PictureFromImage(const QImage& image) {
  if (image.isNull()) return nullptr;
  const QImage rgb = image.format() == QImage::Format_RGB32
                         ? image
                         : image.convertToFormat(QImage::Format_RGB32);
  if (rgb.isNull()) return nullptr;
  auto picture = std::make_unique<Picture>(rgb.width(), rgb.height());
  if (picture->empty()) return nullptr;
  const size_t row_bytes = static_cast<size_t>(rgb.width()) * 4;
  for (int y = 0; y < rgb.height(); ++y) {
    std::memcpy(picture->Row(y), rgb.constScanLine(y), row_bytes);
  }
  return picture;
}

}  // namespace browser::shell
