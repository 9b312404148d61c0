#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <memory>
#include <optional>

#include "browser/page/picture.h"

class QScreen;

namespace browser::shell {

// The screen as the browser sees it: the primary screen, or the size given with --screen
// (at 0, 0, with no panels) for previews and tests.
struct ScreenArea {
  QRect screen;
  QRect work;  // the screen less docks and panels

  static ScreenArea Of(const QScreen* screen, std::optional<QSize> override_size);
};

// The top-left corner that puts a window of `outer` size in the middle of the screen, moved
// back inside the work area where it would reach past it (the left and top edges win when it
// is larger).
QPoint Centred(QSize outer, const ScreenArea& area);

// A copy of the screen's pixels in `rect` (screen coordinates, clipped to the screen), or
// nothing for an empty rectangle or a platform that cannot read the screen.
std::unique_ptr<Picture> GrabScreen(QScreen* screen, QRect rect);

}  // namespace browser::shell
