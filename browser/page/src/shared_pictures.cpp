#include "browser/page/shared_pictures.h"

namespace browser {

std::unique_ptr<Picture> SharedPictureSource::Copy(const std::unique_ptr<Picture>& picture) {
  return picture == nullptr ? nullptr : std::make_unique<Picture>(*picture);
}

const SharedPictureSource::Entry& SharedPictureSource::Find(const Key& key) {
  const auto& [kind, mode, path] = key;
  std::string stamp = files_.Stamp(path);
  auto it = cache_.find(key);
  if (it != cache_.end() && !stamp.empty() && it->second.stamp == stamp) return it->second;
  // The picture decoded before is let go first, so that the budget has its room again.
  if (it != cache_.end()) cache_.erase(it);
  Entry entry;
  entry.stamp = std::move(stamp);
  if (kind == 2) {
    GifPicture gif = files_.LoadGif(path, mode);
    entry.image = std::move(gif.image);
    entry.mask = std::move(gif.mask);
  } else {
    entry.image = kind == 1 ? files_.LoadJpeg(path) : files_.LoadBitmap(path);
  }
  const uint64_t bytes = (entry.image != nullptr ? entry.image->bytes() : 0) +
                         (entry.mask != nullptr ? entry.mask->bytes() : 0);
  if (bytes > 0) {
    if (budget_.Take(bytes, "picture " + path + " not loaded")) {
      entry.share = BudgetShare(&budget_, bytes);
    } else {
      entry.image.reset();
      entry.mask.reset();
    }
  }
  // A refused or missing picture is remembered too: it is not read again for every element.
  return cache_.emplace(key, std::move(entry)).first->second;
}

std::unique_ptr<Picture> SharedPictureSource::LoadBitmap(const std::string& path) {
  return Copy(Find({0, 0, path}).image);
}

std::unique_ptr<Picture> SharedPictureSource::LoadJpeg(const std::string& path) {
  return Copy(Find({1, 0, path}).image);
}

GifPicture SharedPictureSource::LoadGif(const std::string& path, int mode) {
  const Entry& entry = Find({2, mode, path});
  return {Copy(entry.image), Copy(entry.mask)};
}

uint64_t SharedPictureSource::PlayAnimation(const std::string& path, Point at) {
  if (playing() >= kMaxPlayingAnimations) {
    budget_.Tell(std::to_string(kMaxPlayingAnimations) + " animations play already: " + path +
                 " not played");
    return 0;
  }
  const uint64_t animation = files_.PlayAnimation(path, at);
  if (animation != 0) playing_.insert(animation);
  return animation;
}

void SharedPictureSource::StopAnimation(uint64_t animation) {
  if (playing_.erase(animation) == 0) return;
  files_.StopAnimation(animation);
}

}  // namespace browser
