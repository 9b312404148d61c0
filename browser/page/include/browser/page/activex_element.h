#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "browser/page/display_object.h"
#include "browser/script/control_scripting.h"

namespace platform {
class Control;
}

namespace browser {

class CControlEventSink;
class ExternalObject;

// A hosted control ("ActiveX"), named by "controlName" or "CLSID" (which wins), shown as a
// child of the window at the element's bounds. Scripts call its methods (CallActiveXMethod)
// and reach its own properties by any name the element does not know; its events run the
// element's scripts of the same names; it gets an external object to call the browser with.
class CActiveXElement : public CDisplayElement, public ControlScripting {
 public:
  CActiveXElement(std::string section, CElement* parent);
  // Disconnects the control's events and external object, then destroys the control.
  ~CActiveXElement() override;

  // Reads "width", "height", "controlName", "CLSID", "dropTarget" and the scriptable-object
  // keys, then creates the control and connects its events. Always true.
  bool Load(const CDataFile& file, LoadContext& context) override;
  Rect GetBounds() const override { return RectAt(x_, y_, width_, height_); }
  bool HitTest(Point point) const override;
  // The control draws itself.
  bool Paint(Canvas&, const Rect&) override { return true; }
  // Moves the control to the bounds.
  void Refresh() override;

  // ControlScripting: false, nothing called, without a scriptable control.
  bool InvokeMethod(std::string_view name, const std::vector<platform::Variant>& arguments,
                    platform::Variant& result) override;
  // The control's own properties: kFailed without a scriptable control, otherwise kOk
  // whatever the control made of the request (a get of an unknown name leaves `value`).
  PropertyResult PutExtendedProperty(std::string_view name, const platform::Variant& value) override;
  PropertyResult GetExtendedProperty(std::string_view name, platform::Variant& value) override;

  const std::string& control_name() const { return control_name_; }
  bool drop_target() const { return drop_target_; }
  uint64_t control() const { return control_; }
  // The control's events as they are connected; nullptr without events.
  const CControlEventSink* event_sink() const { return sink_.get(); }

 protected:
  std::optional<PropertyField> FindProperty(std::string_view name) override;

 private:
  int32_t width_ = 0;
  int32_t height_ = 0;
  std::string control_name_;
  bool drop_target_ = false;
  uint64_t control_ = 0;
  platform::Control* automation_ = nullptr;  // owned by the window with the control
  std::unique_ptr<CControlEventSink> sink_;
  std::unique_ptr<ExternalObject> external_;
};

}  // namespace browser
