#include "browser/shell/focus_ring.h"

#include <QPen>
#include <QRegion>

namespace browser::shell {

void DrawFocusRing(QPainter& painter, const QRect& bounds, const Region* shape) {
  if (bounds.width() < 2 || bounds.height() < 2) return;
  painter.save();
  if (shape != nullptr) {
    // Only the shape's rectangles that meet the ring count: a shape may have thousands.
    QRegion inside;
    for (const Rect& r : shape->rects) {
      const QRect rect = QRect(r.left, r.top, r.right - r.left, r.bottom - r.top) & bounds;
      if (!rect.isEmpty()) inside += rect;
    }
    painter.setClipRegion(inside, Qt::IntersectClip);
  }
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(QColor(0, 0, 0), 1));
  painter.drawRect(bounds.adjusted(0, 0, -1, -1));
  painter.setPen(QPen(QColor(255, 255, 255), 1));
  painter.drawRect(bounds.adjusted(1, 1, -2, -2));
  painter.restore();
}

}  // namespace browser::shell
