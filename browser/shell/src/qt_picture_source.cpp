#include "browser/shell/qt_picture_source.h"

#include <sys/stat.h>

#include "browser/shell/picture_files.h"

namespace browser::shell {

QtPictureSource::QtPictureSource() { LimitImageAllocations(); }

std::unique_ptr<Picture> QtPictureSource::LoadBitmap(const std::string& path) {
  return ReadPictureFile(path, "bmp");
}

std::unique_ptr<Picture> QtPictureSource::LoadJpeg(const std::string& path) {
  // Format_RGB32 holds the decoder's 24-bit colour (grey images come out as grey RGB).
  return ReadPictureFile(path, "jpeg");
}

GifPicture QtPictureSource::LoadGif(const std::string& path, int mode) {
  return ReadGifFile(path, mode);
}

std::string QtPictureSource::Stamp(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return {};
  return std::to_string(st.st_dev) + ":" + std::to_string(st.st_ino) + ":" +
         std::to_string(st.st_size) + ":" + std::to_string(st.st_mtim.tv_sec) + "." +
         std::to_string(st.st_mtim.tv_nsec);
}

uint64_t QtPictureSource::PlayAnimation(const std::string& path, Point at) {
  // Only a regular file is a picture: a pipe would wait for a writer.
  if (Stamp(path).empty()) return 0;
  if (still_) {
    GifPicture frame = LoadGif(path, 0);
    if (frame.image == nullptr) return 0;
    const uint64_t id = ++next_id_;
    stills_[id] = Still{at, std::move(frame)};
    return id;
  }
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
  stills_.erase(id);
  auto it = playing_.find(id);
  if (it == playing_.end()) return;
  // Waits for the thread: after this the target is never drawn through again.
  dzStopGif(it->second);
  playing_.erase(it);
  surface_->Release(id);
}

}  // namespace browser::shell
