#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <QSize>
#include <memory>
#include <optional>

#include "browser/page/app_bar.h"

class QWidget;
class QWindow;

namespace platform {
class AppBarService;
}

namespace browser::shell {

// The app bar manager of the main window with what it needs on this desktop: the window
// itself (a dock window on X11 while it is a bar), Qt timers and the X11 app bar service
// (on a platform without X11, a desktop of its own that nothing else shares). It follows the
// window's events through an event filter: the pointer over the window, and the moment
// before the window is mapped, when the window manager will read its type and strut. Qt may
// make the native window anew as it shows it: the new one takes the dock type from Qt's own
// window type property, and the manager moves the registration and the strut to it.
//
// A bar's place and size change only through the manager (docks are not moved or resized
// by the window manager), so the window's own moves and resizes are not handed back to it.
class AppBarHost : public QObject, public AppBarWindow, public AppBarClock {
 public:
  // `screen`: the screen size given on the command line (--screen), which the bar docks to
  // in place of the real screen's.
  AppBarHost(QWidget& window, std::optional<QSize> screen);
  ~AppBarHost() override;

  AppBarManager& manager() { return *manager_; }

  // AppBarWindow
  platform::AppBarWindowId Id() const override;
  Rect WindowRect() const override;
  void SetRect(const Rect& rect) override;
  void MoveTo(Point top_left) override;
  void SetTopmost(bool on) override;
  void SetBarStyle(bool bar) override;
  void Redraw() override;
  Size ScreenSize() const override;
  Rect WorkArea() const override;
  Point CursorPos() const override;
  Foreground ForegroundWindow() const override;
  void ShowWarning(const std::string& caption, const std::string& text) override;

  // AppBarClock
  int64_t NowMs() const override { return clock_.elapsed(); }
  void StartTimer(AppBarTimer timer, int32_t interval_ms) override;
  void KillTimer(AppBarTimer timer) override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QTimer& TimerOf(AppBarTimer timer);
  void WriteWindowType();

  QWidget& window_;
  std::optional<QSize> screen_;
  // The window handle whose native windows are followed, and the id the manager last used.
  QWindow* handle_ = nullptr;
  mutable platform::AppBarWindowId last_id_ = 0;
  std::unique_ptr<platform::AppBarService> service_;
  QElapsedTimer clock_;
  QTimer hide_timer_, show_timer_, slide_timer_;
  bool bar_style_ = false;
  bool typed_as_dock_ = false;
  // Last, so that it goes first: its destructor kills the timers above.
  std::unique_ptr<AppBarManager> manager_;
};

}  // namespace browser::shell
