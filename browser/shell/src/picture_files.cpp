#include "browser/shell/picture_files.h"

#include <unistd.h>

#include <QFile>
#include <QImageReader>
#include <cstring>

#include "browser/shell/picture_image.h"
#include "framix32.h"
#include "platform/regular_file.h"

namespace browser::shell {
namespace {

// A framix32 bitmap's pixels as a picture (the library's pixels are 0xFFRRGGBB already).
std::unique_ptr<Picture> CopyBitmap(HBITMAP bitmap) {
  const int width = dzBitmapWidth(bitmap);
  const int height = dzBitmapHeight(bitmap);
  const uint32_t* pixels = dzBitmapPixels(bitmap);
  if (width <= 0 || height <= 0 || pixels == nullptr) return nullptr;
  auto picture = std::make_unique<Picture>(width, height);
  std::memcpy(picture->data(), pixels,
              static_cast<size_t>(width) * static_cast<size_t>(height) * sizeof(uint32_t));
  return picture;
}

}  // namespace

void LimitImageAllocations() {
  // In megabytes, for every image reader of the process.
  QImageReader::setAllocationLimit(static_cast<int>(kMaxPicturePixels * 4 >> 20));
}

std::unique_ptr<Picture> ReadPicture(QIODevice& device, const char* format) {
  QImageReader reader(&device, format);
  reader.setAutoDetectImageFormat(false);
  reader.setDecideFormatFromContent(false);
  // The header's size is checked first for readers that report it; the allocation limit
  // catches the others.
  if (!reader.canRead()) return nullptr;
  const QSize claimed = reader.size();
  if (claimed.isValid() && int64_t{claimed.width()} * claimed.height() > kMaxPicturePixels) {
    return nullptr;
  }
  QImage image;
  if (!reader.read(&image)) return nullptr;
  return PictureFromImage(image);
}

std::unique_ptr<Picture> ReadPictureFile(const std::string& path, const char* format) {
  // A FIFO or a device named as a picture would block or never end.
  const platform::OpenedFile opened = platform::OpenRegularFile(path);
  if (opened.fd < 0) return nullptr;
  QFile file;
  if (!file.open(opened.fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
    ::close(opened.fd);
    return nullptr;
  }
  return ReadPicture(file, format);
}

GifPicture ReadGifFile(const std::string& path, int mode) {
  HBITMAP mask = nullptr;
  HBITMAP image = nullptr;
  HPALETTE palette = nullptr;
  // The library draws into no window for a still picture: none is needed.
  dzBitmapsFromGif(nullptr, path.c_str(), mode, &mask, &image, &palette);
  GifPicture result;
  if (image != nullptr) {
    result.image = CopyBitmap(image);
    if (result.image != nullptr && mask != nullptr) result.mask = CopyBitmap(mask);
  }
  dzDeleteBitmap(mask);
  dzDeleteBitmap(image);
  dzDeletePalette(palette);
  return result;
}

}  // namespace browser::shell
