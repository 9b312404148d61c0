#include "browser/shell/main_window.h"

#include <cmath>

#include <QApplication>
#include <QCloseEvent>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QIcon>
#include <QImageReader>
#include <QKeyEvent>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QThread>
#include <QWindow>
#include <iostream>

#include "browser/script/printing_system_services.h"
#include "browser/shell/control_fallback.h"
#include "browser/shell/focus_ring.h"
#include "browser/shell/page_keys.h"
#include "browser/shell/qt_canvas.h"
#include "browser/shell/screen_area.h"
#include "browser/shell/window_events.h"
#include "browser/shell/x11_shape.h"
#include "browser/shell/x11_window.h"
#include "platform/paths.h"
#include "platform/regular_file.h"

namespace browser::shell {
namespace {

QRect ToQRect(const Rect& r) { return QRect(r.left, r.top, r.right - r.left, r.bottom - r.top); }
Rect ToRect(const QRect& r) { return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()}; }

// An icon file is small; a larger one is no icon.
constexpr size_t kMaxIconFileBytes = size_t{4} << 20;

// Time the screen behind a hidden window is given to draw itself before it is copied.
constexpr int kRedrawBehindMs = 60;
// How long the window manager is given to let go of an unmapped window, and to answer the
// question of its frame.
constexpr int kWithdrawMs = 1000;
constexpr int kFrameAnswerMs = 500;

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
  setFocusPolicy(Qt::StrongFocus);
  PageAccessibility::Install();
  resize(200, 200);
  SetIcon({});

  CMainWnd::Services services{*this, files_};
  pictures_.SetAnimationSurface(&surface_);
  if (options_.preview) pictures_.HoldAnimationsStill();
  services.pictures = &pictures_;
  services.registry = options_.registry;
  services.program_path = options_.program_path;
  services.app_bar = &app_bar_.manager();
  services.trace = Trace(options_.trace);
  services.system_services = options_.system;
  services.system = options_.directories;
  services.report = [](const std::string& line) { std::cerr << "panorel: " << line << "\n"; };
  services.focus_moved = [this] { accessibility_.FocusMoved(); };
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
      [](const QString& line) { std::cerr << "panorel: " << line.toStdString() << "\n"; },
      [trace = services.trace](const std::string& name, const std::string& why) mutable {
        std::cerr << "panorel: control " << (name.empty() ? "(no name)" : name)
                  << " not created: " << why << "\n";
        trace.Line({"control", name, "not created", why});
      });
  // New windows a web page asks for open in the desktop's web browser, as LaunchHtml's pages.
  controls_->set_open_address([system = services.system_services](const std::string& address) {
    Perform(system, request::OpenAddress{address});
  });
  // LaunchInternetExplorer's window comes with the web control, and DragFile drags from this
  // window, where the machine is reached.
  if (services.system_services != nullptr) {
    hosted_system_ = std::make_unique<HostedSystemServices>(
        *services.system_services, *controls_,
        [this](const request::DragFile& drag) { return dragger_.Drag(drag); });
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
  if (options_.watch && !options_.preview) {
    watcher_ = std::make_unique<DocumentWatcher>(
        files_, options_.document.empty() ? platform::ReplaceExtension(options_.program_path, ".cdz")
                                  : options_.document,
        this);
    connect(watcher_.get(), &DocumentWatcher::changed, this, &MainWindow::ReloadWatchedDocument);
  }
}

void MainWindow::ReloadWatchedDocument() {
  if (finished_ || !isVisible()) return;
  keep_place_ = true;
  const Status s = main_wnd_->ReloadFromDisk(watcher_->path());
  keep_place_ = false;
  if (!s.ok()) std::cerr << "panorel: " << s.message() << "; the page stays as it was\n";
}

MainWindow::~MainWindow() = default;

bool MainWindow::StartupLoad() {
  const bool loaded = main_wnd_->StartupLoad(options_.document);
  if (!loaded && !other_instance_found_) ReportUnreadableDocument();
  return loaded;
}

