#pragma once

#include <deque>
#include <memory>
#include <string>

#include "browser/page/page_host.h"

namespace browser {

// A window that shows nothing: for tools that run a document's scripts without a display.
// It keeps what it is told (size, title, shape) so that callers can read it back, and keeps
// posted requests until they are taken.
class HeadlessWindow : public WindowHost {
 public:
  explicit HeadlessWindow(Size screen = {1024, 768}) : screen_(screen) {}

  void Invalidate(const Rect&) override {}
  void SetShape(const Region* region) override;
  std::unique_ptr<Picture> CaptureScreen(const Rect&) override { return nullptr; }
  Rect WindowRect() const override { return window_; }
  Size ScreenSize() const override { return screen_; }
  void MoveWindow(Point top_left) override;
  void SetCursor(CursorShape) override {}
  void CaptureMouse() override {}
  void ReleaseMouse() override {}
  void SetTitle(const std::string& title) override { title_ = title; }
  void SetIcon(const std::string&) override {}
  bool OtherInstanceRuns(const std::string&) override { return false; }
  void ApplyWindowStyle(const WindowStyle& style) override;
  void ApplyAppBar(const Rect& screen_rect) override;
  Size ClientSize() const override { return client_; }
  void Show() override {}
  void BringToFront() override {}
  void ShowMessage(const std::string&, const std::string&) override {}
  void Redraw() override {}
  void Close() override { closed_ = true; }
  void PostRequest(PageRequest request) override { requests_.push_back(std::move(request)); }
  void Minimize() override {}
  void HideForCapture() override {}
  void ShowAfterCapture() override {}

  const std::string& title() const { return title_; }
  bool closed() const { return closed_; }
  // The last shape set, or nullptr for the whole rectangle.
  const Region* shape() const { return shape_.get(); }
  std::deque<PageRequest>& requests() { return requests_; }

 private:
  Size screen_;
  Size client_{200, 200};
  Rect window_{0, 0, 200, 200};
  std::string title_;
  bool closed_ = false;
  std::unique_ptr<Region> shape_;
  std::deque<PageRequest> requests_;
};

}  // namespace browser
