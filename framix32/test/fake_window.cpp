#include "fake_window.h"

namespace framix32::test {

FakeWindow::FakeWindow(int width, int height, uint32_t fill, bool record_pixels)
    : window_{this, &FakeWindow::OnBlit, &FakeWindow::OnCapture},
      width_(width),
      height_(height),
      record_pixels_(record_pixels),
      screen_(static_cast<size_t>(width) * height, fill) {}

std::vector<FakeWindow::Blit> FakeWindow::blits() {
  std::lock_guard lock(mutex_);
  return blits_;
}

size_t FakeWindow::blit_count() {
  std::lock_guard lock(mutex_);
  return blits_.size();
}

uint32_t FakeWindow::pixel(int x, int y) {
  std::lock_guard lock(mutex_);
  return screen_[static_cast<size_t>(y) * width_ + x];
}

void FakeWindow::OnBlit(void* context, int x, int y, int width, int height,
                        const uint32_t* pixels, int stride) {
  auto* self = static_cast<FakeWindow*>(context);
  std::lock_guard lock(self->mutex_);
  Blit blit{x, y, width, height, {}, {}, self->width_};
  for (int row = 0; row < height; ++row) {
    for (int col = 0; col < width; ++col) {
      const uint32_t p = pixels[static_cast<size_t>(row) * stride + col];
      if (self->record_pixels_) blit.pixels.push_back(p);
      if (x + col >= 0 && x + col < self->width_ && y + row >= 0 && y + row < self->height_) {
        self->screen_[static_cast<size_t>(y + row) * self->width_ + x + col] = p;
      }
    }
  }
  if (self->record_pixels_) blit.screen = self->screen_;
  self->blits_.push_back(std::move(blit));
}

void FakeWindow::OnCapture(void* context, int x, int y, int width, int height, uint32_t* pixels,
                           int stride) {
  auto* self = static_cast<FakeWindow*>(context);
  std::lock_guard lock(self->mutex_);
  for (int row = 0; row < height; ++row) {
    for (int col = 0; col < width; ++col) {
      const bool inside =
          x + col >= 0 && x + col < self->width_ && y + row >= 0 && y + row < self->height_;
      pixels[static_cast<size_t>(row) * stride + col] =
          inside ? self->screen_[static_cast<size_t>(y + row) * self->width_ + x + col]
                 : 0xFF000000u;
    }
  }
}

}  // namespace framix32::test