// What a program posted (a document's PostMessage included): the main window's message table.
void MainWindow::OnWindowMessage(uint32_t message) { main_wnd_->HandleWindowMessage(message); }

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
    // Animations lie over the page, as in the window; a preview shows their first frames.
    for (const auto& [id, still] : pictures_.stills()) {
      const Picture& frame = *still.frame.image;
      DrawWithMask(canvas, frame, still.frame.mask.get(), {0, 0, frame.width(), frame.height()},
                   {still.at.x, still.at.y, still.at.x + frame.width(),
                    still.at.y + frame.height()});
    }
    // The panels of controls that could not be made are part of what the window shows.
    for (ControlFallback* fallback :
         findChildren<ControlFallback*>(Qt::FindDirectChildrenOnly)) {
      if (!fallback->isHidden()) fallback->render(&painter, fallback->pos());
    }
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
  // Tab reaches the page before the widget's own focus chain takes it.
  if (event->type() == QEvent::KeyPress && !finished_ &&
      SendPageKey(*main_wnd_, *static_cast<QKeyEvent*>(event))) {
    focus_ring_shown_ = true;
    return true;
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
  if (const CElement* focused = main_wnd_->focused(); focused != nullptr && focus_ring_shown_) {
    DrawFocusRing(window, ToQRect(focused->GetBounds()), shape_ ? &*shape_ : nullptr);
  }
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

// Alt+F4 that reaches the window ends the program as Exit does; a window manager that binds
// the key itself (and gives an app bar, a dock, no close) keeps it.
void MainWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_F4 && event->modifiers() == Qt::AltModifier) {
    main_wnd_->CloseRequested();
    return;
  }
  QWidget::keyPressEvent(event);
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
  // Every expose repaints the whole page (see eventFilter); the native window may be new.
  if (QWindow* native = windowHandle(); native != nullptr && native != exposed_window_) {
    native->installEventFilter(this);
    exposed_window_ = native;
  }
  // The native window exists now and is not yet mapped: the window manager reads the hints
  // and the shape when it maps the window.
  ApplyNativeLook();
}

// The toolkit answers an expose with the image it stored of the window; the page may since
// have changed outside the areas it invalidated (a text a script made longer than its
// element). An exposed window shows a fresh paint of the whole page, as a repaint would.
bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == exposed_window_ && event->type() == QEvent::Expose) update();
  return QWidget::eventFilter(watched, event);
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (!finished_) main_wnd_->CloseRequested();
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
  if (icon.isNull()) {
    // Read as the PNG it is: a reader left to find the format asks every image plug-in of
    // the system first, and loads each (with their libraries, a few megabytes and
    // milliseconds before the first page).
    QImageReader reader(QStringLiteral(":/panorel/panorel.png"), "png");
    reader.setAutoDetectImageFormat(false);
    icon = QIcon(QPixmap::fromImage(reader.read()));
  }
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
  const QSize client(std::max(style.client.width, 1), std::max(style.client.height, 1));
  if (keep_place_ && isVisible()) {
    const WindowLook look = LookOf(style);
    if (!style.shaped) SetShape(nullptr);
    // The same look and size: the window stays as it is, shown.
    if (look.flags == look_.flags && look.motif_decorations == look_.motif_decorations &&
        look.motif_functions == look_.motif_functions && client == size()) {
      return;
    }
    const QPoint place = pos();
    Withdraw();
    SetLook(look);
    setFixedSize(client);
    move(place);
    return;
  }
  Withdraw();
  SetLook(LookOf(style));
  if (!style.shaped) SetShape(nullptr);
  setFixedSize(std::max(style.client.width, 1), std::max(style.client.height, 1));
  Place(style.caption || style.frame != WindowStyle::Frame::kNone);
}

void MainWindow::ApplyAppBar(const Rect& screen_rect) {
  Withdraw();
  SetLook(AppBarLook());
  const QRect rect = ToQRect(screen_rect);
  setFixedSize(std::max(rect.width(), 1), std::max(rect.height(), 1));
  setGeometry(QRect(rect.topLeft(), size()));
  centre_when_framed_ = false;
}

