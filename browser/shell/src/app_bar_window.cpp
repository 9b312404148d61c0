// The main window as an app bar on this desktop: dock window type, timers, pointer and
// keyboard focus, and the X11 app bar service.
#include "browser/shell/app_bar_window.h"

#include <QCursor>
#include <QEvent>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPlatformSurfaceEvent>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <cstdlib>
#include <cstring>

#include "browser/shell/screen_area.h"
#include "browser/shell/x11_window.h"
#include "platform/recording_appbar.h"
#include "platform/x11_appbar.h"

namespace browser::shell {
namespace {

QRect ToQRect(const Rect& r) { return QRect(r.left, r.top, r.right - r.left, r.bottom - r.top); }

xcb_atom_t Atom(xcb_connection_t* c, const char* name) {
  xcb_intern_atom_reply_t* r =
      xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, std::strlen(name), name), nullptr);
  const xcb_atom_t atom = r != nullptr ? r->atom : xcb_atom_t{XCB_ATOM_NONE};
  std::free(r);
  return atom;
}

// The active window the window manager announces (EWMH _NET_ACTIVE_WINDOW), 0 for none.
xcb_window_t ActiveWindow(xcb_connection_t* c) {
  xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
  xcb_get_property_reply_t* r = xcb_get_property_reply(
      c, xcb_get_property(c, 0, root, Atom(c, "_NET_ACTIVE_WINDOW"), XCB_ATOM_WINDOW, 0, 1),
      nullptr);
  xcb_window_t active = 0;
  if (r != nullptr && r->format == 32 && xcb_get_property_value_length(r) >= 4) {
    active = *static_cast<const xcb_window_t*>(xcb_get_property_value(r));
  }
  std::free(r);
  return active;
}

// Qt's xcb platform puts the window types of this property first in _NET_WM_WINDOW_TYPE
// whenever it writes the property (the value 4 is its dock type).
constexpr char kQtWindowTypeProperty[] = "_q_xcb_wm_window_type";
constexpr int kQtDockType = 0x4;

// Without X11 a bar shares its desktop with nobody.
class PrivateAppBarService : public platform::RecordingAppBarService {
 public:
  PrivateAppBarService() : RecordingAppBarService(desktop_) {}

 private:
  platform::RecordingAppBarDesktop desktop_;
};

}  // namespace

AppBarHost::AppBarHost(QWidget& window, std::optional<QSize> screen)
    : QObject(&window), window_(window), screen_(screen) {
  if (xcb_connection_t* c = X11Connection()) {
    service_ = std::make_unique<platform::X11AppBarService>(c, 0);
  } else {
    service_ = std::make_unique<PrivateAppBarService>();
  }
  clock_.start();
  for (auto [timer, id] :
       {std::pair{&hide_timer_, AppBarTimer::kHide}, std::pair{&show_timer_, AppBarTimer::kShow},
        std::pair{&slide_timer_, AppBarTimer::kSlide}}) {
    timer->setTimerType(Qt::PreciseTimer);
    connect(timer, &QTimer::timeout, this, [this, id = id] { manager_->TimerFired(id); });
  }
  manager_ = std::make_unique<AppBarManager>(*service_, *this, *this);
  window_.installEventFilter(this);
}

AppBarHost::~AppBarHost() {
  window_.removeEventFilter(this);
  manager_.reset();
}

bool AppBarHost::eventFilter(QObject* watched, QEvent* event) {
  if (handle_ != nullptr && watched == handle_ && event->type() == QEvent::PlatformSurface &&
      static_cast<QPlatformSurfaceEvent*>(event)->surfaceEventType() ==
          QPlatformSurfaceEvent::SurfaceCreated) {
    // A new native window, not yet mapped.
    WriteWindowType();
    if (last_id_ != 0 && Id() != last_id_) manager_->WindowReplaced(last_id_);
    return QObject::eventFilter(watched, event);
  }
  if (watched == &window_) {
    switch (event->type()) {
      case QEvent::Show:
        // Sent before the window is mapped: the window manager reads the type at the map.
        if (window_.windowHandle() != handle_) {
          handle_ = window_.windowHandle();
          if (handle_ != nullptr) handle_->installEventFilter(this);
        }
        WriteWindowType();
        // Qt makes the native window anew as it maps it when the window's stacking flags
        // changed while it was hidden: the bar moves to the new window once it is there.
        QTimer::singleShot(0, this, [this] {
          const platform::AppBarWindowId old_id = last_id_;
          if (old_id != 0 && X11WindowOf(window_) != old_id) manager_->WindowReplaced(old_id);
        });
        break;
      case QEvent::Enter:
      case QEvent::MouseMove:
      case QEvent::HoverMove:
        manager_->MouseOver();
        break;
      default:
        break;
    }
  }
  return QObject::eventFilter(watched, event);
}

