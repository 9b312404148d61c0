#pragma once

#include <string>

#include "browser/page/canvas.h"

namespace browser {

// A canvas that paints nothing: for painting a page where nobody looks (fuzz targets, tools),
// so that the page's own drawing code still runs.
class HeadlessCanvas : public Canvas {
 public:
  void FillRect(const Rect&, uint32_t) override {}
  void DrawPicture(const Picture&, const Rect&, const Rect&) override {}
  void DrawMaskedPicture(const Picture&, const Picture&, const Rect&, const Rect&) override {}
  void DrawButton(const Rect&, const std::string&) override {}
};

}  // namespace browser
