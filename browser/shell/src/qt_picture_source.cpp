#include "browser/shell/qt_picture_source.h"

#include <sys/stat.h>

#include <unistd.h>

#include <QFile>
#include <QImageReader>
#include <cstring>

#include "browser/shell/picture_image.h"
#include "framix32.h"
#include "platform/regular_file.h"

namespace browser::shell {
namespace {

// Reads one file in exactly the format named: a PNG renamed to .bmp is not a bitmap, as it
// never was for the documents.
std::unique_ptr<Picture> ReadAs(const std::string& path, const char* format) {
  // A FIFO or a device named as a picture would block or never end.
  const platform::OpenedFile opened = platform::OpenRegularFile(path);
  if (opened.fd < 0) return nullptr;
  QFile file;
  if (!file.open(opened.fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
    ::close(opened.fd);
    return nullptr;
  }
  QImageReader reader(&file, format);
  reader.setAutoDetectImageFormat(false);
  reader.setDecideFormatFromContent(false);
  // The header's size is checked first for readers that report it; the allocation limit
  // catches the others.
  if (!reader.canRead()) return nullptr;
  const QSize claimed = reader.size();
  if (claimed.isValid() &&
      int64_t{claimed.width()} * claimed.height() > QtPictureSource::kMaxPicturePixels) {
    return nullptr;
  }
  QImage image;
  if (!reader.read(&image)) return nullptr;
  return PictureFromImage(image);
}

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

QtPictureSource::QtPictureSource() {
  // In megabytes, for every image reader of the process.
  QImageReader::setAllocationLimit(static_cast<int>(kMaxPicturePixels * 4 >> 20));
}

std::unique_ptr<Picture> QtPictureSource::LoadBitmap(const std::string& path) {
  return ReadAs(path, "bmp");
}

std::unique_ptr<Picture> QtPictureSource::LoadJpeg(const std::string& path) {
  // Format_RGB32 holds the decoder's 24-bit colour (grey images come out as grey RGB).
  return ReadAs(path, "jpeg");
}

GifPicture QtPictureSource::LoadGif(const std::string& path, int mode) {
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

std::string QtPictureSource::Stamp(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return {};
  return std::to_string(st.st_dev) + ":" + std::to_string(st.st_ino) + ":" +
         std::to_string(st.st_size) + ":" + std::to_string(st.st_mtim.tv_sec) + "." +
         std::to_string(st.st_mtim.tv_nsec);
}

uint64_t QtPictureSource::PlayAnimation(const std::string& path, Point at) {
  if (surface_ == nullptr) return 0;
  const uint64_t id = ++next_id_;
  HANIMATION animation = dzPlayGif(surface_->Target(id), at.x, at.y, path.c_str(), 0);
  if (animation == nullptr) {
    surface_->Release(id);
    return 0;
  }
  playing_[id] = animation;
  return id;
}

void QtPictureSource::StopAnimation(uint64_t id) {
  auto it = playing_.find(id);
  if (it == playing_.end()) return;
  // Waits for the thread: after this the target is never drawn through again.
  dzStopGif(it->second);
  playing_.erase(it);
  surface_->Release(id);
}

}  // namespace browser::shell
