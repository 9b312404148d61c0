#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "browser/doc/memory_budget.h"
#include "browser/page/display_object.h"
#include "browser/page/picture.h"
#include "browser/script/load_context.h"

namespace browser {

class PictureSource;

// A picture ("Image"): a bitmap, JPEG or GIF file, an animated GIF that draws itself, or a
// push button with a text when the picture cannot be loaded.
class CImageElement : public CDisplayElement {
 public:
  using CDisplayElement::CDisplayElement;
  // Stops the animation first: it draws into the window until then.
  ~CImageElement() override;

  // Reads "src", "width", "height", "animated", "text", "transX" (and "transY" only when
  // "transX" is present), then the scriptable-object keys, then loads the picture (or starts
  // the animation). Always true.
  bool Load(const CDataFile& file, LoadContext& context) override;
  // (X, Y) to (X + width, Y + height); a side of 0 or less takes the picture's.
  Rect GetBounds() const override;
  bool HitTest(Point point) const override;
  bool Paint(Canvas& canvas, const Rect& update) override;
  // Stops the animation, drops the picture and loads it again from the current settings.
  void Refresh() override;
  void StopAnimations() override;

  const std::string& src() const { return src_; }
  const std::string& text() const { return text_; }
  int32_t width() const { return width_; }
  int32_t height() const { return height_; }
  int32_t animated() const { return animated_; }
  uint64_t animation() const { return animation_; }
  const Picture* picture() const { return picture_.get(); }
  const Picture* mask() const { return mask_.get(); }

 protected:
  std::optional<PropertyField> FindProperty(std::string_view name) override;

 private:
  void LoadPicture();

  std::string src_;
  std::string text_;
  int32_t width_ = 0;
  int32_t height_ = 0;
  int32_t animated_ = 0;
  int32_t trans_x_ = -1;
  int32_t trans_y_ = -1;
  std::unique_ptr<Picture> picture_;
  std::unique_ptr<Picture> mask_;
  BudgetShare picture_share_;
  uint64_t animation_ = 0;
  bool animation_refused_ = false;  // the library could not play src
  Rect painted_bounds_;
  PictureSource* pictures_ = nullptr;
  DocumentPaths paths_;
};

// Makes `mask` white where `picture` has exactly the colour of its pixel (x, y) and black
// elsewhere, and turns those pixels of the picture black, so that drawing through the mask
// leaves them transparent. Nothing when (x, y) lies outside the picture.
std::unique_ptr<Picture> MakeKeyMask(Picture& picture, int32_t x, int32_t y);

// A picture by a document's name, as elements and strips load them: ".gif" anywhere (any
// case) through the GIF loader with its mask, ".jpg" (where allowed) as a JPEG, anything
// else as a bitmap; then the key mask of (trans_x, trans_y) when trans_x is 0 or more.
struct LoadedPicture {
  std::unique_ptr<Picture> picture;
  std::unique_ptr<Picture> mask;
  // A colour-keyed picture has pixels of its own, taken from the source's budget.
  BudgetShare share;
};
LoadedPicture LoadElementPicture(PictureSource& pictures, const std::string& name,
                                 const std::string& path, bool jpeg_allowed, int32_t trans_x,
                                 int32_t trans_y);

}  // namespace browser
