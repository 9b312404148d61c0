#include "browser/shell/animation_surface.h"

#include <QMetaObject>
#include <algorithm>
#include <cstring>

namespace browser::shell {

dzWindow* AnimationSurface::Target(uint64_t id) {
  std::lock_guard<std::mutex> lock(mutex_);
  auto target = std::make_unique<Drawing>();
  target->surface = this;
  target->id = id;
  target->window = {target.get(), &BlitCallback, &CaptureCallback};
  dzWindow* window = &target->window;
  targets_[id] = std::move(target);
  return window;
}

void AnimationSurface::Release(uint64_t id) {
  QRect area;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    auto it = targets_.find(id);
    if (it == targets_.end()) return;
    area = it->second->drawn.boundingRect();
    targets_.erase(it);
  }
  if (window_ && !area.isEmpty()) window_->update(area);
}

void AnimationSurface::Resize(QSize size) {
  if (buffer_.size() == size) return;
  buffer_ = QImage(size, QImage::Format_RGB32);
  buffer_.fill(Qt::white);
  layer_ = QImage(size, QImage::Format_RGB32);
  layer_.fill(Qt::black);
  for (auto& [id, target] : targets_) target->drawn = QRegion();
}

void AnimationSurface::BlitCallback(void* context, int x, int y, int width, int height,
                                    const uint32_t* pixels, int stride) {
  auto* target = static_cast<Drawing*>(context);
  AnimationSurface* self = target->surface;
  QRect area;
  {
    std::lock_guard<std::mutex> lock(self->mutex_);
    // Frames land only inside the page; whatever falls outside is dropped.
    area = QRect(x, y, width, height).intersected(self->layer_.rect());
    if (area.isEmpty() || pixels == nullptr || stride < width) return;
    for (int row = area.top(); row <= area.bottom(); ++row) {
      const uint32_t* from = pixels + static_cast<ptrdiff_t>(row - y) * stride + (area.left() - x);
      auto* to = reinterpret_cast<uint32_t*>(self->layer_.scanLine(row)) + area.left();
      std::memcpy(to, from, static_cast<size_t>(area.width()) * sizeof(uint32_t));
    }
    target->drawn += area;
  }
  // The GUI thread repaints; a window already gone drops the call.
  QMetaObject::invokeMethod(self->window_.data(), [w = self->window_, area] {
    if (w) w->update(area);
  }, Qt::QueuedConnection);
}

void AnimationSurface::CaptureCallback(void* context, int x, int y, int width, int height,
                                       uint32_t* pixels, int stride) {
  auto* target = static_cast<Drawing*>(context);
  AnimationSurface* self = target->surface;
  if (pixels == nullptr || width <= 0 || height <= 0 || stride < width) return;
  std::lock_guard<std::mutex> lock(self->mutex_);
  for (int row = 0; row < height; ++row) {
    uint32_t* to = pixels + static_cast<ptrdiff_t>(row) * stride;
    const int sy = y + row;
    for (int col = 0; col < width; ++col) {
      const int sx = x + col;
      uint32_t value = 0xFF000000;  // black where the window shows nothing
      if (sy >= 0 && sy < self->buffer_.height() && sx >= 0 && sx < self->buffer_.width()) {
        const bool animated = target->drawn.contains(QPoint(sx, sy));
        const QImage& from = animated ? self->layer_ : self->buffer_;
        value = reinterpret_cast<const uint32_t*>(from.constScanLine(sy))[sx] | 0xFF000000;
      }
      to[col] = value;
    }
  }
}

}  // namespace browser::shell
