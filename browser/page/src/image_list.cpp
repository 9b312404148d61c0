#include "browser/page/image_list.h"

#include "browser/doc/section_names.h"
#include "browser/page/image_element.h"
#include "browser/page/picture_source.h"
#include "browser/script/load_context.h"

namespace browser {

CImageList::~CImageList() = default;

bool CImageList::Load(const CDataFile& file, LoadContext& context) {
  file.ReadString(section_, "src", src_);
  file.ReadInt(section_, "frame", frame_);
  if (file.ReadLong(section_, "transX", trans_x_)) {
    file.ReadLong(section_, "transY", trans_y_);
  } else {
    trans_x_ = trans_y_ = -1;
  }
  frames_.clear();
  // Frames run up to the first section that lacks one of its four sides; a section that
  // does not exist lacks all four, so the list ends within the file's own size.
  for (int n = 0;; ++n) {
    const std::string section = FrameSection(section_, n);
    Rect r;
    if (!file.ReadLong(section, "top", r.top) || !file.ReadLong(section, "left", r.left) ||
        !file.ReadLong(section, "bottom", r.bottom) || !file.ReadLong(section, "right", r.right)) {
      break;
    }
    frames_.push_back(r);
  }
  if (frames_.empty() || frame_ < 0 || static_cast<size_t>(frame_) >= frames_.size()) {
    return false;
  }
  CScriptableObject::Load(file, context);
  if (context.pictures != nullptr && !src_.empty()) {
    const std::string path = context.paths.Resolve(src_);
    if (PictureKindOf(src_, false) == PictureKind::kGif) {
      GifPicture gif = context.pictures->LoadGif(path, 0);
      picture_ = std::move(gif.image);
      mask_ = std::move(gif.mask);
    } else {
      picture_ = context.pictures->LoadBitmap(path);
    }
    if (picture_ != nullptr && picture_->empty()) picture_.reset();
    if (picture_ != nullptr && trans_x_ >= 0) {
      if (auto key_mask = MakeKeyMask(*picture_, trans_x_, trans_y_)) mask_ = std::move(key_mask);
    }
    if (picture_ == nullptr || (mask_ != nullptr && mask_->size() != picture_->size())) {
      mask_.reset();
    }
  }
  return true;
}

Rect CImageList::GetBounds() const {
  if (frame_ < 0 || static_cast<size_t>(frame_) >= frames_.size()) return {x_, y_, x_, y_};
  const Rect& f = frames_[static_cast<size_t>(frame_)];
  return {x_, y_, x_ + (f.right - f.left), y_ + (f.bottom - f.top)};
}

bool CImageList::HitTest(Point point) const { return Contains(GetBounds(), point); }

bool CImageList::Paint(Canvas& canvas, const Rect& update) {
  const Rect bounds = GetBounds();
  if (!Intersects(bounds, update)) return true;
  if (picture_ == nullptr) {
    canvas.DrawButton(bounds, std::string());
    return true;
  }
  const Rect& source = frames_[static_cast<size_t>(frame_)];
  if (mask_ != nullptr) {
    canvas.DrawMaskedPicture(*picture_, *mask_, source, bounds);
  } else {
    canvas.DrawPicture(*picture_, source, bounds);
  }
  return true;
}

}  // namespace browser
