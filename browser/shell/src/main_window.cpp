#include "browser/shell/main_window.h"

#include <cmath>

#include <QApplication>
#include <QCloseEvent>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QIcon>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QThread>
#include <iostream>

#include "browser/script/printing_system_services.h"
#include "browser/shell/qt_canvas.h"
#include "browser/shell/screen_area.h"
#include "browser/shell/window_events.h"
#include "browser/shell/x11_shape.h"
#include "browser/shell/x11_window.h"
#include "platform/regular_file.h"

namespace browser::shell {
namespace {

QRect ToQRect(const Rect& r) { return QRect(r.left, r.top, r.right - r.left, r.bottom - r.top); }
Rect ToRect(const QRect& r) { return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()}; }

// An icon file is small; a larger one is no icon.
constexpr size_t kMaxIconFileBytes = size_t{4} << 20;

// Time the screen behind a hidden window is given to draw itself before it is copied.
constexpr int kRedrawBehindMs = 60;

}  // namespace

MainWindow::MainWindow(WindowOptions options, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint),
      options_(std::move(options)),
      messages_(
          [this] {
            return testAttribute(Qt::WA_WState_Created) ? static_cast<uint32_t>(X11WindowOf(*this))
                                                        : 0u;
          },
                [this](uint32_t message, uint32_t, int32_t) { OnWindowMessage(message); }) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAttribute(Qt::WA_NoSystemBackground);
  setMouseTracking(true);
  resize(200, 200);
  SetIcon({});

  CMainWnd::Services services{*this};
  pictures_.SetAnimationSurface(&surface_);
  services.pictures = &pictures_;
  services.registry = options_.registry;
  services.program_path = options_.program_path;
  services.app_bar = &app_bar_.manager();
  services.dragger = &dragger_;
  services.trace = Trace(options_.trace);
  services.system_services = options_.system;
  services.system = options_.directories;
  services.report = [](const std::string& line) { std::cerr << "panorel: " << line << "\n"; };
  if (options_.system != nullptr && services.trace.enabled()) {
    traced_system_ = std::make_unique<EchoingSystemServices>(
        *options_.system, [trace = services.trace](const std::string& line) mutable {
          trace.System(line);
        });
    services.system_services = traced_system_.get();
  }
  controls_ = std::make_unique<ControlHost>(
      this,
      ControlHost::PluginFolders(options_.program_path,
                                 qEnvironmentVariable("XDG_DATA_HOME").toStdString(),
                                 qEnvironmentVariable("HOME").toStdString()),
      [](const QString& line) { std::cerr << "panorel: " << line.toStdString() << "\n"; });
  // LaunchInternetExplorer's window comes with the web control, where the machine is reached.
  if (services.system_services != nullptr) {
    hosted_system_ = std::make_unique<HostedSystemServices>(services.system_services, *controls_);
    services.system_services = hosted_system_.get();
  }
  main_wnd_ = std::make_unique<CMainWnd>(ids_, std::move(services));

  // A timer of no interval fires once the window system's events are handled: a close
  // request is seen between any two page loads.
  request_timer_.setSingleShot(true);
  request_timer_.setInterval(0);
  connect(&request_timer_, &QTimer::timeout, this, [this] {
    RunPendingRequest();
    if (!requests_.empty()) request_timer_.start();
  });
  connect(&instance_, &SingleInstance::otherInstanceStarted, this,
          [this] { main_wnd_->OtherInstanceStarted(); });
  if (QScreen* screen = QGuiApplication::primaryScreen(); screen != nullptr && !options_.screen) {
    connect(screen, &QScreen::geometryChanged, this, [this] { main_wnd_->DisplayChanged(); });
  }
  if (!options_.preview) {
    QCoreApplication::postEvent(this, new QEvent(WindowEvents::Startup()));
  }
}

MainWindow::~MainWindow() = default;

bool MainWindow::StartupLoad() {
  const bool loaded = main_wnd_->StartupLoad(options_.document);
  if (!loaded && !other_instance_found_) ReportUnreadableDocument();
  return loaded;
}

