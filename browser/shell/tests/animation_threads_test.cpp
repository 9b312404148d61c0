// Animation threads and the GUI thread share the window's back buffer: a page with two
// animated GIFs is loaded and left 50 times while their threads draw, the page is painted
// between the reloads, and the window goes away with the animations still playing. Built
// with ThreadSanitizer by the test command; in the normal build it checks that the frames
// reach the page.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include "browser/doc/cdz_writer.h"
#include "browser/shell/main_window.h"
#include "platform/disk_file_system.h"
#include "test_gif.h"

namespace browser::shell {
namespace {

void Spin(int ms) {
  QElapsedTimer timer;
  timer.start();
  while (timer.elapsed() < ms) QApplication::processEvents(QEventLoop::AllEvents, 5);
}

uint32_t At(const QImage& image, int x, int y) {
  return reinterpret_cast<const uint32_t*>(image.constScanLine(y))[x] & 0xFFFFFF;
}

class AnimationThreadsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    const std::vector<uint8_t> gif =
        testing::SolidFramesGif(40, 40, 2, {0xFF0000, 0x0000FF, 0x00FF00});
    QFile file(dir_.filePath("anim.gif"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(reinterpret_cast<const char*>(gif.data()), static_cast<qint64>(gif.size()));
    file.close();
    std::string page =
        "[Main]\r\ntitle = Threads\r\nwidth = 200\r\nheight = 100\r\nappbar = false\r\n"
        "windowType = 2\r\nnumElements = 2\r\n";
    for (int i = 1; i <= 2; ++i) {
      page += "[Element_" + std::to_string(i) + "]\r\ntype = Image\r\nid = logo" + std::to_string(i) + "\r\nsrc = anim.gif\r\n" +
              "xpos = " + std::to_string(20 + 80 * (i - 1)) +
              "\r\nypos = 20\r\nwidth = 40\r\nheight = 40\r\nanimated = 1\r\n";
    }
    container_ = dir_.filePath("show.cdz").toStdString();
    platform::DiskFileSystem disk;
    ASSERT_TRUE(WriteCdz(disk, container_, {{"a.cdb", page}}, false).ok());
  }

  QTemporaryDir dir_;
  std::string container_;
};

TEST_F(AnimationThreadsTest, PagesWithAnimationsLoadedAndLeftFiftyTimes) {
  WindowOptions options;
  options.document = container_;
  options.program_path = dir_.filePath("panorel").toStdString();
  options.screen = QSize(1024, 768);
  auto window = std::make_unique<MainWindow>(options);
  Spin(100);
  ASSERT_TRUE(window->isVisible());
  for (int i = 0; i < 50; ++i) {
    window->main_wnd().HandleRequest({PageRequest::Kind::kReload, {}});
    Spin(i % 10 == 0 ? 60 : 8);
    window->grab();  // the page and the animations' layer, composed on this thread
  }
  Spin(100);
  const QImage page = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
  for (int x : {40, 120}) {
    const uint32_t colour = At(page, x, 40);
    EXPECT_TRUE(colour == 0xFF0000 || colour == 0x0000FF || colour == 0x00FF00)
        << "no frame at " << x << ": " << std::hex << colour;
  }
  window.reset();  // with both animations playing
  Spin(20);
}

}  // namespace
}  // namespace browser::shell
