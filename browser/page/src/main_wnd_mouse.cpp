// The mouse over the page: hit testing, the four mouse events, dragging the window, and the
// screen copy behind a window of type 4.
#include <algorithm>

#include "browser/page/main_wnd.h"

namespace browser {

void CMainWnd::FireEvent(CElement* element, std::string_view event) {
  if (auto* object = dynamic_cast<CScriptableObject*>(element)) {
    object->RunScriptByName(event, context_);
  }
}

void CMainWnd::InvalidateBounds(CElement* element) {
  if (element == nullptr) return;
  const Rect bounds = element->GetBounds();
  if (!IsEmpty(bounds)) services_.host.Invalidate(bounds);
}

void CMainWnd::MouseMove(Point point, bool left_only) {
  WindowHost& host = services_.host;
  CElement* element = document_.ElementAt(point);
  // Cursor names compare case-sensitively; any other name leaves the cursor alone.
  if (element == nullptr || element->cursor() == "arrow") {
    host.SetCursor(CursorShape::kArrow);
  } else if (element->cursor() == "hand") {
    host.SetCursor(CursorShape::kHand);
  }
  const CBrowser* page = main_page();
  if (left_only && page != nullptr && page->mouse_move()) {
    if (drag_origin_.x == -1 && drag_origin_.y == -1) {
      host.SetCursor(CursorShape::kArrow);
    } else {
      host.SetCursor(CursorShape::kSizeAll);
      const Rect window = host.WindowRect();
      const Size screen = host.ScreenSize();
      const int32_t width = window.right - window.left;
      const int32_t height = window.bottom - window.top;
      // The left and top edges win when the window is larger than the screen.
      const int32_t left =
          std::max(std::min(window.left + point.x - drag_origin_.x, screen.width - width), 0);
      const int32_t top =
          std::max(std::min(window.top + point.y - drag_origin_.y, screen.height - height), 0);
      if (left != window.left || top != window.top) host.MoveWindow({left, top});
    }
  }
  hovered_by_keys_ = false;
  Hover(element);
}

void CMainWnd::Hover(CElement* element) {
  if (element == hovered_) return;
  if (hovered_ != nullptr) {
    hovered_->HoverEnded();
    FireEvent(hovered_, "OnMouseOut");
    InvalidateBounds(hovered_);
  }
  hovered_ = element;
  if (element != nullptr) {
    // The pointer may be elsewhere when the keyboard clicks.
    if (!hovered_by_keys_ && element->cursor() == "hand") {
      services_.host.SetCursor(CursorShape::kHand);
    }
    FireEvent(element, "OnMouseIn");
    CElement* before = focused();
    if (focus_.FocusOn(main_page(), element)) FocusMovedFrom(before);
  }
  if (pressed_ != element) {
    if (pressed_ != nullptr) pressed_->set_pressed(false);
    pressed_ = nullptr;
  }
  InvalidateBounds(element);
}

void CMainWnd::MousePress(Point point) {
  WindowHost& host = services_.host;
  CElement* element = document_.ElementAt(point);
  if (pressed_ != nullptr) pressed_->set_pressed(false);
  pressed_ = nullptr;
  if (element != nullptr && document_.GetElementCount() > 0) {
    pressed_ = element;
    element->set_pressed(true);
    FireEvent(element, "OnMouseDown");
  }
  const CBrowser* page = main_page();
  if (page != nullptr && page->mouse_move() &&
      (element == nullptr || element->mouse_moveable() != 0)) {
    drag_origin_ = point;
    host.SetCursor(CursorShape::kSizeAll);
    host.CaptureMouse();
  } else {
    drag_origin_ = {-1, -1};
  }
  InvalidateBounds(element);
}

void CMainWnd::MouseRelease(Point point) {
  WindowHost& host = services_.host;
  CElement* element = document_.ElementAt(point);
  const bool over_pressed = element != nullptr && element == pressed_;
  if (over_pressed) FireEvent(element, "OnMouseUp");
  const CBrowser* page = main_page();
  if (page != nullptr && page->mouse_move()) host.ReleaseMouse();
  if (window_moved_) {
    recapture_ = true;
    BackgroundRecapture();
    window_moved_ = false;
  }
  if (pressed_ != nullptr) pressed_->set_pressed(false);
  pressed_ = nullptr;
  if (over_pressed) InvalidateBounds(element);
}

void CMainWnd::FocusChanged() {
  if (window_type_ != 4) return;
  recapture_ = true;
  BackgroundRecapture();
}

void CMainWnd::BackgroundRecapture() {
  WindowHost& host = services_.host;
  CBrowser* page = main_page();
  if (window_type_ == 4 && recapture_ && page != nullptr) {
    recapture_ = false;
    host.HideForCapture();
    page->LoadBackground();
    page->StopAnimations();
    host.ShowAfterCapture();
    host.Invalidate({0, 0, page->GetSize().width, page->GetSize().height});
    return;
  }
  const Size client = host.ClientSize();
  host.Invalidate({0, 0, client.width, client.height});
}

}  // namespace browser
