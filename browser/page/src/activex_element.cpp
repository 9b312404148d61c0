#include "browser/page/activex_element.h"

#include "browser/page/page_host.h"

namespace browser {

CActiveXElement::~CActiveXElement() {
  if (control_ == 0) return;
  if (PageHost* h = host()) h->DestroyControl(control_);
}

bool CActiveXElement::Load(const CDataFile& file, LoadContext& context) {
  file.ReadLong(section_, "width", width_);
  file.ReadLong(section_, "height", height_);
  file.ReadString(section_, "controlName", control_name_);
  file.ReadString(section_, "CLSID", control_name_);
  file.ReadBool(section_, "dropTarget", drop_target_);
  CScriptableObject::Load(file, context);
  if (PageHost* h = host()) control_ = h->CreateControl(control_name_, GetBounds(), drop_target_);
  return true;
}

bool CActiveXElement::HitTest(Point point) const { return Contains(GetBounds(), point); }

void CActiveXElement::Refresh() {
  if (control_ == 0) return;
  if (PageHost* h = host()) h->MoveControl(control_, GetBounds());
}

std::optional<PropertyField> CActiveXElement::FindProperty(std::string_view name) {
  using Kind = PropertyField::Kind;
  return FindNamedField(name, {
      {"xpos", {}, {Kind::kInt, &x_}},
      {"ypos", {}, {Kind::kInt, &y_}},
      {"width", {}, {Kind::kInt, &width_}},
      {"height", {}, {Kind::kInt, &height_}},
      {"mouseMoveable", {}, {Kind::kBool, &mouse_moveable_}},
  });
}

}  // namespace browser
