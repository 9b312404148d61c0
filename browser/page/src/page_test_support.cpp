#include "page_test_support.h"

#include "browser/page/main_wnd.h"

namespace browser::testing {

std::unique_ptr<Picture> FakePictures::LoadBitmap(const std::string& path) {
  asked.push_back("bmp " + path);
  auto it = files.find(path);
  return it == files.end() ? nullptr : std::make_unique<Picture>(it->second);
}

std::unique_ptr<Picture> FakePictures::LoadJpeg(const std::string& path) {
  asked.push_back("jpg " + path);
  auto it = files.find(path);
  return it == files.end() ? nullptr : std::make_unique<Picture>(it->second);
}

GifPicture FakePictures::LoadGif(const std::string& path, int mode) {
  asked.push_back("gif " + path + " " + std::to_string(mode));
  GifPicture gif;
  auto it = files.find(path);
  if (it != files.end()) gif.image = std::make_unique<Picture>(it->second);
  return gif;
}

PlayedAnimation FakePictures::PlayAnimation(const std::string& path, Point at,
                                            uint64_t max_bytes) {
  asked.push_back("play " + path + " " + std::to_string(at.x) + "," + std::to_string(at.y));
  if (files.count(path) == 0) return {};
  if (animation_bytes > max_bytes) return {0, 0, true};
  return {++animations, animation_bytes};
}

void FakePictures::StopAnimation(uint64_t animation) {
  asked.push_back("stop " + std::to_string(animation));
}

std::string Describe(const Rect& r) {
  return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) +
         "," + std::to_string(r.bottom);
}

namespace {
std::string Hex(uint32_t v) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%06x", v);
  return buffer;
}
std::string SizeOf(const Picture& p) {
  return std::to_string(p.width()) + "x" + std::to_string(p.height());
}
}  // namespace

void RecordingCanvas::FillRect(const Rect& rect, uint32_t rgb) {
  calls.push_back("fill " + Describe(rect) + " " + Hex(rgb));
}

void RecordingCanvas::DrawPicture(const Picture& picture, const Rect& source, const Rect& target) {
  calls.push_back("picture " + SizeOf(picture) + " " + Describe(source) + " -> " +
                  Describe(target));
}

void RecordingCanvas::DrawMaskedPicture(const Picture& picture, const Picture&,
                                        const Rect& source, const Rect& target) {
  calls.push_back("masked " + SizeOf(picture) + " " + Describe(source) + " -> " +
                  Describe(target));
}

void RecordingCanvas::DrawButton(const Rect& rect, const std::string& text) {
  calls.push_back("button " + Describe(rect) + " " + text);
}

void RecordingCanvas::BlendRect(const Rect& rect, uint32_t rgb, int32_t alpha) {
  calls.push_back("blend " + Describe(rect) + " " + Hex(rgb) + " " + std::to_string(alpha));
}

Size RecordingCanvas::MeasureText(const Rect&, const std::string& text, const TextStyle& style,
                                  const TextFormat&) {
  return {static_cast<int32_t>(text.size()) * 10, style.pixel_height};
}

void RecordingCanvas::DrawText(const Rect& bounds, const std::string& text,
                               const TextStyle& style, const TextFormat&,
                               std::optional<uint32_t> background) {
  calls.push_back("text " + Describe(bounds) + " " + text + " " + style.face + " " +
                  std::to_string(style.pixel_height) + " " + Hex(style.rgb) +
                  (background ? " on " + Hex(*background) : std::string()));
}

uint64_t FakeWindow::CreateControl(const std::string& name, const Rect& bounds, bool drop) {
  log.push_back("control " + name + " " + Describe(bounds) + (drop ? " drop" : ""));
  return ++controls;
}

void FakeWindow::MoveControl(uint64_t control, const Rect& bounds) {
  log.push_back("move control " + std::to_string(control) + " " + Describe(bounds));
}

void FakeWindow::DestroyControl(uint64_t control) {
  log.push_back("destroy control " + std::to_string(control));
}

void FakeWindow::SetShape(const Region* region) {
  ++shape_calls;
  shape = region == nullptr ? nullptr : std::make_unique<Region>(*region);
}

std::unique_ptr<Picture> FakeWindow::CaptureScreen(const Rect& r) {
  log.push_back("grab " + Describe(r));
  return std::make_unique<Picture>(r.right - r.left, r.bottom - r.top, 0xFF123456);
}

void FakeWindow::MoveWindow(Point p) {
  window = {p.x, p.y, p.x + window.right - window.left, p.y + window.bottom - window.top};
  log.push_back("move " + std::to_string(p.x) + "," + std::to_string(p.y));
}

void FakeWindow::ApplyWindowStyle(const WindowStyle& s) {
  style = s;
  shown = false;
  // Centred on the screen, as the window does it.
  const int32_t left = (screen.width - s.client.width) / 2;
  const int32_t top = (screen.height - s.client.height) / 2;
  window = {left, top, left + s.client.width, top + s.client.height};
  log.push_back("style " + std::to_string(s.window_type) + " " + std::to_string(s.client.width) +
                "x" + std::to_string(s.client.height));
}

void FakeWindow::ApplyAppBar(const Rect& r) {
  style = WindowStyle{};
  style.client = {r.right - r.left, r.bottom - r.top};
  window = r;
  log.push_back("appbar " + Describe(r));
}

void PumpRequests(FakeWindow& window, CMainWnd& wnd) {
  while (!window.posted.empty()) {
    PageRequest request = window.posted.front();
    window.posted.erase(window.posted.begin());
    wnd.HandleRequest(request);
  }
}

std::vector<std::string> TraceFileLines(std::FILE* file) {
  std::fflush(file);
  std::rewind(file);
  std::vector<std::string> lines;
  char buffer[512];
  while (std::fgets(buffer, sizeof buffer, file)) {
    std::string line(buffer);
    line.pop_back();
    for (char& c : line) {
      if (c == '\t') c = '|';
    }
    lines.push_back(line);
  }
  std::fseek(file, 0, SEEK_END);
  return lines;
}

}  // namespace browser::testing
