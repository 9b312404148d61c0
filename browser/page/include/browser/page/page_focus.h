#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "browser/doc/data_file.h"
#include "browser/page/element_container.h"
#include "browser/script/key_reader.h"

namespace browser {

// What a screen reader is told an element is.
enum class AccessibleRole { kButton, kImage, kStaticText };

// One element of the page as a screen reader sees it.
struct AccessibleItem {
  int32_t serial = 0;  // the element's serial, which names it for the rest of the run
  AccessibleRole role = AccessibleRole::kImage;
  std::string name;
  Rect bounds;  // client coordinates
};

// True when the element has a script for a mouse event ("OnMouseIn", "OnMouseOut",
// "OnMouseDown" or "OnMouseUp"): it is a button, and it takes the keyboard's focus.
bool HasMouseScripts(const CElement& element);

// The keyboard's view of the page shown: which elements take the focus and in which order,
// which one has it, what each is called, and which one is the document's own way out. The
// focus is kept by serial, so an element gone with its page is never reached; every call
// takes the page shown now (nullptr without one).
class PageFocus {
 public:
  // Reads what the page's elements say of themselves in `file` (each one's optional
  // "accessibleName", and which of them end the program when clicked: an "InternalCommand"
  // of "Exit" in a mouse script), and puts the focus on the first element in order (none
  // when no element takes it). Each key read is told to `log` when there is one.
  void PageLoaded(const CDataFile& file, const CElementContainer* page,
                  KeyLog* log = nullptr);
  // No page: no focus, no names.
  void Clear();

  // The elements that take the focus (mouse scripts, bounds not empty, no hosted control:
  // a control has a focus of its own), top to bottom, then left to right; elements at the
  // same corner keep the page's order.
  std::vector<CElement*> Order(const CElementContainer* page) const;
  // The focused element, or nullptr.
  CElement* Focused(const CElementContainer* page) const;
  // Moves the focus to the next element in order (the previous one when `backward`), round
  // from the last to the first; from no focus to the first (the last). Answers the element
  // now focused, nullptr when none takes the focus.
  CElement* Move(const CElementContainer* page, bool backward);
  // Puts the focus on `element` when it takes the focus; false (the focus stays) otherwise.
  bool FocusOn(const CElementContainer* page, const CElement* element);

  // The one element whose click ends the program; nullptr when the page has none or more
  // than one.
  CElement* ExitElement(const CElementContainer* page) const;

  // Every element of the page but hosted controls (whose widgets are accessible objects of
  // their own), in the page's order.
  std::vector<AccessibleItem> Items(const CElementContainer* page) const;
  // The page's element with this serial; nothing when the page has none.
  std::optional<AccessibleItem> ItemOf(const CElementContainer* page, int32_t serial) const;
  // Its "accessibleName", else its text, else its id, else its picture's file name without
  // the extension; empty when it has none of them.
  std::string NameOf(const CElement& element) const;

 private:
  std::map<int32_t, std::string> names_;  // by serial
  AccessibleItem MakeItem(const CElement& element) const;

  std::vector<int32_t> exits_;  // serials
  int32_t focused_ = 0;         // serial; 0: none (serials start at 1)
};

}  // namespace browser
