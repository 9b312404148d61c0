// --screenshot as a user meets it: the page the window would show, written to a PNG, with
// what the live window shows beside the page itself (the panels of controls that could not
// be made).
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "browser/doc/cdz_writer.h"
#include "browser/shell/main_window.h"
#include "browser/shell/screenshot.h"
#include "test_gif.h"

namespace browser::shell {
namespace {

uint32_t At(const QImage& image, int x, int y) { return image.pixel(x, y) & 0xFFFFFF; }

class PreviewTest : public ::testing::Test {
 protected:
  // Writes `text` as the document doc.cdb and takes its screenshot; answers the exit status.
  int Shoot(const std::string& text, std::optional<QSize> screen = QSize(1024, 768)) {
    const std::string doc = dir_.filePath("doc.cdz").toStdString();
    EXPECT_TRUE(WriteCdz(doc, {{"doc.cdb", text}}, false).ok());
    std::FILE* trace = std::fopen(dir_.filePath("trace.txt").toLocal8Bit().constData(), "w");
    WindowOptions options;
    options.document = doc;
    options.program_path = dir_.filePath("panorel").toStdString();
    options.screen = screen;
    options.preview = true;
    options.trace = trace;
    int status = 0;
    {
      MainWindow window(options);
      status = WriteScreenshot(window, dir_.filePath("shot.png").toStdString());
    }
    std::fclose(trace);
    shot_ = QImage(dir_.filePath("shot.png"));
    QFile lines(dir_.filePath("trace.txt"));
    EXPECT_TRUE(lines.open(QIODevice::ReadOnly));
    trace_ = QString::fromUtf8(lines.readAll());
    return status;
  }

  QTemporaryDir dir_;
  QImage shot_;
  QString trace_;
};

TEST_F(PreviewTest, AControlThatCannotBeMadeShowsItsPanelAndTheShotSucceeds) {
  EXPECT_EQ(Shoot("[Main]\nappbar = false\nwidth = 200\nheight = 100\nwindowType = 2\n"
                  "numElements = 1\n"
                  "[Element_1]\ntype = ActiveX\ncontrolName = No.Such.Control\nxpos = 20\n"
                  "ypos = 10\nwidth = 160\nheight = 80\n"),
            0);
  ASSERT_EQ(shot_.size(), QSize(200, 100));
  EXPECT_EQ(trace_.count("control\tNo.Such.Control\tnot created\t"), 1) << trace_.toStdString();
  // The page is white; the panel has a frame and a text of other colours.
  EXPECT_EQ(At(shot_, 5, 5), 0xFFFFFFu);
  int coloured = 0;
  for (int y = 10; y < 90; ++y) {
    for (int x = 20; x < 180; ++x) coloured += At(shot_, x, y) != 0xFFFFFFu;
  }
  EXPECT_GT(coloured, 160 * 80 / 2);
}

TEST_F(PreviewTest, AnAnimatedPictureShowsItsFirstFrame) {
  const std::vector<uint8_t> gif = testing::SolidFramesGif(30, 20, 10, {0xFF0000, 0x0000FF});
  QFile file(dir_.filePath("anim.gif"));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(reinterpret_cast<const char*>(gif.data()), static_cast<qint64>(gif.size()));
  file.close();
  EXPECT_EQ(Shoot("[Main]\nappbar = false\nwidth = 100\nheight = 60\nwindowType = 2\n"
                  "numElements = 1\n"
                  "[Element_1]\ntype = Image\nsrc = anim.gif\nanimated = 1\nxpos = 10\n"
                  "ypos = 20\nwidth = 30\nheight = 20\n"),
            0);
  ASSERT_EQ(shot_.size(), QSize(100, 60));
  EXPECT_EQ(At(shot_, 10, 20), 0xFF0000u);
  EXPECT_EQ(At(shot_, 39, 39), 0xFF0000u);
  EXPECT_EQ(At(shot_, 40, 20), 0xFFFFFFu);  // beside it, the page
  EXPECT_EQ(At(shot_, 9, 20), 0xFFFFFFu);
}

TEST_F(PreviewTest, AnAppBarDocksToTheScreenGivenOnTheCommandLine) {
  EXPECT_EQ(Shoot("[Main]\nwidth = 120\nheight = 50\n", QSize(1280, 1024)), 0);
  EXPECT_EQ(shot_.size(), QSize(120, 1024));  // a right-edge bar, the screen's height
  EXPECT_EQ(Shoot("[Main]\nwidth = 120\nheight = 50\nPosition = bottom\n", QSize(1280, 1024)),
            0);
  EXPECT_EQ(shot_.size(), QSize(1280, 50));
}

// The window's own icon is read as the PNG it is: a reader that finds the format itself
// loads every image plug-in of the system first (with their libraries, megabytes resident).
TEST(MainWindowIcon, TheProgramsIconLoadsNoImagePlugin) {
  WindowOptions options;
  options.preview = true;
  MainWindow window(options);
  EXPECT_FALSE(window.windowIcon().isNull());
  QFile maps(QStringLiteral("/proc/self/maps"));
  ASSERT_TRUE(maps.open(QIODevice::ReadOnly));
  const QByteArray mapped = maps.readAll();
  for (const char* plugin : {"imageformats/libqgif", "imageformats/libqico", "imageformats/libqsvg"}) {
    EXPECT_FALSE(mapped.contains(plugin)) << plugin;
  }
}

}  // namespace
}  // namespace browser::shell
