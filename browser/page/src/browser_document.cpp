#include "browser/page/browser_document.h"

#include "browser/doc/section_names.h"
#include "browser/script/id_manager.h"
#include "browser/script/load_context.h"
#include "browser/script/script_item.h"

namespace browser {

CBrowserDocument::CBrowserDocument() : CElementContainer(std::string(kMainSection), nullptr) {}

CBrowserDocument::~CBrowserDocument() = default;

bool CBrowserDocument::Load(const CDataFile& file, LoadContext& context) {
  AddPredefinedVariables(variables_, directories_);
  AddElement(std::make_unique<CBrowser>(std::string(kMainSection), this));
  for (auto& page : children_) {
    if (!page->Load(file, context)) return false;
  }
  return true;
}

CElement* CBrowserDocument::AddElement(std::unique_ptr<CElement> element) {
  if (element == nullptr || !CanContain(element.get())) return nullptr;
  // Pages keep their own section ("Main"); only their children are numbered.
  element->set_parent(this);
  children_.push_back(std::move(element));
  children_.back()->Renumber();
  return children_.back().get();
}

void CBrowserDocument::Renumber() {
  for (auto& page : children_) page->Renumber();
}

bool CBrowserDocument::CanContain(const CElement* element) const {
  return dynamic_cast<const CBrowser*>(element) != nullptr;
}

bool CBrowserDocument::Paint(Canvas& canvas, const Rect& update) {
  for (auto& page : children_) static_cast<CBrowser*>(page.get())->Paint(canvas, update);
  return true;
}

CElement* CBrowserDocument::ElementAt(Point point) const {
  CBrowser* page = main_page();
  return page == nullptr ? nullptr : page->ElementAt(point);
}

CBrowser* CBrowserDocument::main_page() const {
  return children_.empty() ? nullptr : dynamic_cast<CBrowser*>(children_.front().get());
}

void CBrowserDocument::Unload(ScriptContext& context) {
  if (CBrowser* page = main_page()) page->RunScriptByName("OnUnload", context);
  StopAnimations();
  context.main_page = nullptr;
  DestroyChildren();
  context.ids.Clear();
}

}  // namespace browser
