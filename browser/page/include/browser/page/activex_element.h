#pragma once

#include <cstdint>
#include <string>

#include "browser/page/display_object.h"

namespace browser {

// A hosted control ("ActiveX"), named by "controlName" or "CLSID" (which wins), shown as a
// child of the window at the element's bounds.
class CActiveXElement : public CDisplayElement {
 public:
  using CDisplayElement::CDisplayElement;
  ~CActiveXElement() override;

  // Reads "width", "height", "controlName", "CLSID", "dropTarget" and the scriptable-object
  // keys, then creates the control. Always true.
  bool Load(const CDataFile& file, LoadContext& context) override;
  Rect GetBounds() const override { return {x_, y_, x_ + width_, y_ + height_}; }
  bool HitTest(Point point) const override;
  // The control draws itself.
  bool Paint(Canvas&, const Rect&) override { return true; }
  // Moves the control to the bounds.
  void Refresh() override;

  const std::string& control_name() const { return control_name_; }
  bool drop_target() const { return drop_target_; }
  uint64_t control() const { return control_; }

 protected:
  std::optional<PropertyField> FindProperty(std::string_view name) override;

 private:
  int32_t width_ = 0;
  int32_t height_ = 0;
  std::string control_name_;
  bool drop_target_ = false;
  uint64_t control_ = 0;
};

}  // namespace browser