// A bar is a dock window (no frame, no place among the desktop's windows, not placed by the
// window manager); a window that was one becomes a normal window again.
void AppBarHost::WriteWindowType() {
  xcb_connection_t* c = X11Connection();
  if (c == nullptr || !window_.testAttribute(Qt::WA_WState_Created)) return;
  if (!bar_style_ && !typed_as_dock_) return;
  if (QWindow* handle = window_.windowHandle()) {
    handle->setProperty(kQtWindowTypeProperty, bar_style_ ? QVariant(kQtDockType) : QVariant());
  }
  const xcb_window_t w = X11WindowOf(window_);
  const xcb_atom_t type =
      Atom(c, bar_style_ ? "_NET_WM_WINDOW_TYPE_DOCK" : "_NET_WM_WINDOW_TYPE_NORMAL");
  xcb_change_property(c, XCB_PROP_MODE_REPLACE, w, Atom(c, "_NET_WM_WINDOW_TYPE"), XCB_ATOM_ATOM,
                      32, 1, &type);
  xcb_flush(c);
  typed_as_dock_ = bar_style_;
}

platform::AppBarWindowId AppBarHost::Id() const {
  if (X11Connection() == nullptr) return 1;
  last_id_ = X11WindowOf(window_);
  return last_id_;
}

Rect AppBarHost::WindowRect() const {
  const QRect r = window_.frameGeometry();
  return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

void AppBarHost::SetRect(const Rect& rect) {
  const QRect r = ToQRect(rect);
  // Qt's windows are at least one pixel wide and high.
  window_.setFixedSize(std::max(r.width(), 1), std::max(r.height(), 1));
  window_.move(r.topLeft());
  window_.update();
}

void AppBarHost::MoveTo(Point top_left) { window_.move(top_left.x, top_left.y); }

void AppBarHost::SetTopmost(bool on) {
  if (window_.isVisible() && window_.windowHandle() != nullptr) {
    // Changing the widget's flags would hide the window: the native window takes the flag.
    window_.windowHandle()->setFlag(Qt::WindowStaysOnTopHint, on);
    return;
  }
  if (window_.windowFlags().testFlag(Qt::WindowStaysOnTopHint) != on) {
    window_.setWindowFlag(Qt::WindowStaysOnTopHint, on);
  }
}

void AppBarHost::SetBarStyle(bool bar) {
  bar_style_ = bar;
  if (QWindow* handle = window_.windowHandle()) {
    handle->setProperty(kQtWindowTypeProperty, bar ? QVariant(kQtDockType) : QVariant());
  }
  if (!window_.isVisible()) WriteWindowType();
}

void AppBarHost::Redraw() {
  if (window_.isVisible()) window_.repaint();
}

Size AppBarHost::ScreenSize() const {
  const QRect r = ScreenArea::Of(QGuiApplication::primaryScreen(), screen_).screen;
  return {r.width(), r.height()};
}

Rect AppBarHost::WorkArea() const {
  const QRect r = ScreenArea::Of(QGuiApplication::primaryScreen(), screen_).work;
  return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

Point AppBarHost::CursorPos() const {
  const QPoint p = QCursor::pos();
  return {p.x(), p.y()};
}

AppBarWindow::Foreground AppBarHost::ForegroundWindow() const {
  QWindow* bar = window_.windowHandle();
  if (QWindow* focus = QGuiApplication::focusWindow()) {
    if (focus == bar) return Foreground::kBar;
    for (QWindow* w = focus->transientParent(); w != nullptr; w = w->transientParent()) {
      if (w == bar) return Foreground::kOwnedByBar;
    }
    return Foreground::kOther;
  }
  // Another program's window, or none at all.
  xcb_connection_t* c = X11Connection();
  if (c == nullptr) return Foreground::kNone;
  const xcb_window_t active = ActiveWindow(c);
  if (active == 0) return Foreground::kNone;
  return active == X11WindowOf(window_) ? Foreground::kBar : Foreground::kOther;
}

void AppBarHost::ShowWarning(const std::string& caption, const std::string& text) {
  QMessageBox box(QMessageBox::Warning, QString::fromStdString(caption),
                  QString::fromStdString(text), QMessageBox::Ok, nullptr);
  box.exec();
}

QTimer& AppBarHost::TimerOf(AppBarTimer timer) {
  switch (timer) {
    case AppBarTimer::kHide:
      return hide_timer_;
    case AppBarTimer::kShow:
      return show_timer_;
    case AppBarTimer::kSlide:
      break;
  }
  return slide_timer_;
}

void AppBarHost::StartTimer(AppBarTimer timer, int32_t interval_ms) {
  TimerOf(timer).start(interval_ms);
}

void AppBarHost::KillTimer(AppBarTimer timer) { TimerOf(timer).stop(); }

}  // namespace browser::shell
