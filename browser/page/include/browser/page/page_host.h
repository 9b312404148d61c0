#pragma once

#include <memory>
#include <string>

#include "browser/page/picture.h"
#include "browser/page/region.h"
#include "browser/page/window_style.h"
#include "browser/script/script_host.h"

namespace platform {
class Control;
}

namespace browser {

struct ScriptContext;

enum class CursorShape { kArrow, kHand, kSizeAll };

// What pages and the mouse handling need of the window that shows them. Coordinates are
// client coordinates unless named screen coordinates.
class PageHost {
 public:
  virtual ~PageHost() = default;

  // The area will be painted again (after the current event).
  virtual void Invalidate(const Rect& rect) = 0;
  // Cuts the window to `region` (client coordinates); nullptr gives it its whole rectangle.
  virtual void SetShape(const Region* region) = 0;
  // A copy of what the screen shows in `screen_rect` (without this window), or nothing.
  virtual std::unique_ptr<Picture> CaptureScreen(const Rect& screen_rect) = 0;
  // The window's outer rectangle on the screen, frame included.
  virtual Rect WindowRect() const = 0;
  virtual Size ScreenSize() const = 0;
  // Moves the window's outer top-left corner, without resizing or raising it.
  virtual void MoveWindow(Point top_left) = 0;
  virtual void SetCursor(CursorShape cursor) = 0;
  virtual void CaptureMouse() = 0;
  virtual void ReleaseMouse() = 0;
  // A hosted control named by a ProgID or a CLSID in braces, as a child of the window at
  // `bounds`; 0 when there is no window. An unknown name still makes an empty child.
  virtual uint64_t CreateControl(const std::string& name, const Rect& bounds, bool drop_target) {
    (void)name, (void)bounds, (void)drop_target;
    return 0;
  }
  virtual void MoveControl(uint64_t control, const Rect& bounds) { (void)control, (void)bounds; }
  // Destroys the child; 0 is harmless.
  virtual void DestroyControl(uint64_t control) { (void)control; }
  // The scripting side of a control made by CreateControl, valid until DestroyControl;
  // nullptr for an empty child (no class answered its name) and for 0.
  virtual platform::Control* ControlObject(uint64_t control) {
    (void)control;
    return nullptr;
  }
  // The context in which hosted controls' events and external calls run scripts; none:
  // they run nothing.
  virtual ScriptContext* ControlScriptContext() { return nullptr; }
  // Pixels per inch of the screen, vertically: a text's point size is measured with it.
  virtual int32_t VerticalDpi() const { return 96; }
};

// What the document loading of the main window needs beyond the page's needs.
class WindowHost : public PageHost {
 public:
  virtual void SetTitle(const std::string& title) = 0;
  // An icon file to use, or empty for the program's own icon.
  virtual void SetIcon(const std::string& path) = 0;
  // True when another copy of the program already shows a document of this title; that copy
  // has been told to come forward.
  virtual bool OtherInstanceRuns(const std::string& title) = 0;
  // Applies a window type: flags, frame, client size; the window is hidden until Show.
  virtual void ApplyWindowStyle(const WindowStyle& style) = 0;
  // The document is an app bar: a frameless topmost strip at `screen_rect`.
  virtual void ApplyAppBar(const Rect& screen_rect) = 0;
  virtual Size ClientSize() const = 0;
  virtual void Show() = 0;
  // Brings the window to the front and gives it the focus.
  virtual void BringToFront() = 0;
  // A message box owned by the window, with one OK button.
  virtual void ShowMessage(const std::string& caption, const std::string& text) = 0;
  // Repaints the whole window now.
  virtual void Redraw() = 0;
  // Ends the program after the current event (the window closes).
  virtual void Close() = 0;
  // Queues a script's request; the window hands it back to CMainWnd::HandleRequest after the
  // running event has returned.
  virtual void PostRequest(PageRequest request) = 0;
  virtual void Minimize() = 0;
  // Hides the window so that a screen capture shows what lies behind it, and shows it again.
  virtual void HideForCapture() = 0;
  virtual void ShowAfterCapture() = 0;
};

}  // namespace browser
