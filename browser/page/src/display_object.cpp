#include "browser/page/display_object.h"

#include "browser/page/page_host.h"

namespace browser {

PageHost* CDisplayObject::host() const {
  for (const CElement* e = this; e != nullptr; e = e->parent()) {
    const auto* display = dynamic_cast<const CDisplayObject*>(e);
    if (display == nullptr) continue;
    if (PageHost* h = display->OwnHost()) return h;
  }
  return nullptr;
}

PropertyResult CDisplayElement::AccessProperty(std::string_view name, platform::Variant& value,
                                               bool put) {
  std::optional<PropertyField> field = FindProperty(name);
  if (!field) field = FindPositionProperty(name);
  if (!field) return AccessExtended(*this, name, value, put);
  const PropertyResult result = AccessField(*field, value, put);
  if (put && result == PropertyResult::kOk) Refresh();
  return result;
}

std::optional<PropertyField> CDisplayElement::FindPositionProperty(std::string_view name) {
  using Kind = PropertyField::Kind;
  return FindNamedField(name, {{"xpos", {}, {Kind::kInt, &x_}}, {"ypos", {}, {Kind::kInt, &y_}}});
}

void CDisplayElement::Invalidate(const Rect& rect) const {
  if (IsEmpty(rect)) return;
  if (PageHost* h = host()) h->Invalidate(rect);
}

}  // namespace browser
