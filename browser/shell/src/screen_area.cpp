#include "browser/shell/screen_area.h"

#include <QPixmap>
#include <QScreen>
#include <algorithm>

#include "browser/shell/picture_image.h"

namespace browser::shell {

ScreenArea ScreenArea::Of(const QScreen* screen, std::optional<QSize> override_size) {
  if (override_size) {
    const QRect all(QPoint(0, 0), *override_size);
    return {all, all};
  }
  if (screen == nullptr) return {QRect(0, 0, 1024, 768), QRect(0, 0, 1024, 768)};
  return {screen->geometry(), screen->availableGeometry()};
}

QPoint Centred(QSize outer, const ScreenArea& area) {
  int x = area.screen.left() + (area.screen.width() - outer.width()) / 2;
  int y = area.screen.top() + (area.screen.height() - outer.height()) / 2;
  x = std::max(area.work.left(), std::min(x, area.work.left() + area.work.width() - outer.width()));
  y = std::max(area.work.top(), std::min(y, area.work.top() + area.work.height() - outer.height()));
  return {x, y};
}

std::unique_ptr<Picture> GrabScreen(QScreen* screen, QRect rect) {
  if (screen == nullptr) return nullptr;
  rect = rect.intersected(screen->geometry());
  if (rect.isEmpty()) return nullptr;
  // Window 0 is the root window: everything the screen shows there.
  const QPixmap shot = screen->grabWindow(0, rect.x(), rect.y(), rect.width(), rect.height());
  if (shot.isNull()) return nullptr;
  return PictureFromImage(shot.toImage());
}

}  // namespace browser::shell
