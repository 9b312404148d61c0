#include "browser/page/image_element.h"

#include "browser/page/picture_source.h"
#include "browser/script/load_context.h"

namespace browser {

CImageElement::~CImageElement() = default;

bool CImageElement::Load(const CDataFile& file, LoadContext& context) {
  file.ReadString(section_, "src", src_);
  file.ReadLong(section_, "width", width_);
  file.ReadLong(section_, "height", height_);
  file.ReadInt(section_, "animated", animated_);
  file.ReadString(section_, "text", text_);
  if (file.ReadLong(section_, "transX", trans_x_)) {
    file.ReadLong(section_, "transY", trans_y_);
  } else {
    trans_x_ = trans_y_ = -1;
  }
  CScriptableObject::Load(file, context);
  LoadPicture(context);
  return true;
}

void CImageElement::LoadPicture(LoadContext& context) {
  // An animated picture is drawn by its animation, which the display elements start.
  if (animated_ != 0 || picture_ != nullptr || context.pictures == nullptr || src_.empty()) {
    return;
  }
  const std::string path = context.paths.Resolve(src_);
  switch (PictureKindOf(src_, true)) {
    case PictureKind::kGif: {
      GifPicture gif = context.pictures->LoadGif(path, 0);
      picture_ = std::move(gif.image);
      mask_ = std::move(gif.mask);
      break;
    }
    case PictureKind::kJpeg:
      picture_ = context.pictures->LoadJpeg(path);
      break;
    case PictureKind::kBitmap:
      picture_ = context.pictures->LoadBitmap(path);
      break;
  }
  if (picture_ != nullptr && picture_->empty()) picture_.reset();
  if (picture_ == nullptr) {
    mask_.reset();
    return;
  }
  if (width_ <= 0) width_ = picture_->width();
  if (height_ <= 0) height_ = picture_->height();
  if (trans_x_ >= 0) {
    if (auto key_mask = MakeKeyMask(*picture_, trans_x_, trans_y_)) mask_ = std::move(key_mask);
  }
  if (mask_ != nullptr && mask_->size() != picture_->size()) mask_.reset();
}

Rect CImageElement::GetBounds() const {
  int32_t w = width_, h = height_;
  if (picture_ != nullptr) {
    if (w <= 0) w = picture_->width();
    if (h <= 0) h = picture_->height();
  }
  return {x_, y_, x_ + w, y_ + h};
}

bool CImageElement::HitTest(Point point) const { return Contains(GetBounds(), point); }

bool CImageElement::Paint(Canvas& canvas, const Rect& update) {
  const Rect bounds = GetBounds();
  if (!Intersects(bounds, update) || animated_ != 0) return true;
  if (picture_ == nullptr) {
    canvas.DrawButton(bounds, text_);
    return true;
  }
  const Rect source{0, 0, picture_->width(), picture_->height()};
  if (mask_ != nullptr) {
    canvas.DrawMaskedPicture(*picture_, *mask_, source, bounds);
  } else {
    canvas.DrawPicture(*picture_, source, bounds);
  }
  return true;
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
