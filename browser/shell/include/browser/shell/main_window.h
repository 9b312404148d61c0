#pragma once

#include <QImage>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <cstdio>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "browser/page/main_wnd.h"
#include "browser/page/page_host.h"
#include "browser/page/request_queue.h"
#include "browser/script/id_manager.h"
#include "browser/shell/animation_surface.h"
#include "browser/shell/app_bar_window.h"
#include "browser/shell/control_host.h"
#include "browser/shell/document_watcher.h"
#include "browser/shell/file_drag.h"
#include "browser/shell/page_accessible.h"
#include "browser/shell/qt_picture_source.h"
#include "browser/shell/single_instance.h"
#include "browser/shell/window_flags.h"
#include "browser/shell/window_messages.h"
#include "browser/shell/x11_window.h"
#include "browser/shell/x11_window_manager.h"
#include "platform/disk_file_system.h"

namespace platform {
class RegistryStore;
}

namespace browser::shell {

// How the program was started.
struct WindowOptions {
  std::string document;            // the command line's document; empty: the program's own
  std::string program_path;        // the program file
  std::optional<QSize> screen;     // --screen: the screen size the browser takes
  bool preview = false;            // --screenshot: never shown, no single-instance check
  std::FILE* trace = nullptr;      // --trace: kept open by the caller
  const platform::RegistryStore* registry = nullptr;
  SystemServices* system = nullptr;  // what the system actions reach; none: they do nothing
  platform::SystemDirectories directories;  // the Windows, system and temporary folders
  // --watch: the page loads again when a file of the document (else of the program's
  // container) changes on disk
  bool watch = false;
};

// The program's one top-level window. It owns the headless main window (CMainWnd) with its
// id registry, turns Qt's events into CMainWnd's calls and does what CMainWnd asks of its
// window. It starts hidden, posts the start-up load to itself, and shows itself when a
// document has loaded; when the window closes the event loop ends.
class MainWindow : public QWidget, public WindowHost {
  Q_OBJECT
 public:
  explicit MainWindow(WindowOptions options, QWidget* parent = nullptr);
  ~MainWindow() override;

  // The start-up load, now (previews); a window shown normally runs it from its event loop.
  bool StartupLoad();
  // The page as the window shows it: PageSize pixels, those outside the window's shape
  // fully transparent.
  QImage RenderPage();
  // Handles the oldest page request scripts posted; false when none waits. The window's event
  // loop handles them one at a time, after the window system's events (a close request among
  // them), so that a document whose pages keep changing never holds the window.
  bool RunPendingRequest();

  // The start-up load ended without a document because another copy shows this title.
  bool other_instance_found() const { return other_instance_found_; }
  CMainWnd& main_wnd() { return *main_wnd_; }
  PageAccessibility& accessibility() { return accessibility_; }
  const std::optional<Region>& shape() const { return shape_; }

  // PageHost
  void Invalidate(const Rect& rect) override;
  void SetShape(const Region* region) override;
  std::unique_ptr<Picture> CaptureScreen(const Rect& screen_rect) override;
  Rect WindowRect() const override;
  Size ScreenSize() const override;
  void MoveWindow(Point top_left) override;
  void SetCursor(CursorShape cursor) override;
  void CaptureMouse() override;
  void ReleaseMouse() override;
  int32_t VerticalDpi() const override;
  uint64_t CreateControl(const std::string& name, const Rect& bounds, bool drop_target) override;
  void MoveControl(uint64_t control, const Rect& bounds) override;
  void DestroyControl(uint64_t control) override;
  platform::Control* ControlObject(uint64_t control) override;
  ScriptContext* ControlScriptContext() override;

  // WindowHost
  void SetTitle(const std::string& title) override;
  void SetIcon(const std::string& path) override;
  bool OtherInstanceRuns(const std::string& title) override;
  void ApplyWindowStyle(const WindowStyle& style) override;
  void ApplyAppBar(const Rect& screen_rect) override;
  Size ClientSize() const override;
  void Show() override;
  void BringToFront() override;
  void ShowMessage(const std::string& caption, const std::string& text) override;
  void Redraw() override;
  void Close() override;
  void PostRequest(PageRequest request) override;
  void Minimize() override;
  void HideForCapture() override;
  void ShowAfterCapture() override;

 signals:
  // The window has closed; `status` is the program's exit status.
  void finished(int status);

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void changeEvent(QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void OnStartupEvent();
  void OnWindowMessage(uint32_t message);
  void Finish();
  void SetLook(const WindowLook& look);
  void ApplyNativeLook();
  void Withdraw();
  void Place(bool framed);
  void CentreWith(const FrameExtents& frame);
  void ReportUnreadableDocument() const;
  // The watched document changed: its page loads again where the window is.
  void ReloadWatchedDocument();

  WindowOptions options_;
  // The window's state, set before the members below are made: making them sends the
  // window events (a child added) that read it.
  bool centre_when_framed_ = false;
  bool other_instance_found_ = false;
  bool capturing_ = false;
  bool active_ = false;
  bool finished_ = false;
  // A reload of the watched document leaves the window where it is.
  bool keep_place_ = false;
  // Declared before the main window object, so that it outlives it.
  CIdManager ids_;
  // The disk, where documents, icons and the files of actions are found.
  platform::DiskFileSystem files_;
  AnimationSurface surface_{this};
  QtPictureSource pictures_;
  SingleInstance instance_;
  AppBarHost app_bar_{*this, options_.screen};
  QtFileDragger dragger_{*this, [this] {
    return main_wnd_ ? main_wnd_->document_dir() : std::string();
  }};
  // The system services with each line they report written to the trace (--trace only).
  std::unique_ptr<SystemServices> traced_system_;
  // The hosted controls, and the system services with their web window and drag; both
  // outlive the main window object, whose pages destroy their controls.
  std::unique_ptr<ControlHost> controls_;
  std::unique_ptr<SystemServices> hosted_system_;
  // The page's elements for screen readers, told by the main window object when the focus
  // moves; its objects go before the main window object's elements.
  PageAccessibility accessibility_{*this};
  // A key has moved or used the focus: the ring shows from then on.
  bool focus_ring_shown_ = false;
  std::unique_ptr<CMainWnd> main_wnd_;
  WindowMessages messages_;

  std::optional<Region> shape_;
  WindowLook look_;
  // The frame the window manager drew for each look (by its Motif decorations) so far.
  std::map<uint32_t, FrameExtents> known_frames_;
  // The native window whose exposes repaint the page.
  QPointer<QWindow> exposed_window_;
  PageRequestQueue requests_;
  QTimer request_timer_;
  std::unique_ptr<DocumentWatcher> watcher_;
};

}  // namespace browser::shell
