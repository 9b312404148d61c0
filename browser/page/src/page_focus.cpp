// The keyboard's view of a page: the focus order, the names a screen reader reads, and the
// document's own Exit.
#include "browser/page/page_focus.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "browser/page/activex_element.h"
#include "browser/page/image_element.h"
#include "browser/page/image_list.h"
#include "browser/page/text_element.h"
#include "browser/script/key_reader.h"
#include "browser/script/script.h"
#include "browser/script/script_item.h"
#include "browser/script/vocabulary.h"
#include "platform/paths.h"

namespace browser {
namespace {

constexpr std::array<std::string_view, 4> kMouseEvents = {"OnMouseIn", "OnMouseOut", "OnMouseDown",
                                                          "OnMouseUp"};

bool IsMouseScript(const CScript& script) {
  return std::find(kMouseEvents.begin(), kMouseEvents.end(), script.name()) != kMouseEvents.end();
}

const CScriptableObject* Scriptable(const CElement& element) {
  return dynamic_cast<const CScriptableObject*>(&element);
}

// A click on the element ends the program: one of its mouse scripts holds the command that
// posts Exit (compared exactly, as the command itself compares it).
bool ClickExits(const CElement& element, const CDataFile& file, KeyLog* log) {
  const CScriptableObject* object = Scriptable(element);
  if (object == nullptr) return false;
  for (const auto& script : object->scripts()) {
    if (!IsMouseScript(*script)) continue;
    for (const auto& item : script->items()) {
      const ActionVocabulary* action = FindAction(item->name());
      if (action == nullptr || action->target != ActionTarget::kWindowCommand) continue;
      std::string command;
      KeyReader(file, item->section(), log).Text(keys::kCommand, command);
      if (command == "Exit") return true;
    }
  }
  return false;
}

// A hosted control is a widget of its own, with its own keyboard focus and its own accessible
// object: the page leaves it to the control.
bool IsHostedControl(const CElement& element) {
  return dynamic_cast<const CActiveXElement*>(&element) != nullptr;
}

bool TakesFocus(const CElement& element) {
  return HasMouseScripts(element) && !IsEmpty(element.GetBounds()) && !IsHostedControl(element);
}

}  // namespace

bool HasMouseScripts(const CElement& element) {
  const CScriptableObject* object = Scriptable(element);
  if (object == nullptr) return false;
  return std::any_of(object->scripts().begin(), object->scripts().end(),
                     [](const auto& script) { return IsMouseScript(*script); });
}

void PageFocus::PageLoaded(const CDataFile& file, const CElementContainer* page,
                           KeyLog* log) {
  Clear();
  if (page == nullptr) return;
  for (const auto& child : page->children()) {
    std::string name;
    KeyReader(file, child->section(), log).Text(keys::kAccessibleName, name);
    if (!name.empty()) names_[child->serial()] = std::move(name);
    if (ClickExits(*child, file, log)) exits_.push_back(child->serial());
  }
  const std::vector<CElement*> order = Order(page);
  if (!order.empty()) focused_ = order.front()->serial();
}

void PageFocus::Clear() {
  names_.clear();
  exits_.clear();
  focused_ = 0;
}

std::vector<CElement*> PageFocus::Order(const CElementContainer* page) const {
  std::vector<CElement*> order;
  if (page == nullptr) return order;
  for (const auto& child : page->children()) {
    if (TakesFocus(*child)) order.push_back(child.get());
  }
  std::stable_sort(order.begin(), order.end(), [](const CElement* a, const CElement* b) {
    const Rect ra = a->GetBounds();
    const Rect rb = b->GetBounds();
    return ra.top != rb.top ? ra.top < rb.top : ra.left < rb.left;
  });
  return order;
}

CElement* PageFocus::Focused(const CElementContainer* page) const {
  if (page == nullptr || focused_ == 0) return nullptr;
  for (const auto& child : page->children()) {
    if (child->serial() == focused_) return child.get();
  }
  return nullptr;
}

CElement* PageFocus::Move(const CElementContainer* page, bool backward) {
  const std::vector<CElement*> order = Order(page);
  if (order.empty()) {
    focused_ = 0;
    return nullptr;
  }
  const auto at = std::find_if(order.begin(), order.end(),
                               [this](const CElement* e) { return e->serial() == focused_; });
  const auto count = static_cast<std::ptrdiff_t>(order.size());
  std::ptrdiff_t index = 0;
  if (at == order.end()) {
    index = backward ? count - 1 : 0;
  } else {
    index = ((at - order.begin()) + (backward ? count - 1 : 1)) % count;
  }
  focused_ = order[static_cast<size_t>(index)]->serial();
  return order[static_cast<size_t>(index)];
}

bool PageFocus::FocusOn(const CElementContainer* page, const CElement* element) {
  if (page == nullptr || element == nullptr || element->parent() != page || !TakesFocus(*element)) {
    return false;
  }
  focused_ = element->serial();
  return true;
}

CElement* PageFocus::ExitElement(const CElementContainer* page) const {
  if (page == nullptr || exits_.size() != 1) return nullptr;
  for (const auto& child : page->children()) {
    if (child->serial() == exits_.front()) return child.get();
  }
  return nullptr;
}

std::vector<AccessibleItem> PageFocus::Items(const CElementContainer* page) const {
  std::vector<AccessibleItem> items;
  if (page == nullptr) return items;
  for (const auto& child : page->children()) {
    if (!IsHostedControl(*child)) items.push_back(MakeItem(*child));
  }
  return items;
}

std::optional<AccessibleItem> PageFocus::ItemOf(const CElementContainer* page,
                                                int32_t serial) const {
  if (page == nullptr) return std::nullopt;
  for (const auto& child : page->children()) {
    if (child->serial() == serial && !IsHostedControl(*child)) return MakeItem(*child);
  }
  return std::nullopt;
}

AccessibleItem PageFocus::MakeItem(const CElement& element) const {
  AccessibleItem item;
  item.serial = element.serial();
  item.name = NameOf(element);
  item.bounds = element.GetBounds();
  if (HasMouseScripts(element)) {
    item.role = AccessibleRole::kButton;
  } else if (dynamic_cast<const CTextElement*>(&element) != nullptr) {
    item.role = AccessibleRole::kStaticText;
  } else {
    item.role = AccessibleRole::kImage;
  }
  return item;
}

std::string PageFocus::NameOf(const CElement& element) const {
  if (const auto named = names_.find(element.serial()); named != names_.end()) {
    return named->second;
  }
  std::string text;
  std::string picture;
  if (const auto* t = dynamic_cast<const CTextElement*>(&element)) {
    text = t->text();
  } else if (const auto* image = dynamic_cast<const CImageElement*>(&element)) {
    text = image->text();
    picture = image->src();
  } else if (const auto* strip = dynamic_cast<const CImageList*>(&element)) {
    picture = strip->src();
  }
  if (!text.empty()) return text;
  if (!element.id().empty()) return element.id();
  if (picture.empty()) return {};
  // Documents write either separator.
  return platform::ReplaceExtension(platform::FilePart(platform::AsWrittenPath(picture)), "");
}

}  // namespace browser
