#pragma once

#include <QPainter>

#include "browser/page/canvas.h"

namespace browser::shell {

// The page's canvas over a QPainter on the window's back buffer (a 32-bit QImage). Pictures
// are stretched to the nearest pixel, as the pages were drawn, never smoothed.
class QtCanvas : public Canvas {
 public:
  // The painter stays the caller's and must outlive the canvas.
  explicit QtCanvas(QPainter& painter);

  void FillRect(const Rect& rect, uint32_t rgb) override;
  void DrawPicture(const Picture& picture, const Rect& source, const Rect& target) override;
  // Two raster operations: target AND mask, then XOR picture.
  void DrawMaskedPicture(const Picture& picture, const Picture& mask, const Rect& source,
                         const Rect& target) override;
  void DrawButton(const Rect& rect, const std::string& text) override;

 private:
  void Blit(const Picture& picture, const Rect& source, const Rect& target,
            QPainter::CompositionMode mode);

  QPainter& painter_;
};

}  // namespace browser::shell
