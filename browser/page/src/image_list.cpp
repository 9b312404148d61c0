#include "browser/page/image_list.h"

#include "browser/doc/section_names.h"
#include "browser/page/image_element.h"
#include "browser/page/page_load_context.h"
#include "browser/page/picture_source.h"
#include "browser/script/key_reader.h"
#include "element_keys.h"

namespace browser {

CImageList::~CImageList() = default;

bool CImageList::Load(const CDataFile& file, LoadContext& context) {
  const KeyReader read(file, section_, context);
  read.Text(keys::kSrc, src_);
  read.Int(keys::kFrame, frame_);
  ReadColourKey(read, trans_x_, trans_y_);
  frames_.clear();
  // Frames run up to the first section that lacks one of its four sides; every frame needs
  // a section of its own, so the list stays in proportion to the file.
  for (int n = 0;; ++n) {
    const std::string section = FrameSection(section_, n);
    Rect r;
    const KeyReader frame(file, section, context);
    if (!frame.Long(keys::kTop, r.top) || !frame.Long(keys::kLeft, r.left) ||
        !frame.Long(keys::kBottom, r.bottom) || !frame.Long(keys::kRight, r.right)) {
      break;
    }
    frames_.push_back(r);
  }
  if (frames_.empty() || frame_ < 0 || static_cast<size_t>(frame_) >= frames_.size()) {
    return false;
  }
  CScriptableObject::Load(file, context);
  pictures_ = PicturesOf(context);
  paths_ = context.paths;
  LoadPicture();
  return true;
}

void CImageList::LoadPicture() {
  if (pictures_ == nullptr || src_.empty()) return;
  LoadedPicture loaded =
      LoadElementPicture(*pictures_, src_, paths_.Resolve(src_), false, trans_x_, trans_y_);
  picture_ = std::move(loaded.picture);
  mask_ = std::move(loaded.mask);
  picture_share_ = std::move(loaded.share);
}

Rect CImageList::GetBounds() const {
  if (frame_ < 0 || static_cast<size_t>(frame_) >= frames_.size()) return {x_, y_, x_, y_};
  const Rect& f = frames_[static_cast<size_t>(frame_)];
  return RectAt(x_, y_, int64_t{f.right} - f.left, int64_t{f.bottom} - f.top);
}

bool CImageList::HitTest(Point point) const { return Contains(GetBounds(), point); }

bool CImageList::Paint(Canvas& canvas, const Rect& update) {
  const Rect bounds = GetBounds();
  if (IsEmpty(bounds) || !Intersects(bounds, update)) return true;
  if (picture_ == nullptr) {
    canvas.DrawButton(bounds, std::string());
    return true;
  }
  const Rect& source = frames_[static_cast<size_t>(frame_)];
  DrawWithMask(canvas, *picture_, mask_.get(), source, bounds);
  return true;
}

void CImageList::Refresh() {
  picture_.reset();
  mask_.reset();
  LoadPicture();
  if (frame_ >= 0 && static_cast<size_t>(frame_) < frames_.size()) {
    // The frames of a strip share one size as a rule; the old frame's area is painted too.
    Invalidate(GetBounds());
  } else {
    frame_ = 0;
  }
}

std::optional<PropertyField> CImageList::FindProperty(std::string_view name) {
  using Kind = PropertyField::Kind;
  return FindNamedField(name, {
      {"src", {}, {Kind::kText, &src_}},
      {"frame", {}, {Kind::kInt, &frame_}},
      {"cursor", {}, {Kind::kText, &cursor_}},
      {"mouseMoveable", {}, {Kind::kBool, &mouse_moveable_}},
  });
}

}  // namespace browser