// What another program posted: a reload (the app bar is dropped with the document) or a close.
void MainWindow::OnWindowMessage(uint32_t message) {
  if (message == kWmReloadDocument) PostRequest({PageRequest::Kind::kReload, {}});
  if (message == kWmClose) Close();
}

void MainWindow::OnStartupEvent() {
  if (!StartupLoad()) Close();
}

// One line for a user who started the program from a terminal: which file, and why.
void MainWindow::ReportUnreadableDocument() const {
  const std::string& why = main_wnd_->last_error();
  std::cerr << "panorel: " << (why.empty() ? std::string("no document could be shown") : why)
            << "\n";
}

QImage MainWindow::RenderPage() {
  const Size size = main_wnd_->PageSize();
  if (size.width <= 0 || size.height <= 0) return {};
  QImage page(size.width, size.height, QImage::Format_RGB32);
  page.fill(Qt::white);
  {
    QPainter painter(&page);
    QtCanvas canvas(painter);
    main_wnd_->Paint(canvas, Rect{0, 0, size.width, size.height});
  }
  QImage out = page.convertToFormat(QImage::Format_ARGB32);
  if (!shape_) return out;
  out.fill(Qt::transparent);
  const QRect all = out.rect();
  for (const Rect& r : shape_->rects) {
    const QRect span = ToQRect(r).intersected(all);
    for (int y = span.top(); y <= span.bottom() && !span.isEmpty(); ++y) {
      const auto* from = reinterpret_cast<const uint32_t*>(page.constScanLine(y));
      auto* to = reinterpret_cast<uint32_t*>(out.scanLine(y));
      for (int x = span.left(); x <= span.right(); ++x) to[x] = from[x] | 0xFF000000u;
    }
  }
  return out;
}

// ---- Events ----------------------------------------------------------------------------

bool MainWindow::event(QEvent* event) {
  if (event->type() == WindowEvents::Startup()) {
    OnStartupEvent();
    return true;
  }
  if (event->type() == WindowEvents::Request()) {
    PostRequest(static_cast<RequestEvent*>(event)->request());
    return true;
  }
  if (event->type() == WindowEvents::Close()) {
    Finish();
    return true;
  }
  // The window manager framed the window: its outer size is known now, so it can be centred.
  if (centre_when_framed_ && (event->type() == QEvent::Move || event->type() == QEvent::Resize ||
                              event->type() == QEvent::Expose)) {
    if (frameGeometry().size() != size()) {
      centre_when_framed_ = false;
      Centre();
    }
  }
  return QWidget::event(event);
}

void MainWindow::paintEvent(QPaintEvent* event) {
  const Size size = main_wnd_->PageSize();
  QPainter window(this);
  if (size.width <= 0 || size.height <= 0) {
    window.fillRect(event->rect(), Qt::white);
    return;
  }
  const QRect page(0, 0, size.width, size.height);
  if (!page.contains(event->rect())) window.fillRect(event->rect(), Qt::white);
  const QRect update = event->rect().intersected(page);
  if (update.isEmpty()) return;
  const QImage painted =
      surface_.Compose(QSize(size.width, size.height), update, [&](QPainter& painter) {
        QtCanvas canvas(painter);
        main_wnd_->Paint(canvas, ToRect(update));
      });
  window.drawImage(update.topLeft(), painted);
}

void MainWindow::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const QPoint p = event->position().toPoint();
  main_wnd_->MousePress({p.x(), p.y()});
}

void MainWindow::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const QPoint p = event->position().toPoint();
  main_wnd_->MouseRelease({p.x(), p.y()});
}

void MainWindow::mouseMoveEvent(QMouseEvent* event) {
  const bool left_only = event->buttons() == Qt::LeftButton &&
                         !(event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier));
  const QPoint p = event->position().toPoint();
  main_wnd_->MouseMove({p.x(), p.y()}, left_only);
}

void MainWindow::moveEvent(QMoveEvent* event) {
  QWidget::moveEvent(event);
  main_wnd_->WindowMoved();
}

