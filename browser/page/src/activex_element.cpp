#include "browser/page/activex_element.h"

#include "browser/page/page_host.h"
#include "browser/script/control_event_sink.h"
#include "browser/script/external_object.h"
#include "browser/script/key_reader.h"
#include "element_keys.h"
#include "platform/controls.h"

namespace browser {

CActiveXElement::CActiveXElement(std::string section, CElement* parent)
    : CDisplayElement(std::move(section), parent) {}

CActiveXElement::~CActiveXElement() {
  // No event or external call may reach this element once it is going.
  sink_.reset();
  if (automation_ != nullptr) automation_->SetExternal(nullptr);
  automation_ = nullptr;
  if (control_ == 0) return;
  if (PageHost* h = host()) h->DestroyControl(control_);
}

bool CActiveXElement::Load(const CDataFile& file, LoadContext& context) {
  const KeyReader read(file, section_, context);
  ReadSize(read, &KeyReader::Long, width_, height_);
  read.Text(keys::kControlName, control_name_);
  read.Text(keys::kClsid, control_name_);
  read.Bool(keys::kDropTarget, drop_target_);
  CScriptableObject::Load(file, context);
  PageHost* h = host();
  if (h == nullptr) return true;
  control_ = h->CreateControl(control_name_, GetBounds(), drop_target_);
  automation_ = h->ControlObject(control_);
  ScriptContext* scripts = h->ControlScriptContext();
  // A control without a script context is hosted without events.
  if (automation_ != nullptr && scripts != nullptr) {
    sink_ = std::make_unique<CControlEventSink>(*automation_, *this, *scripts);
    external_ = std::make_unique<ExternalObject>(*scripts);
    automation_->SetExternal(external_.get());
  }
  return true;
}

bool CActiveXElement::HitTest(Point point) const { return Contains(GetBounds(), point); }

void CActiveXElement::Refresh() {
  if (control_ == 0) return;
  if (PageHost* h = host()) h->MoveControl(control_, GetBounds());
}

bool CActiveXElement::InvokeMethod(std::string_view name,
                                   const std::vector<platform::Variant>& arguments,
                                   platform::Variant& result) {
  return automation_ != nullptr && automation_->Call(name, arguments, &result);
}

PropertyResult CActiveXElement::PutExtendedProperty(std::string_view name,
                                                    const platform::Variant& value) {
  if (automation_ == nullptr) return PropertyResult::kFailed;
  automation_->PutProperty(name, value);
  return PropertyResult::kOk;
}

PropertyResult CActiveXElement::GetExtendedProperty(std::string_view name,
                                                    platform::Variant& value) {
  if (automation_ == nullptr) return PropertyResult::kFailed;
  automation_->GetProperty(name, &value);
  return PropertyResult::kOk;
}

std::optional<PropertyField> CActiveXElement::FindProperty(std::string_view name) {
  using Kind = PropertyField::Kind;
  return FindNamedField(name, {
      {"width", {}, {Kind::kInt, &width_}},
      {"height", {}, {Kind::kInt, &height_}},
      {"mouseMoveable", {}, {Kind::kBool, &mouse_moveable_}},
  });
}

}  // namespace browser
