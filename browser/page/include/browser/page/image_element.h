#pragma once

#include <memory>
#include <string>

#include "browser/page/display_object.h"
#include "browser/page/picture.h"

namespace browser {

// A picture ("Image"): a bitmap, JPEG or GIF file, or a push button with a text when the
// picture cannot be loaded.
class CImageElement : public CDisplayObject {
 public:
  using CDisplayObject::CDisplayObject;
  ~CImageElement() override;

  // Reads "src", "width", "height", "animated", "text", "transX" (and "transY" only when
  // "transX" is present), then the scriptable-object keys, then loads the picture. Always
  // true.
  bool Load(const CDataFile& file, LoadContext& context) override;
  // (X, Y) to (X + width, Y + height); a side of 0 or less takes the picture's.
  Rect GetBounds() const override;
  bool HitTest(Point point) const override;
  bool Paint(Canvas& canvas, const Rect& update) override;

  const std::string& src() const { return src_; }
  const std::string& text() const { return text_; }
  int32_t width() const { return width_; }
  int32_t height() const { return height_; }
  int32_t animated() const { return animated_; }
  const Picture* picture() const { return picture_.get(); }
  const Picture* mask() const { return mask_.get(); }

 private:
  void LoadPicture(LoadContext& context);

  std::string src_;
  std::string text_;
  int32_t width_ = 0;
  int32_t height_ = 0;
  int32_t animated_ = 0;
  int32_t trans_x_ = -1;
  int32_t trans_y_ = -1;
  std::unique_ptr<Picture> picture_;
  std::unique_ptr<Picture> mask_;
};

// Makes `mask` white where `picture` has exactly the colour of its pixel (x, y) and black
// elsewhere, and turns those pixels of the picture black, so that drawing through the mask
// leaves them transparent. Nothing when (x, y) lies outside the picture.
std::unique_ptr<Picture> MakeKeyMask(Picture& picture, int32_t x, int32_t y);

}  // namespace browser
