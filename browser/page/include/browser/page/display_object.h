#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "browser/page/canvas.h"
#include "browser/page/property_access.h"
#include "browser/script/scriptable_object.h"

namespace browser {

class PageHost;

// Base of everything a page shows: pages, documents and the display elements. Painting goes
// to a canvas, never to a toolkit.
class CDisplayObject : public CScriptableObject {
 public:
  using CScriptableObject::CScriptableObject;

  // Paints what meets `update` (client coordinates). Answers true.
  virtual bool Paint(Canvas& canvas, const Rect& update) {
    (void)canvas, (void)update;
    return true;
  }
  // Stops any animation the object plays; containers stop their children's.
  virtual void StopAnimations() {}

  // The window that shows the object, reached through its document; none when no window
  // shows it.
  PageHost* host() const;

 protected:
  // The document answers its window; every other object asks its parent.
  virtual PageHost* OwnHost() const { return nullptr; }
};

// Base of the elements a page shows (pictures, strips, texts, controls): their properties
// are fields found by name without regard to case, "xpos" and "ypos" in every one; a
// successful put refreshes the element.
class CDisplayElement : public CDisplayObject {
 public:
  using CDisplayObject::CDisplayObject;

  PropertyResult AccessProperty(std::string_view name, platform::Variant& value,
                                bool put) override;

 protected:
  // The field of a property of the class's own, or nothing for a name it does not know.
  virtual std::optional<PropertyField> FindProperty(std::string_view name) = 0;
  // Asks the window to paint `rect` again (nothing while no window shows the element).
  void Invalidate(const Rect& rect) const;

 private:
  // "xpos" and "ypos", which every element has.
  std::optional<PropertyField> FindPositionProperty(std::string_view name);
};

}  // namespace browser
