#pragma once

#include <memory>
#include <string>
#include <vector>

#include "browser/doc/memory_budget.h"
#include "browser/page/display_object.h"
#include "browser/page/picture.h"
#include "browser/script/load_context.h"

namespace browser {

class PictureSource;

// One frame of a picture strip ("ImageList").
class CImageList : public CDisplayElement {
 public:
  using CDisplayElement::CDisplayElement;
  ~CImageList() override;

  // Reads "src", "frame", "transX"/"transY" and the frames "<section>_Frame_0", 1, ... up to
  // the first without all of "top", "left", "bottom", "right". Fails (reading no scripts)
  // without frames or with "frame" not below their count.
  bool Load(const CDataFile& file, LoadContext& context) override;
  // (X, Y) with the current frame's size.
  Rect GetBounds() const override;
  bool HitTest(Point point) const override;
  bool Paint(Canvas& canvas, const Rect& update) override;
  // Loads the picture again; a frame index past the frames becomes 0.
  void Refresh() override;

  const std::string& src() const { return src_; }
  const std::vector<Rect>& frames() const { return frames_; }
  int32_t frame() const { return frame_; }
  const Picture* picture() const { return picture_.get(); }

 protected:
  std::optional<PropertyField> FindProperty(std::string_view name) override;

 private:
  void LoadPicture();

  std::string src_;
  int32_t frame_ = 0;
  int32_t trans_x_ = -1;
  int32_t trans_y_ = -1;
  std::vector<Rect> frames_;
  std::unique_ptr<Picture> picture_;
  std::unique_ptr<Picture> mask_;
  BudgetShare picture_share_;
  PictureSource* pictures_ = nullptr;
  DocumentPaths paths_;
};

}  // namespace browser
