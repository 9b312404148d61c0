#include "browser/page/image_element.h"

#include "browser/page/page_load_context.h"
#include "browser/page/picture_source.h"
#include "browser/script/key_reader.h"
#include "element_keys.h"

namespace browser {

CImageElement::~CImageElement() { StopAnimations(); }

bool CImageElement::Load(const CDataFile& file, LoadContext& context) {
  const KeyReader read(file, section_, context);
  read.Text(keys::kSrc, src_);
  ReadSize(read, &KeyReader::Long, width_, height_);
  read.Int(keys::kAnimated, animated_);
  read.Text(keys::kText, text_);
  ReadColourKey(read, trans_x_, trans_y_);
  CScriptableObject::Load(file, context);
  pictures_ = PicturesOf(context);
  paths_ = context.paths;
  LoadPicture();
  painted_bounds_ = GetBounds();
  return true;
}

LoadedPicture LoadElementPicture(PictureSource& pictures, const std::string& name,
                                 const std::string& path, bool jpeg_allowed, int32_t trans_x,
                                 int32_t trans_y) {
  LoadedPicture out;
  switch (PictureKindOf(name, jpeg_allowed)) {
    case PictureKind::kGif: {
      GifPicture gif = pictures.LoadGif(path, 0);
      out.picture = std::move(gif.image);
      out.mask = std::move(gif.mask);
      break;
    }
    case PictureKind::kJpeg:
      out.picture = pictures.LoadJpeg(path);
      break;
    case PictureKind::kBitmap:
      out.picture = pictures.LoadBitmap(path);
      break;
  }
  if (out.picture != nullptr && out.picture->empty()) out.picture.reset();
  if (out.picture != nullptr && trans_x >= 0) {
    // Keying writes into the picture (it gets pixels of its own) and makes a mask as large.
    MemoryBudget* budget = pictures.budget();
    const uint64_t bytes = 2 * out.picture->bytes();
    if (budget != nullptr && !budget->Take(bytes, "colour key of " + path + " not made")) {
      out.picture.reset();
    } else {
      if (budget != nullptr) out.share = BudgetShare(budget, bytes);
      if (auto key_mask = MakeKeyMask(*out.picture, trans_x, trans_y)) {
        out.mask = std::move(key_mask);
      }
    }
  }
  // A mask that does not fit its picture would be read past its end.
  if (out.picture == nullptr || (out.mask != nullptr && out.mask->size() != out.picture->size())) {
    out.mask.reset();
  }
  return out;
}

void CImageElement::LoadPicture() {
  if (pictures_ == nullptr || src_.empty()) return;
  const std::string path = paths_.Resolve(src_);
  if (animated_ != 0) {
    if (animation_ == 0 && !animation_refused_) {
      animation_ = pictures_->PlayAnimation(path, {x_, y_}, kAnyBytes).id;
      animation_refused_ = animation_ == 0;
    }
    return;
  }
  if (picture_ != nullptr) return;
  LoadedPicture loaded = LoadElementPicture(*pictures_, src_, path, true, trans_x_, trans_y_);
  picture_ = std::move(loaded.picture);
  mask_ = std::move(loaded.mask);
  picture_share_ = std::move(loaded.share);
  if (picture_ == nullptr) return;
  if (width_ <= 0) width_ = picture_->width();
  if (height_ <= 0) height_ = picture_->height();
}

Rect CImageElement::GetBounds() const {
  int32_t w = width_, h = height_;
  if (picture_ != nullptr) {
    if (w <= 0) w = picture_->width();
    if (h <= 0) h = picture_->height();
  }
  return RectAt(x_, y_, w, h);
}

bool CImageElement::HitTest(Point point) const { return Contains(GetBounds(), point); }

bool CImageElement::Paint(Canvas& canvas, const Rect& update) {
  const Rect bounds = GetBounds();
  const bool to_start = animated_ != 0 && animation_ == 0 && !animation_refused_;
  if (!Intersects(bounds, update) && !to_start) return true;
  if (animated_ != 0) {
    // A running animation draws itself; one that is not running yet (stopped for a capture)
    // is started. A file the library refused is not read again on every paint, which would
    // repaint without end, but on the next Refresh.
    if (to_start) {
      LoadPicture();
      Invalidate(bounds);
    }
    return true;
  }
  if (picture_ == nullptr) {
    canvas.DrawButton(bounds, text_);
    return true;
  }
  const Rect source{0, 0, picture_->width(), picture_->height()};
  DrawWithMask(canvas, *picture_, mask_.get(), source, bounds);
  return true;
}

void CImageElement::StopAnimations() {
  if (animation_ != 0 && pictures_ != nullptr) pictures_->StopAnimation(animation_);
  animation_ = 0;
}

void CImageElement::Refresh() {
  StopAnimations();
  animation_refused_ = false;
  picture_.reset();
  mask_.reset();
  picture_share_ = {};
  LoadPicture();
  Invalidate(painted_bounds_);
  painted_bounds_ = GetBounds();
  Invalidate(painted_bounds_);
}

std::optional<PropertyField> CImageElement::FindProperty(std::string_view name) {
  using Kind = PropertyField::Kind;
  return FindNamedField(name, {
      {"src", {}, {Kind::kText, &src_, true}},
      {"animated", {}, {Kind::kBool, &animated_, true}},
      {"width", {}, {Kind::kInt, &width_}},
      {"height", {}, {Kind::kInt, &height_}},
      {"cursor", {}, {Kind::kText, &cursor_, true}},
      {"buttonText", {}, {Kind::kText, &text_, true}},
      {"mouseMoveable", {}, {Kind::kBool, &mouse_moveable_, true}},
  });
}

std::unique_ptr<Picture> MakeKeyMask(Picture& picture, int32_t x, int32_t y) {
  if (x < 0 || y < 0 || x >= picture.width() || y >= picture.height()) return nullptr;
  const uint32_t key = picture.Pixel(x, y) & 0xFFFFFF;
  auto mask = std::make_unique<Picture>(picture.width(), picture.height(), 0xFF000000);
  for (int32_t row = 0; row < picture.height(); ++row) {
    uint32_t* p = picture.Row(row);
    uint32_t* m = mask->Row(row);
    for (int32_t col = 0; col < picture.width(); ++col) {
      if ((p[col] & 0xFFFFFF) == key) {
        m[col] = 0xFFFFFFFF;
        p[col] = 0xFF000000;
      }
    }
  }
  return mask;
}

}  // namespace browser
