#pragma once

#include <cstdint>
#include <map>

#include "browser/page/picture_source.h"
#include "browser/shell/animation_surface.h"
#include "browser/shell/picture_files.h"
#include "framix32.h"

namespace browser::shell {

// Pictures from files (picture_files.h): Windows bitmaps and JPEG through Qt's image reader,
// GIF through libframix32. A file that is missing, damaged or of another format than asked
// for, or that claims more than kMaxPicturePixels, loads nothing.
class QtPictureSource : public PictureSource {
 public:
  static constexpr int64_t kMaxPicturePixels = shell::kMaxPicturePixels;

  // Sets Qt's image allocation limit (process-wide) to the picture limit.
  QtPictureSource();

  std::unique_ptr<Picture> LoadBitmap(const std::string& path) override;
  std::unique_ptr<Picture> LoadJpeg(const std::string& path) override;
  GifPicture LoadGif(const std::string& path, int mode) override;
  // Device, inode, size and time of change.
  std::string Stamp(const std::string& path) override;
  // Animations draw into `surface` (the window's), which must outlive them; without one
  // nothing plays.
  void SetAnimationSurface(AnimationSurface* surface) { surface_ = surface; }
  PlayedAnimation PlayAnimation(const std::string& path, Point at, uint64_t max_bytes) override;
  void StopAnimation(uint64_t animation) override;

  // An animation held still at its first frame (previews: nothing plays there).
  struct Still {
    Point at;
    GifPicture frame;
  };
  // From now on animations are held still at their first frame instead of played.
  void HoldAnimationsStill() { still_ = true; }
  const std::map<uint64_t, Still>& stills() const { return stills_; }

 private:
  AnimationSurface* surface_ = nullptr;
  bool still_ = false;
  std::map<uint64_t, Still> stills_;
  uint64_t next_id_ = 0;
  std::map<uint64_t, HANIMATION> playing_;
};

}  // namespace browser::shell