void MainWindow::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() != QEvent::ActivationChange) return;
  // Hiding and showing the window for a capture changes its activation twice: only a
  // change that remains counts, or every capture would ask for the next one.
  if (capturing_ || isActiveWindow() == active_) return;
  active_ = isActiveWindow();
  main_wnd_->FocusChanged();
}

void MainWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  // The native window exists now and is not yet mapped: the window manager reads the hints
  // and the shape when it maps the window.
  ApplyNativeLook();
}

void MainWindow::closeEvent(QCloseEvent* event) {
  event->accept();
  Finish();
}

void MainWindow::Finish() {
  if (finished_) return;
  finished_ = true;
  main_wnd_->Destroy();
  hide();
  emit finished(0);
}

void MainWindow::BringToFront() {
  if (isMinimized()) showNormal();
  raise();
  activateWindow();
}

void MainWindow::ShowMessage(const std::string& caption, const std::string& text) {
  QMessageBox box(QMessageBox::NoIcon, QString::fromStdString(caption),
                  QString::fromStdString(text), QMessageBox::Ok, this);
  box.exec();
}

// ---- PageHost --------------------------------------------------------------------------

void MainWindow::Invalidate(const Rect& rect) {
  if (!IsEmpty(rect)) update(ToQRect(rect));
}

void MainWindow::SetShape(const Region* region) {
  if (region != nullptr) {
    shape_ = *region;
  } else {
    shape_.reset();
  }
  if (testAttribute(Qt::WA_WState_Created)) {
    SetWindowShape(X11Connection(), X11WindowOf(*this), region);
  }
}

std::unique_ptr<Picture> MainWindow::CaptureScreen(const Rect& screen_rect) {
  const Size screen_size = ScreenSize();
  const QRect rect = ToQRect(screen_rect).intersected(QRect(0, 0, screen_size.width,
                                                            screen_size.height));
  if (rect.isEmpty() || X11Connection() == nullptr) return nullptr;
  return GrabScreen(QGuiApplication::primaryScreen(), rect);
}

Rect MainWindow::WindowRect() const { return ToRect(frameGeometry()); }

Size MainWindow::ScreenSize() const {
  const QRect screen = ScreenArea::Of(QGuiApplication::primaryScreen(), options_.screen).screen;
  return {screen.width(), screen.height()};
}

void MainWindow::MoveWindow(Point top_left) { move(top_left.x, top_left.y); }

void MainWindow::SetCursor(CursorShape cursor) {
  switch (cursor) {
    case CursorShape::kArrow:
      setCursor(Qt::ArrowCursor);
      break;
    case CursorShape::kHand:
      setCursor(Qt::PointingHandCursor);
      break;
    case CursorShape::kSizeAll:
      setCursor(Qt::SizeAllCursor);
      break;
  }
}

void MainWindow::CaptureMouse() { grabMouse(); }
void MainWindow::ReleaseMouse() { releaseMouse(); }

int32_t MainWindow::VerticalDpi() const {
  const QScreen* s = screen() != nullptr ? screen() : QGuiApplication::primaryScreen();
  return s == nullptr ? 96 : static_cast<int32_t>(std::lround(s->logicalDotsPerInchY()));
}

uint64_t MainWindow::CreateControl(const std::string& name, const Rect& bounds, bool drop_target) {
  return controls_->Create(name, bounds, drop_target);
}

void MainWindow::MoveControl(uint64_t control, const Rect& bounds) {
  controls_->Move(control, bounds);
}

void MainWindow::DestroyControl(uint64_t control) { controls_->Destroy(control); }

platform::Control* MainWindow::ControlObject(uint64_t control) {
  return controls_->Object(control);
}

ScriptContext* MainWindow::ControlScriptContext() {
  return main_wnd_ ? &main_wnd_->script_context() : nullptr;
}

// ---- WindowHost ------------------------------------------------------------------------

void MainWindow::SetTitle(const std::string& title) {
  setWindowTitle(QString::fromStdString(title));
}

