#pragma once

#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "browser/doc/data_file.h"
#include "browser/page/main_wnd.h"
#include "browser/page/canvas.h"
#include "browser/page/page_host.h"
#include "browser/page/picture_source.h"
#include "test_support.h"

namespace browser {
class CMainWnd;
}

namespace browser::testing {

// A data file from text: one line per line, leading blanks removed.
inline CDataFile Document(std::string_view text) { return ParseDocument(text); }

// Pictures by path; LoadGif records the modes it was asked for.
class FakePictures : public PictureSource {
 public:
  std::map<std::string, Picture> files;
  std::vector<std::string> asked;  // "bmp PATH", "jpg PATH", "gif PATH MODE"

  std::unique_ptr<Picture> LoadBitmap(const std::string& path) override;
  std::unique_ptr<Picture> LoadJpeg(const std::string& path) override;
  GifPicture LoadGif(const std::string& path, int mode) override;
  // "play PATH X,Y" and "stop N"; animations are numbered from 1 and each holds
  // animation_bytes (over a caller's limit: not played).
  PlayedAnimation PlayAnimation(const std::string& path, Point at, uint64_t max_bytes) override;
  void StopAnimation(uint64_t animation) override;
  uint64_t animations = 0;
  uint64_t animation_bytes = 1000;
};

// Records what was painted, one line per call ("fill 0,0,10,10 ffffff",
// "picture 2x2 0,0,2,2 -> 0,0,4,4", "masked ...", "button 0,0,5,5 text").
class RecordingCanvas : public Canvas {
 public:
  std::vector<std::string> calls;

  void FillRect(const Rect& rect, uint32_t rgb) override;
  void DrawPicture(const Picture& picture, const Rect& source, const Rect& target) override;
  void DrawMaskedPicture(const Picture& picture, const Picture& mask, const Rect& source,
                         const Rect& target) override;
  void DrawButton(const Rect& rect, const std::string& text) override;
  void BlendRect(const Rect& rect, uint32_t rgb, int32_t alpha) override;
  // Every text measures 10 pixels a character on one line of `pixel_height`.
  Size MeasureText(const Rect& bounds, const std::string& text, const TextStyle& style,
                   const TextFormat& format) override;
  void DrawText(const Rect& bounds, const std::string& text, const TextStyle& style,
                const TextFormat& format, std::optional<uint32_t> background) override;
};

std::string Describe(const Rect& r);

// A window that records what it was asked and keeps posted requests until Pump.
class FakeWindow : public WindowHost {
 public:
  Size screen{1024, 768};
  Rect window{0, 0, 200, 200};
  std::vector<std::string> log;  // one entry per call that changes something
  std::vector<PageRequest> posted;
  std::vector<Rect> invalidated;
  std::unique_ptr<Region> shape;
  int shape_calls = 0;
  bool other_instance = false;
  bool closed = false;
  bool shown = false;
  CursorShape cursor = CursorShape::kArrow;
  WindowStyle style;

  void Invalidate(const Rect& rect) override { invalidated.push_back(rect); }
  void SetShape(const Region* region) override;
  std::unique_ptr<Picture> CaptureScreen(const Rect& screen_rect) override;
  Rect WindowRect() const override { return window; }
  Size ScreenSize() const override { return screen; }
  void MoveWindow(Point top_left) override;
  void SetCursor(CursorShape shape) override { cursor = shape; }
  void CaptureMouse() override { log.push_back("capture"); }
  void ReleaseMouse() override { log.push_back("release"); }
  void SetTitle(const std::string& title) override { log.push_back("title " + title); }
  void SetIcon(const std::string& path) override { log.push_back("icon " + path); }
  bool OtherInstanceRuns(const std::string&) override { return other_instance; }
  void ApplyWindowStyle(const WindowStyle& s) override;
  void ApplyAppBar(const Rect& screen_rect) override;
  Size ClientSize() const override { return style.client; }
  void Show() override { shown = true; }
  void BringToFront() override { log.push_back("front"); }
  void ShowMessage(const std::string& caption, const std::string& text) override {
    log.push_back("message " + caption + ": " + text);
  }
  void Redraw() override {}
  void Close() override { closed = true; }
  void PostRequest(PageRequest request) override { posted.push_back(std::move(request)); }
  void Minimize() override { log.push_back("minimize"); }
  void HideForCapture() override { log.push_back("hide"); }
  void ShowAfterCapture() override { log.push_back("show"); }
  uint64_t CreateControl(const std::string& name, const Rect& bounds, bool drop) override;
  void MoveControl(uint64_t control, const Rect& bounds) override;
  void DestroyControl(uint64_t control) override;
  uint64_t controls = 0;
};

// Hands the requests `window` holds to `wnd` one after another, as the window's event loop does
// once the script that posted them has returned.
void PumpRequests(FakeWindow& window, CMainWnd& wnd);

// The lines written to the trace file so far, a "|" for each tab; the file stays at its end.
std::vector<std::string> TraceFileLines(std::FILE* file);

}  // namespace browser::testing
