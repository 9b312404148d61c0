#pragma once

#include <string>

#include "browser/page/display_object.h"

namespace browser {

// A hosted control ("ActiveX"), named by "controlName" or "CLSID" (which wins).
class CActiveXElement : public CDisplayObject {
 public:
  using CDisplayObject::CDisplayObject;

  bool Load(const CDataFile& file, LoadContext& context) override;
  Rect GetBounds() const override { return {x_, y_, x_ + width_, y_ + height_}; }
  bool HitTest(Point point) const override;

  const std::string& control_name() const { return control_name_; }
  bool drop_target() const { return drop_target_; }

 private:
  int32_t width_ = 0;
  int32_t height_ = 0;
  std::string control_name_;
  bool drop_target_ = false;
};

}  // namespace browser
