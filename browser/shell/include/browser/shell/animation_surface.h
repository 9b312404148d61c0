#pragma once

#include <QImage>
#include <QPainter>
#include <QPointer>
#include <QRegion>
#include <QWidget>
#include <cstdint>
#include <map>
#include <memory>
#include <mutex>

#include "framix32.h"

namespace browser::shell {

// The window's back buffer as the GIF library's drawing target. Animation threads blit their
// frames into a layer above the page (under a lock) and ask the GUI thread to repaint the
// rectangle; nothing paints the widget from another thread. Each animation gets a target of
// its own, so that its last frame goes away with it.
class AnimationSurface {
 public:
  explicit AnimationSurface(QWidget* window) : window_(window) {}
  AnimationSurface(const AnimationSurface&) = delete;
  AnimationSurface& operator=(const AnimationSurface&) = delete;

  // A drawing target for a new animation, valid until Release with the same id.
  dzWindow* Target(uint64_t id);
  // Forgets what the animation drew and repaints that area.
  void Release(uint64_t id);

  // The GUI thread paints the page into a page image of `size` without the lock (painting
  // may start or stop animations, which take it), then, under the lock, copies the update
  // into the back buffer and the animations' pixels over it; answers the area to copy to
  // the window.
  template <typename PaintPage>
  QImage Compose(QSize size, const QRect& update, PaintPage paint_page) {
    if (page_.size() != size) {
      page_ = QImage(size, QImage::Format_RGB32);
      page_.fill(Qt::white);
    }
    {
      QPainter painter(&page_);
      painter.setClipRect(update);
      paint_page(painter);
    }
    std::lock_guard<std::mutex> lock(mutex_);
    Resize(size);
    {
      QPainter painter(&buffer_);
      painter.setClipRect(update);
      painter.drawImage(update.topLeft(), page_, update);
      for (const auto& [id, target] : targets_) {
        for (const QRect& r : target->drawn.intersected(update)) {
          painter.drawImage(r.topLeft(), layer_, r);
        }
      }
    }
    return buffer_.copy(update);
  }

 private:
  struct Drawing {
    dzWindow window;
    AnimationSurface* surface = nullptr;
    uint64_t id = 0;
    QRegion drawn;  // where this animation's pixels are in the layer
  };
  static void BlitCallback(void* context, int x, int y, int width, int height,
                           const uint32_t* pixels, int stride);
  static void CaptureCallback(void* context, int x, int y, int width, int height,
                              uint32_t* pixels, int stride);
  void Resize(QSize size);

  QPointer<QWidget> window_;
  std::mutex mutex_;
  QImage page_;    // the page as last painted; the GUI thread's alone
  QImage buffer_;  // the page and the animations as last shown, read by captures
  QImage layer_;   // the animations' pixels
  std::map<uint64_t, std::unique_ptr<Drawing>> targets_;
};

}  // namespace browser::shell
