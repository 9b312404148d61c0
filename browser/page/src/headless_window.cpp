#include "browser/page/headless_window.h"

namespace browser {

void HeadlessWindow::SetShape(const Region* region) {
  shape_ = region == nullptr ? nullptr : std::make_unique<Region>(*region);
}

void HeadlessWindow::MoveWindow(Point p) {
  window_ = {p.x, p.y, p.x + window_.right - window_.left, p.y + window_.bottom - window_.top};
}

void HeadlessWindow::ApplyWindowStyle(const WindowStyle& style) {
  client_ = style.client;
  const int32_t left = (screen_.width - client_.width) / 2;
  const int32_t top = (screen_.height - client_.height) / 2;
  window_ = {left, top, left + client_.width, top + client_.height};
}

void HeadlessWindow::ApplyAppBar(const Rect& r) {
  client_ = {r.right - r.left, r.bottom - r.top};
  window_ = r;
}

}  // namespace browser
