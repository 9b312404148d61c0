#pragma once

#include <QPainter>
#include <QRect>

#include "browser/page/region.h"

namespace browser::shell {

// Draws the keyboard's focus ring just inside `bounds` (client coordinates): a dark line with
// a light one inside it, seen on any page. With a window shape, nothing is drawn outside it:
// the ring never reaches into the shape's holes.
void DrawFocusRing(QPainter& painter, const QRect& bounds, const Region* shape);

}  // namespace browser::shell