// A shown window is unmapped and the window manager has let go of it before its look, size
// and place change: a map that overtook the unmap, or a move that reached the old frame,
// would leave it unmapped or off its place. A window shown a moment ago is first let be
// taken in, or the manager would map it after it was hidden.
void MainWindow::Withdraw() {
  if (!isVisible()) return;
  xcb_connection_t* connection = X11Connection();
  const xcb_window_t window =
      connection != nullptr ? X11WindowOf(*this) : static_cast<xcb_window_t>(XCB_WINDOW_NONE);
  WaitUntilManaged(connection, window, kWithdrawMs);
  hide();
  WaitUntilWithdrawn(connection, window, kWithdrawMs);
}

// Centres the withdrawn window once, from its own size and the frame the window manager will
// draw for its look; the window's own corner is given (static gravity), so no frame Qt
// remembers from an earlier look enters the sum. A frame not known before the map (some
// managers answer the question with an empty frame) is learnt when the window is framed.
void MainWindow::Place(bool framed) {
  centre_when_framed_ = false;
  std::optional<FrameExtents> frame;
  if (!framed) frame = FrameExtents{};
  if (xcb_connection_t* connection = X11Connection(); connection != nullptr) {
    const xcb_window_t window = X11WindowOf(*this);
    ApplyNativeLook();  // the decorations the frame depends on
    ForgetFrameExtents(connection, window);
    if (framed) {
      if (const auto known = known_frames_.find(look_.motif_decorations);
          known != known_frames_.end()) {
        frame = known->second;
      } else if (auto asked = RequestFrameExtents(connection, window, kFrameAnswerMs)) {
        if (!asked->empty()) frame = asked;
        // Only the frame written when the window is managed is read from here on.
        ForgetFrameExtents(connection, window);
      }
    }
    centre_when_framed_ = !frame.has_value();
  }
  CentreWith(frame.value_or(FrameExtents{}));
}

void MainWindow::CentreWith(const FrameExtents& frame) {
  const ScreenArea area = ScreenArea::Of(QGuiApplication::primaryScreen(), options_.screen);
  const QSize outer = size() + QSize(frame.left + frame.right, frame.top + frame.bottom);
  setGeometry(QRect(Centred(outer, area) + QPoint(frame.left, frame.top), size()));
}

void MainWindow::SetLook(const WindowLook& look) {
  look_ = look;
  if (windowFlags() != look.flags) setWindowFlags(look.flags);
  ApplyNativeLook();
}

// The Motif hints Qt cannot express, and the shape, on the current native window (changing
// Qt's flags makes a new one).
void MainWindow::ApplyNativeLook() {
  // A change of flags may leave the widget marked as not created while its window lives on.
  if (!testAttribute(Qt::WA_WState_Created) && windowHandle() == nullptr) return;
  xcb_connection_t* connection = X11Connection();
  if (connection == nullptr) return;
  const xcb_window_t window = X11WindowOf(*this);
  // Other programs find the browser by this class to post it messages.
  SetWindowClass(connection, window, "panorel", "VTRL_MAINWND");
  SetMotifHints(connection, window, look_.motif_functions, look_.motif_decorations);
  SetWindowShape(connection, window, shape_ ? &*shape_ : nullptr);
}

Size MainWindow::ClientSize() const { return {width(), height()}; }

void MainWindow::Show() {
  if (options_.preview || finished_) return;
  show();
  if (!centre_when_framed_) return;
  // Once the window manager has framed the window its frame is known (for the next window of
  // this look too), and the window is centred with it. A manager that never tells is taken to
  // draw no frame.
  centre_when_framed_ = false;
  const auto frame = WaitForFrameExtents(X11Connection(), X11WindowOf(*this), kFrameAnswerMs);
  known_frames_[look_.motif_decorations] = frame.value_or(FrameExtents{});
  if (frame) CentreWith(*frame);
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
