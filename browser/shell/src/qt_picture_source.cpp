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

PlayedAnimation QtPictureSource::PlayAnimation(const std::string& path, Point at,
                                               uint64_t max_bytes) {
  // Only a regular file is a picture: a pipe would wait for a writer.
  if (Stamp(path).empty()) return {};
  if (still_) {
    GifPicture frame = LoadGif(path, 0);
    if (frame.image == nullptr) return {};
    const uint64_t bytes =
        frame.image->bytes() + (frame.mask != nullptr ? frame.mask->bytes() : 0);
    if (bytes > max_bytes) return {0, 0, true};
    const uint64_t id = ++next_id_;
    stills_[id] = Still{at, std::move(frame)};
    return {id, bytes};
  }
  if (surface_ == nullptr) return {};
  const uint64_t id = ++next_id_;
  uint64_t held = 0;
  HANIMATION animation =
      dzPlayGifWithin(surface_->Target(id), at.x, at.y, path.c_str(), 0, max_bytes, &held);
  if (animation == nullptr) {
    surface_->Release(id);
    // Code 4: the frames would hold more than they may.
    return {0, 0, GetError(nullptr) == 4};
  }
  playing_[id] = animation;
  return {id, held};
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
