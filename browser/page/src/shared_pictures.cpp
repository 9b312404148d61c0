#include "browser/page/shared_pictures.h"

#include <algorithm>

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

PlayedAnimation SharedPictureSource::PlayAnimation(const std::string& path, Point at,
                                                   uint64_t max_bytes) {
  if (playing() >= kMaxPlayingAnimations) {
    budget_.Tell(std::to_string(kMaxPlayingAnimations) + " animations play already: " + path +
                 " not played");
    return {};
  }
  const std::string refused = "animation " + path + " not played";
  const uint64_t left = budget_.limit() - std::min(budget_.used(), budget_.limit());
  const PlayedAnimation played = files_.PlayAnimation(path, at, std::min(max_bytes, left));
  if (played.id == 0) {
    // With the whole budget left, only the animation's own limit can have refused it.
    if (played.over_limit && left < budget_.limit()) budget_.Refuse(refused);
    return {};
  }
  // Another thread may have taken from the budget meanwhile.
  if (!budget_.Take(played.bytes, refused)) {
    files_.StopAnimation(played.id);
    return {};
  }
  playing_.emplace(played.id, BudgetShare(&budget_, played.bytes));
  return played;
}

void SharedPictureSource::StopAnimation(uint64_t animation) {
  auto it = playing_.find(animation);
  if (it == playing_.end()) return;
  files_.StopAnimation(animation);
  // Given back once the animation has let go of its memory.
  playing_.erase(it);
}

}  // namespace browser
