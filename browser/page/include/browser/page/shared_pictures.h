#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <tuple>

#include "browser/doc/memory_budget.h"
#include "browser/page/picture_source.h"

namespace browser {

// The pictures of one document over another picture source: a file is decoded once and every
// element that shows it shares its pixels while the file's stamp stays the same (a file
// written anew is decoded anew); each picture decoded is taken from the document's memory
// budget until Clear or until it is decoded anew. A picture the budget refuses loads nothing, as a missing file
// does. Animations pass through, one more of them refused past kMaxPlayingAnimations; what each
// may hold is taken from the budget while it plays.
class SharedPictureSource : public PictureSource {
 public:
  // Animations playing at once in one window: each may hold the GIF library's limit.
  static constexpr int kMaxPlayingAnimations = 4;

  // Both must outlive this source.
  SharedPictureSource(PictureSource& files, MemoryBudget& budget)
      : files_(files), budget_(budget) {}

  std::string Stamp(const std::string& path) override { return files_.Stamp(path); }
  std::unique_ptr<Picture> LoadBitmap(const std::string& path) override;
  std::unique_ptr<Picture> LoadJpeg(const std::string& path) override;
  GifPicture LoadGif(const std::string& path, int mode) override;
  // Plays within what the budget has left, and takes what the animation may hold from it
  // until it stops.
  PlayedAnimation PlayAnimation(const std::string& path, Point at, uint64_t max_bytes) override;
  void StopAnimation(uint64_t animation) override;
  MemoryBudget* budget() override { return &budget_; }

  // Forgets every picture (the elements keep theirs) and gives their memory back.
  void Clear() { cache_.clear(); }
  int playing() const { return static_cast<int>(playing_.size()); }

 private:
  struct Entry {
    std::string stamp;
    std::unique_ptr<Picture> image;
    std::unique_ptr<Picture> mask;
    BudgetShare share;
  };
  // Kind (0 bitmap, 1 JPEG, 2 GIF), GIF mode, path.
  using Key = std::tuple<int, int, std::string>;

  const Entry& Find(const Key& key);
  static std::unique_ptr<Picture> Copy(const std::unique_ptr<Picture>& picture);

  PictureSource& files_;
  MemoryBudget& budget_;
  std::map<Key, Entry> cache_;
  std::map<uint64_t, BudgetShare> playing_;
};

}  // namespace browser
