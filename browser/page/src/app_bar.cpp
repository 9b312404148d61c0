// The app bar manager: docking at an edge, reserving space, auto-hide and the slide.
#include "browser/page/app_bar.h"

#include <string>

namespace browser {
namespace {

using platform::AppBarEdge;

int32_t Width(const Rect& r) { return r.right - r.left; }
int32_t Height(const Rect& r) { return r.bottom - r.top; }
bool Horizontal(AppBarEdge edge) { return edge == AppBarEdge::kTop || edge == AppBarEdge::kBottom; }

platform::AppBarRect ToService(const Rect& r) { return {r.left, r.top, r.right, r.bottom}; }
Rect FromService(const platform::AppBarRect& r) { return {r.left, r.top, r.right, r.bottom}; }

}  // namespace

AppBarEdge EdgeFromPosition(const std::string& position) {
  if (position == "top") return AppBarEdge::kTop;
  if (position == "bottom") return AppBarEdge::kBottom;
  if (position == "left") return AppBarEdge::kLeft;
  return AppBarEdge::kRight;
}

AppBarManager::AppBarManager(platform::AppBarService& service, AppBarWindow& window,
                             AppBarClock& clock)
    : service_(service), window_(window), clock_(clock) {}

AppBarManager::~AppBarManager() {
  clock_.KillTimer(AppBarTimer::kHide);
  clock_.KillTimer(AppBarTimer::kShow);
  clock_.KillTimer(AppBarTimer::kSlide);
}

Rect AppBarManager::FullScreen() const {
  const Size screen = window_.ScreenSize();
  return {0, 0, screen.width, screen.height};
}

// `rect` cut to a strip of the thickness at the current edge, from the edge inward.
Rect AppBarManager::AtEdge(Rect r, int32_t width, int32_t height) const {
  switch (edge_) {
    case AppBarEdge::kLeft:
      r.right = r.left + width;
      break;
    case AppBarEdge::kTop:
      r.bottom = r.top + height;
      break;
    case AppBarEdge::kRight:
      r.left = r.right - width;
      break;
    case AppBarEdge::kBottom:
      r.top = r.bottom - height;
      break;
  }
  return r;
}

bool AppBarManager::ApplySettings(const AppBarSettings& s) {
  // The record starts over for every document.
  width_ = s.width;
  height_ = s.height;
  auto_hide_ = false;
  on_top_ = false;
  hidden_ = false;
  edge_ = AppBarEdge::kRight;
  auto_hide_wish_ = false;
  is_bar_ = s.appbar;
  // A page that is no bar drops the bar's style and its place on top.
  if (!s.appbar) {
    window_.SetBarStyle(false);
    SetTopmost(false);
    return false;
  }
  window_.SetBarStyle(true);
  // The edge the bar docks at and whether it wants to hide.
  auto_hide_wish_ = s.auto_hide;
  edge_ = EdgeFromPosition(s.position);
  // Only a registered bar reserves its space, and only a bar on top registers.
  if (!s.auto_hide) {
    SetAutoHide(false);
    if (s.on_top) {
      SetTopmost(true);
      RegisterBar();
    }
  } else {
    const platform::AppBarWindowId holder = service_.GetAutoHideBar(edge_);
    SetTopmost(s.on_top && (holder == 0 || holder == window_.Id()));
  }
  // A bar that stays shown spans the whole work area along its edge.
  if (!s.auto_hide) {
    const Rect work = window_.WorkArea();
    if (Horizontal(edge_)) {
      width_ = Width(work);
    } else {
      height_ = Height(work);
    }
  }
  Dock(edge_);
  return true;
}

void AppBarManager::DocumentLoaded() {
  if (!is_bar_) return;
  if (auto_hide_wish_) SetAutoHide(true);
  service_.WindowPosChanged(window_.Id());
}

void AppBarManager::DocumentUnloading() {
  if (is_bar_) ResetBar();
  UnregisterBar();
  is_bar_ = false;
}

void AppBarManager::RegisterBar() { registered_ = service_.New(window_.Id()); }

void AppBarManager::UnregisterBar() {
  if (service_.Remove(window_.Id())) registered_ = false;
}

void AppBarManager::SetTopmost(bool on) {
  window_.SetTopmost(on);
  on_top_ = on;
}

Rect AppBarManager::QueryPos(Rect r) {
  const Size screen = window_.ScreenSize();
  if (Horizontal(edge_)) {
    r.left = 0;
    r.right = screen.width;
  } else {
    r.top = 0;
    r.bottom = screen.height;
  }
  r = FromService(service_.QueryPos(window_.Id(), edge_, ToService(r)));
  // The service may have moved the outer side inward: the thickness counts from the far one.
  return AtEdge(r, width_, height_);
}

void AppBarManager::SetPos(AppBarEdge edge, Rect rect, bool move) {
  edge_ = edge;
  Rect r = QueryPos(rect);
  r = FromService(service_.SetPos(window_.Id(), edge_, ToService(r)));
  if (move) window_.SetRect(r);
  if (!auto_hide_) docked_ = r;
}

void AppBarManager::Dock(AppBarEdge edge) {
  edge_ = edge;
  // With auto-hide on, the docked rectangle is not updated by SetPos: turn it off for the
  // moment so that this dock records where the bar belongs.
  const bool was_auto_hide = auto_hide_;
  auto_hide_ = false;
  const Rect rect = AtEdge(FullScreen(), width_, height_);
  SetPos(edge, rect, true);
  if (was_auto_hide) {
    auto_hide_ = true;
    window_.Redraw();
  }
  edge_ = edge;
}

void AppBarManager::SetAutoHide(bool on) {
  const platform::AppBarWindowId self = window_.Id();
  if (on) {
    if (service_.GetAutoHideBar(edge_) != 0) return;
    if (!service_.SetAutoHideBar(self, edge_, true)) return;
    auto_hide_ = true;
    saved_width_ = width_;
    saved_height_ = height_;
    HideBar();
    return;
  }
  if (service_.GetAutoHideBar(edge_) != self) return;
  if (!service_.SetAutoHideBar(self, edge_, false)) {
    ShowReleaseError();
    return;
  }
  auto_hide_ = false;
  width_ = saved_width_;
  height_ = saved_height_;
  clock_.KillTimer(AppBarTimer::kHide);
  Dock(edge_);
}

void AppBarManager::ShowReleaseError() {
  const uint32_t code = service_.LastError();
  if (std::optional<std::string> text = service_.ErrorText(code)) {
    window_.ShowWarning(kReleaseErrorCaption, *text);
    return;
  }
  window_.ShowWarning(
      "Generic", "An error occured calling FormatMessage().Error Code " + std::to_string(code));
}

void AppBarManager::HideBar() {
  if (!auto_hide_) return;
  const Rect target = AtEdge(docked_, kHiddenThickness, kHiddenThickness);
  hidden_ = true;
  Slide(target);
}

void AppBarManager::ShowBar() {
  Slide(docked_);
  hidden_ = false;
  clock_.StartTimer(AppBarTimer::kHide, kHideCheckMs);
}

void AppBarManager::ResetBar() {
  clock_.KillTimer(AppBarTimer::kHide);
  clock_.KillTimer(AppBarTimer::kShow);
  clock_.KillTimer(AppBarTimer::kSlide);
  slide_.reset();
  edge_ = AppBarEdge::kRight;
  width_ = height_ = 0;
  // The stored setting only: the window's stacking is left as it is.
  on_top_ = false;
  auto_hide_ = false;
  hidden_ = false;
  window_.SetRect(QueryPos(Rect{}));
  service_.WindowPosChanged(window_.Id());
}

void AppBarManager::Slide(Rect target) {
  clock_.KillTimer(AppBarTimer::kSlide);
  slide_.reset();
  if (hide_ms_ <= 0 || show_ms_ <= 0) {
    window_.SetRect(target);
    return;
  }
  const Rect current = window_.WindowRect();
  const bool growing = Height(target) > Height(current) || Width(target) > Width(current);
  SlideState s;
  s.target = target;
  s.dx = (target.left + target.right) - (current.left + current.right);
  s.dy = (target.top + target.bottom) - (current.top + current.bottom);
  if (growing) {
    // Full size beside its place, showing what the hidden strip showed, then moved onto it.
    s.start = {target.left - s.dx, target.top - s.dy, target.right - s.dx, target.bottom - s.dy};
    window_.SetRect(s.start);
    s.duration = show_ms_;
  } else {
    s.start = current;
    s.duration = hide_ms_;
  }
  s.started = clock_.NowMs();
  slide_ = s;
  clock_.StartTimer(AppBarTimer::kSlide, kSlideStepMs);
}

void AppBarManager::SlideStep() {
  if (!slide_) {
    clock_.KillTimer(AppBarTimer::kSlide);
    return;
  }
  const SlideState& s = *slide_;
  const int64_t t = clock_.NowMs() - s.started;
  if (t >= s.duration) {
    const Rect target = s.target;
    slide_.reset();
    clock_.KillTimer(AppBarTimer::kSlide);
    window_.SetRect(target);
    return;
  }
  const auto offset = [&](int32_t d) { return static_cast<int32_t>(int64_t{d} * t / s.duration); };
  window_.MoveTo({s.start.left + offset(s.dx), s.start.top + offset(s.dy)});
}

bool AppBarManager::CursorInWindow() const {
  const Point p = window_.CursorPos();
  const Rect r = window_.WindowRect();
  return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom;
}

void AppBarManager::MouseOver() {
  if (auto_hide_ && hidden_) clock_.StartTimer(AppBarTimer::kShow, kShowCheckMs);
}

void AppBarManager::TimerFired(AppBarTimer timer) {
  switch (timer) {
    case AppBarTimer::kSlide:
      SlideStep();
      return;
    case AppBarTimer::kShow:
      // While the bar slides away the window is not where it will be: look again after it.
      if (sliding()) return;
      clock_.KillTimer(AppBarTimer::kShow);
      if (auto_hide_ && hidden_ && CursorInWindow()) ShowBar();
      return;
    case AppBarTimer::kHide: {
      if (!auto_hide_ || hidden_ || sliding()) return;
      if (CursorInWindow()) return;
      const AppBarWindow::Foreground front = window_.ForegroundWindow();
      if (front != AppBarWindow::Foreground::kOther) return;
      clock_.KillTimer(AppBarTimer::kHide);
      HideBar();
      return;
    }
  }
}

void AppBarManager::WindowSized() {
  const Rect r = window_.WindowRect();
  if (registered_) SetPos(edge_, r, true);
  if (hidden_) return;
  if (Horizontal(edge_)) {
    height_ = Height(r);
  } else {
    width_ = Width(r);
  }
}

void AppBarManager::WindowMoved() {
  if (!auto_hide_ && registered_) SetPos(edge_, window_.WindowRect(), true);
}

void AppBarManager::WindowPosChanged() {
  if (!is_bar_) return;
  window_.Redraw();
  service_.WindowPosChanged(window_.Id());
}

void AppBarManager::WindowReplaced(platform::AppBarWindowId old_id) {
  const platform::AppBarWindowId id = window_.Id();
  if (id == old_id) return;
  const bool was_registered = registered_;
  service_.Remove(old_id);
  if (was_registered) {
    registered_ = service_.New(id);
    if (registered_) service_.SetPos(id, edge_, ToService(docked_));
  }
  if (auto_hide_) service_.SetAutoHideBar(id, edge_, true);
}

void AppBarManager::PosChanged() {
  if (auto_hide_) docked_ = AtEdge(FullScreen(), saved_width_, saved_height_);
  const Rect current = window_.WindowRect();
  SetPos(edge_, AtEdge(FullScreen(), Width(current), Height(current)), true);
}

}  // namespace browser
