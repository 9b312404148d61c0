// The shell's pieces that need no X server: the Qt canvas's raster operations, picture
// loading from hostile files, shape chunks, the command line and lock names.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <sys/stat.h>

#include <chrono>
#include <future>
#include <memory>
#include <thread>

#include "browser/shell/command_line.h"
#include "browser/shell/qt_canvas.h"
#include "browser/shell/qt_picture_source.h"
#include "browser/shell/single_instance.h"
#include "browser/shell/x11_shape.h"

namespace browser::shell {
namespace {

uint32_t At(const QImage& image, int x, int y) {
  return reinterpret_cast<const uint32_t*>(image.constScanLine(y))[x] & 0xFFFFFF;
}

TEST(QtCanvasTest, StretchesToTheNearestPixelAndMasksWithAndThenXor) {
  Picture two(2, 1);
  two.SetPixel(0, 0, 0xFFFF0000);
  two.SetPixel(1, 0, 0xFF0000FF);
  QImage buffer(8, 2, QImage::Format_RGB32);
  buffer.fill(0x00FF00);
  {
    QPainter painter(&buffer);
    QtCanvas canvas(painter);
    canvas.DrawPicture(two, {0, 0, 2, 1}, {0, 0, 4, 1});
    // Mask white over the left pixel (keeps the green below, picture black there), black
    // over the right one (the picture's own colour).
    Picture image(2, 1, 0xFF000000);
    image.SetPixel(1, 0, 0xFF123456);
    Picture mask(2, 1, 0xFF000000);
    mask.SetPixel(0, 0, 0xFFFFFFFF);
    canvas.DrawMaskedPicture(image, mask, {0, 0, 2, 1}, {4, 1, 8, 2});
  }
  EXPECT_EQ(At(buffer, 0, 0), 0xFF0000u);
  EXPECT_EQ(At(buffer, 1, 0), 0xFF0000u);
  EXPECT_EQ(At(buffer, 2, 0), 0x0000FFu);
  EXPECT_EQ(At(buffer, 3, 0), 0x0000FFu);
  EXPECT_EQ(At(buffer, 4, 0), 0x00FF00u);  // untouched
  EXPECT_EQ(At(buffer, 4, 1), 0x00FF00u);  // seen through the mask
  EXPECT_EQ(At(buffer, 5, 1), 0x00FF00u);
  EXPECT_EQ(At(buffer, 6, 1), 0x123456u);
  EXPECT_EQ(At(buffer, 7, 1), 0x123456u);
}

TEST(QtCanvasTest, ASourceReachingPastThePictureDrawsOnlyThePicture) {
  Picture one(1, 1, 0xFFABCDEF);
  QImage buffer(4, 1, QImage::Format_RGB32);
  buffer.fill(0x000000);
  {
    QPainter painter(&buffer);
    QtCanvas canvas(painter);
    canvas.DrawPicture(one, {0, 0, 2, 1}, {0, 0, 4, 1});
  }
  EXPECT_EQ(At(buffer, 1, 0), 0xABCDEFu);
  EXPECT_EQ(At(buffer, 2, 0), 0x000000u);
}

class PictureSourceTest : public ::testing::Test {
 protected:
  std::string Write(const char* name, const QByteArray& bytes) {
    const QString path = dir_.filePath(QString::fromLatin1(name));
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return path.toStdString();
  }
  QTemporaryDir dir_;
  QtPictureSource source_;
};

// A BITMAPFILEHEADER and BITMAPINFOHEADER claiming width x height at 24 bits, no pixels.
QByteArray BitmapHeader(int32_t width, int32_t height) {
  QByteArray b(54, '\0');
  auto put = [&b](int at, uint32_t v, int n) {
    for (int i = 0; i < n; ++i) b[at + i] = static_cast<char>(v >> (8 * i));
  };
  b[0] = 'B', b[1] = 'M';
  put(2, 54, 4);
  put(10, 54, 4);
  put(14, 40, 4);
  put(18, static_cast<uint32_t>(width), 4);
  put(22, static_cast<uint32_t>(height), 4);
  put(26, 1, 2);
  put(28, 24, 2);
  return b;
}

TEST_F(PictureSourceTest, LoadsEachFormatOnlyAsItself) {
  QImage image(3, 2, QImage::Format_RGB32);
  image.fill(0x336699);
  const std::string bmp = dir_.filePath("a.bmp").toStdString();
  const std::string jpg = dir_.filePath("a.jpg").toStdString();
  ASSERT_TRUE(image.save(QString::fromStdString(bmp), "BMP"));
  ASSERT_TRUE(image.save(QString::fromStdString(jpg), "JPEG"));
  auto picture = source_.LoadBitmap(bmp);
  ASSERT_NE(picture, nullptr);
  EXPECT_EQ(picture->size(), (Size{3, 2}));
  EXPECT_EQ(picture->Pixel(2, 1), 0xFF336699u);
  EXPECT_NE(source_.LoadJpeg(jpg), nullptr);
  EXPECT_EQ(source_.LoadBitmap(jpg), nullptr);  // a JPEG is no Windows bitmap
}

TEST_F(PictureSourceTest, RefusesHugeClaimsAndDamagedFilesWithoutCrashing) {
  EXPECT_EQ(source_.LoadBitmap(Write("huge.bmp", BitmapHeader(30000, 30000))), nullptr);
  EXPECT_EQ(source_.LoadBitmap(Write("short.bmp", BitmapHeader(64, 64))), nullptr);
  EXPECT_EQ(source_.LoadJpeg(Write("junk.jpg", QByteArray("\xFF\xD8\xFF\xE0junk", 8))), nullptr);
  const GifPicture gif = source_.LoadGif(Write("junk.gif", "GIF89a\x01"), 0);
  EXPECT_EQ(gif.image, nullptr);
  EXPECT_EQ(source_.LoadBitmap(dir_.filePath("missing.bmp").toStdString()), nullptr);
}

// A pipe named as a picture would keep a reader waiting for a writer that never comes; a
// folder or a device holds no picture. Each is refused at once.
TEST_F(PictureSourceTest, RefusesWhatIsNoRegularFileWithoutWaiting) {
  const std::string pipe = dir_.filePath("pipe.gif").toStdString();
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  auto done = std::make_shared<std::promise<bool>>();
  std::future<bool> answered = done->get_future();
  // A blocked load must not keep the test from reporting: the thread is left behind.
  std::thread([done, pipe, this] {
    const bool refused = source_.LoadBitmap(pipe) == nullptr && source_.LoadJpeg(pipe) == nullptr &&
                         source_.LoadGif(pipe, 0).image == nullptr;
    done->set_value(refused);
  }).detach();
  ASSERT_EQ(answered.wait_for(std::chrono::seconds(5)), std::future_status::ready);
  EXPECT_TRUE(answered.get());
  EXPECT_EQ(source_.LoadBitmap(dir_.path().toStdString()), nullptr);
  EXPECT_EQ(source_.LoadGif("/dev/zero", 0).image, nullptr);
}

TEST(ShapeChunksTest, SplitsLargeRegionsAndClampsToSixteenBits) {
  Region region;
  for (int i = 0; i < 5; ++i) region.rects.push_back({i, 0, i + 1, 1});
  region.rects.push_back({40000, 0, 40010, 1});  // wholly past X11's range: empty, left out
  region.rects.push_back({-5, 2, 70000, 3});
  const auto chunks = ShapeChunks(region, 2);
  ASSERT_EQ(chunks.size(), 3u);
  EXPECT_EQ(chunks[0].size(), 2u);
  EXPECT_EQ(chunks[2].size(), 2u);
  EXPECT_EQ(chunks[2][1].x, -5);
  EXPECT_EQ(chunks[2][1].width, 32767 + 5);
  EXPECT_EQ(ShapeChunks(Region{}).size(), 1u);  // an empty shape is still one request
}

TEST(CommandLineTest, TakesTheDocumentOnlyWhenExactlyOneIsNamed) {
  using A = CommandLine::Action;
  EXPECT_EQ(ParseCommandLine({"show.cdz"}).document, "show.cdz");
  EXPECT_EQ(ParseCommandLine({"a.cdz", "b.cdz"}).document, "");
  const CommandLine line = ParseCommandLine({"--trace", "t.txt", "--screen=800x600", "x.cdz"});
  EXPECT_EQ(line.trace, "t.txt");
  EXPECT_EQ(line.screen_width, 800);
  EXPECT_EQ(line.screen_height, 600);
  EXPECT_EQ(line.document, "x.cdz");
  EXPECT_EQ(ParseCommandLine({"--", "--trace"}).document, "--trace");
  EXPECT_EQ(ParseCommandLine({"--screen", "800"}).action, A::kError);
  EXPECT_EQ(ParseCommandLine({"--screen", "0x600"}).action, A::kError);
  EXPECT_EQ(ParseCommandLine({"--trace"}).action, A::kError);
  EXPECT_EQ(ParseCommandLine({"--bogus"}).action, A::kError);
  EXPECT_EQ(ParseCommandLine({"x", "--help"}).action, A::kHelp);
}

TEST(CommandLineTest, WatchTakesNoValue) {
  const CommandLine line = ParseCommandLine({"--watch", "tour"});
  EXPECT_TRUE(line.watch);
  EXPECT_EQ(line.document, "tour");
  EXPECT_FALSE(ParseCommandLine({"tour"}).watch);
  EXPECT_EQ(ParseCommandLine({"--watch", "--screenshot", "p.png", "tour"}).action,
            CommandLine::Action::kError);
  EXPECT_NE(std::string(UsageText()).find("--watch"), std::string::npos);
}

TEST(SingleInstanceTest, NamesStayFileNamesAndLongTitlesStayApart) {
  EXPECT_EQ(SingleInstance::NameFor("Corvane CD"), "Vistrel_Corvane CD");
  EXPECT_EQ(SingleInstance::NameFor("a/b\\c:d\n"), "Vistrel_a_b_c_d_");
  const std::string long_a(200, 'a');
  const QString a1 = SingleInstance::NameFor(long_a + "1");
  const QString a2 = SingleInstance::NameFor(long_a + "2");
  EXPECT_NE(a1, a2);
  EXPECT_LE(a1.toUtf8().size(), 64);
}

TEST(SingleInstanceTest, TheSecondHolderOfATitleIsTold) {
  QTemporaryDir runtime;
  qputenv("XDG_RUNTIME_DIR", runtime.path().toUtf8());
  SingleInstance first;
  int told = 0;
  QObject::connect(&first, &SingleInstance::otherInstanceStarted, [&told] { ++told; });
  EXPECT_FALSE(first.OtherInstanceRuns("Show"));
  EXPECT_FALSE(first.OtherInstanceRuns("Show"));  // its own title again
  SingleInstance second;
  EXPECT_TRUE(second.OtherInstanceRuns("Show"));
  EXPECT_FALSE(second.OtherInstanceRuns("Another show"));
  for (int i = 0; i < 50 && told == 0; ++i) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
  EXPECT_EQ(told, 1);
}

}  // namespace
}  // namespace browser::shell
