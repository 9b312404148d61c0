// Painting a 1024 x 768 page of 50 elements into the back buffer, as a full repaint does:
// 20 keyed pictures of 120 x 90, 15 picture-strip frames of 100 x 30, 10 texts with a blended
// background and 5 fall-back buttons, over a stretched background.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <map>
#include <string>

#include "browser/page/browser_document.h"
#include "browser/page/headless_window.h"
#include "browser/page/page_load_context.h"
#include "browser/page/picture_source.h"
#include "page_test_support.h"
#include "browser/script/id_manager.h"
#include "browser/script/load_context.h"
#include "browser/shell/qt_canvas.h"

namespace {

using namespace browser;


std::string Page() {
  std::string text = "[Main]\nwatermark = back.bmp\nwidth = 1024\nheight = 768\nnumElements = 50\n";
  int n = 0;
  auto element = [&](const std::string& body, int x, int y) {
    ++n;
    text += "[Element_" + std::to_string(n) + "]\n" + body + "xpos = " + std::to_string(x) +
            "\nypos = " + std::to_string(y) + "\n";
  };
  for (int i = 0; i < 20; ++i) {
    element("type = Image\nsrc = photo.bmp\ntransX = 0\ntransY = 0\n", (i % 8) * 125,
            (i / 8) * 95);
  }
  for (int i = 0; i < 15; ++i) {
    const std::string id = std::to_string(n + 1);
    element("type = ImageList\nsrc = strip.bmp\nframe = 1\n", (i % 8) * 125, 300 + (i / 8) * 40);
    for (int f = 0; f < 2; ++f) {
      text += "[Element_" + id + "_Frame_" + std::to_string(f) + "]\nleft = " +
              std::to_string(f * 100) + "\ntop = 0\nright = " + std::to_string(f * 100 + 100) +
              "\nbottom = 30\n";
    }
  }
  for (int i = 0; i < 10; ++i) {
    element("type = Text\ntext = Chimney and vent sizing\nfontSize = 14\nbgColor = 0x00336699\n"
            "bgTransparency = 0.5\nwidth = 200\nheight = 40\n",
            (i % 5) * 205, 400 + (i / 5) * 50);
  }
  for (int i = 0; i < 5; ++i) {
    element("type = Image\nsrc = missing.bmp\ntext = Start\nwidth = 120\nheight = 30\n",
            i * 130, 600);
  }
  return text;
}

void BM_PaintFiftyElements(benchmark::State& state) {
  testing::FakePictures pictures;
  pictures.files["/cd/back.bmp"] = Picture(256, 192, 0xFF3366CC);
  Picture photo(120, 90, 0xFF00AA00);
  for (int y = 0; y < 90; ++y) {
    for (int x = 0; x < 120; ++x) {
      if ((x - 60) * (x - 60) + (y - 45) * (y - 45) > 40 * 40) photo.SetPixel(x, y, 0xFFFF00FF);
    }
  }
  photo.SetPixel(0, 0, 0xFFFF00FF);
  pictures.files["/cd/photo.bmp"] = photo;
  pictures.files["/cd/strip.bmp"] = Picture(200, 30, 0xFFFFCC00);
  const CDataFile file = CDataFile::FromText(Page());
  HeadlessWindow window;
  CIdManager ids;
  CBrowserDocument document;
  document.set_host(&window);
  PageLoadContext load(ids, {"/cd/", "/opt/"}, nullptr, &pictures);
  if (!document.Load(file, load)) {
    state.SkipWithError("the page did not load");
    return;
  }
  QImage buffer(1024, 768, QImage::Format_RGB32);
  for (auto _ : state) {
    QPainter painter(&buffer);
    browser::shell::QtCanvas canvas(painter);
    document.Paint(canvas, {0, 0, 1024, 768});
    painter.end();
    benchmark::DoNotOptimize(buffer.constBits());
  }
}
BENCHMARK(BM_PaintFiftyElements)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  return 0;
}
