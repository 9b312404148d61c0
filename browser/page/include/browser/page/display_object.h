#pragma once

#include <string>

#include "browser/page/canvas.h"
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

}  // namespace browser
