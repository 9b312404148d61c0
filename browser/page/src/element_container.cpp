#include "browser/page/element_container.h"

#include <algorithm>

#include "browser/doc/section_names.h"
#include "browser/script/key_reader.h"
#include "element_keys.h"

namespace browser {

CElementContainer::~CElementContainer() = default;

bool CElementContainer::Load(const CDataFile& file, LoadContext& context) {
  const KeyReader read(file, section_, context);
  ReadSize(read, &KeyReader::Int, width_, height_);
  return CScriptableObject::Load(file, context);
}

void CElementContainer::NumberChild(CElement& child, size_t index) const {
  child.set_section(ElementSection(section_, static_cast<int>(index + 1)));
  child.Renumber();
}

CElement* CElementContainer::AddElement(std::unique_ptr<CElement> element) {
  if (element == nullptr || !CanContain(element.get())) return nullptr;
  element->set_parent(this);
  children_.push_back(std::move(element));
  // Renumbering every child on each add would cost the square of the count; the children
  // before the new one already carry the names of their positions.
  NumberChild(*children_.back(), children_.size() - 1);
  return children_.back().get();
}

bool CElementContainer::RemoveElement(CElement* element) {
  auto it = std::find_if(children_.begin(), children_.end(),
                         [&](const auto& child) { return child.get() == element; });
  if (it == children_.end()) return false;
  children_.erase(it);
  Renumber();
  return true;
}

void CElementContainer::Renumber() {
  for (size_t i = 0; i < children_.size(); ++i) NumberChild(*children_[i], i);
}

CElement* CElementContainer::FindBySerial(int32_t serial) {
  if (serial == serial_) return this;
  for (auto& child : children_) {
    if (CElement* found = child->FindBySerial(serial)) return found;
  }
  return nullptr;
}

void CElementContainer::StopAnimations() {
  for (auto& child : children_) {
    if (auto* display = dynamic_cast<CDisplayObject*>(child.get())) display->StopAnimations();
  }
}

CElement* CElementContainer::ElementAt(Point point) const {
  for (auto it = children_.rbegin(); it != children_.rend(); ++it) {
    if ((*it)->HitTest(point)) return it->get();
  }
  return nullptr;
}

}  // namespace browser
