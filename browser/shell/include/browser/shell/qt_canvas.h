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
  // Only on a canvas over a QImage (the back buffer); elsewhere nothing is blended.
  void BlendRect(const Rect& rect, uint32_t rgb, int32_t alpha) override;
  Size MeasureText(const Rect& bounds, const std::string& text, const TextStyle& style,
                   const TextFormat& format) override;
  void DrawText(const Rect& bounds, const std::string& text, const TextStyle& style,
                const TextFormat& format, std::optional<uint32_t> background) override;

 private:
  void Blit(const Picture& picture, const Rect& source, const Rect& target,
            QPainter::CompositionMode mode);

  QPainter& painter_;
};

}  // namespace browser::shell