void MainWindow::SetIcon(const std::string& path) {
  QIcon icon;
  // Read as a regular file of bounded size: a FIFO named as the icon would block the window.
  std::string bytes, error;
  if (!path.empty() && platform::ReadRegularFile(path, kMaxIconFileBytes, &bytes, &error)) {
    QPixmap pixmap;
    pixmap.loadFromData(reinterpret_cast<const uchar*>(bytes.data()),
                        static_cast<uint>(bytes.size()));
    if (!pixmap.isNull()) icon = QIcon(pixmap);
  }
  if (icon.isNull()) icon = QIcon(QStringLiteral(":/panorel/panorel.png"));
  setWindowIcon(icon);
}

bool MainWindow::OtherInstanceRuns(const std::string& title) {
  // A preview is no copy of the program a user works with.
  if (options_.preview) return false;
  const bool runs = instance_.OtherInstanceRuns(title);
  other_instance_found_ = other_instance_found_ || runs;
  return runs;
}

void MainWindow::ApplyWindowStyle(const WindowStyle& style) {
  hide();
  SetLook(LookOf(style));
  if (!style.shaped) SetShape(nullptr);
  setFixedSize(std::max(style.client.width, 1), std::max(style.client.height, 1));
  Centre();
  // Framed windows learn their frame only once the window manager has framed them.
  centre_when_framed_ = style.caption || style.frame != WindowStyle::Frame::kNone;
}

void MainWindow::ApplyAppBar(const Rect& screen_rect) {
  hide();
  SetLook(AppBarLook());
  const QRect rect = ToQRect(screen_rect);
  setFixedSize(std::max(rect.width(), 1), std::max(rect.height(), 1));
  move(rect.topLeft());
  centre_when_framed_ = false;
}

void MainWindow::SetLook(const WindowLook& look) {
  look_ = look;
  if (windowFlags() != look.flags) setWindowFlags(look.flags);
  ApplyNativeLook();
}

// The Motif hints Qt cannot express, and the shape, on the current native window (changing
// Qt's flags makes a new one).
void MainWindow::ApplyNativeLook() {
  if (!testAttribute(Qt::WA_WState_Created)) return;
  xcb_connection_t* connection = X11Connection();
  if (connection == nullptr) return;
  const xcb_window_t window = X11WindowOf(*this);
  // Other programs find the browser by this class to post it messages.
  SetWindowClass(connection, window, "panorel", "VTRL_MAINWND");
  SetMotifHints(connection, window, look_.motif_functions, look_.motif_decorations);
  SetWindowShape(connection, window, shape_ ? &*shape_ : nullptr);
}

void MainWindow::Centre() {
  const QSize frame = frameGeometry().size() - size();
  const ScreenArea area = ScreenArea::Of(QGuiApplication::primaryScreen(), options_.screen);
  move(Centred(size() + frame, area));
}

Size MainWindow::ClientSize() const { return {width(), height()}; }

void MainWindow::Show() {
  if (options_.preview || finished_) return;
  show();
}

void MainWindow::Redraw() {
  if (isVisible()) repaint();
}

void MainWindow::Close() {
  QCoreApplication::postEvent(this, new QEvent(WindowEvents::Close()));
}

void MainWindow::PostRequest(PageRequest request) {
  requests_.Push(std::move(request));
  if (!request_timer_.isActive()) request_timer_.start();
}

bool MainWindow::RunPendingRequest() {
  std::optional<PageRequest> request = requests_.Pop();
  if (!request) return false;
  if (!finished_) main_wnd_->HandleRequest(*request);
  return true;
}

void MainWindow::Minimize() { showMinimized(); }

void MainWindow::HideForCapture() {
  if (!isVisible() || X11Connection() == nullptr) return;
  capturing_ = true;
  hide();
  xcb_connection_t* connection = X11Connection();
  // A round trip: the server has unmapped the window and sent the exposures behind it.
  std::free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
  QElapsedTimer waited;
  waited.start();
  while (waited.elapsed() < kRedrawBehindMs) {
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 10);
    QThread::msleep(5);
  }
}

void MainWindow::ShowAfterCapture() {
  if (!capturing_) return;
  show();
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  capturing_ = false;
}

}  // namespace browser::shell
