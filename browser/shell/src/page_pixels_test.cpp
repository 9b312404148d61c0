// A page of every kind of element painted through the Qt canvas into an image, checked at
// chosen pixels against values worked out by hand.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <map>

#include "browser/page/browser_document.h"
#include "browser/page/headless_window.h"
#include "browser/page/page_load_context.h"
#include "browser/page/picture_source.h"
#include "page_test_support.h"
#include "browser/script/id_manager.h"
#include "browser/script/load_context.h"
#include "browser/shell/qt_canvas.h"

namespace browser::shell {
namespace {


// A page loaded on a headless window, its pictures found under /cd/ and /opt/.
struct ShownPage {
  HeadlessWindow window;
  CIdManager ids;
  CBrowserDocument document;

  bool Load(const CDataFile& file, testing::FakePictures& pictures) {
    document.set_host(&window);
    PageLoadContext load(ids, {"/cd/", "/opt/"}, nullptr, &pictures);
    return document.Load(file, load);
  }

  // The page painted through the Qt canvas over white, WIDTH x HEIGHT from the top left.
  QImage Painted(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
      QPainter painter(&image);
      QtCanvas canvas(painter);
      document.Paint(canvas, {0, 0, width, height});
    }
    return image;
  }
};

uint32_t At(const QImage& image, int x, int y) {
  return reinterpret_cast<const uint32_t*>(image.constScanLine(y))[x] & 0xFFFFFF;
}

TEST(PagePixels, KeyedPictureStripFrameBlendedTextAndFallbackButton) {
  testing::FakePictures pictures;
  pictures.files["/cd/back.bmp"] = Picture(1, 1, 0xFF0000FF);  // blue, stretched
  Picture logo(4, 4, 0xFF00FF00);                               // green with a grey key
  logo.SetPixel(0, 0, 0xFF808080);
  logo.SetPixel(3, 3, 0xFF808080);
  pictures.files["/cd/logo.bmp"] = logo;
  Picture strip(8, 2, 0xFFFFFF00);  // yellow frame 0, red frame 1
  for (int y = 0; y < 2; ++y) {
    for (int x = 4; x < 8; ++x) strip.SetPixel(x, y, 0xFFFF0000);
  }
  pictures.files["/cd/strip.bmp"] = strip;
  const CDataFile file = CDataFile::FromText(
      "[Main]\nwatermark = back.bmp\nwidth = 80\nheight = 50\nnumElements = 4\n"
      "[Element_1]\ntype = Image\nsrc = logo.bmp\ntransX = 0\ntransY = 0\n"
      "[Element_2]\ntype = ImageList\nsrc = strip.bmp\nframe = 1\nxpos = 10\n"
      "[Element_2_Frame_0]\nleft = 0\ntop = 0\nright = 4\nbottom = 2\n"
      "[Element_2_Frame_1]\nleft = 4\ntop = 0\nright = 8\nbottom = 2\n"
      "[Element_3]\ntype = Text\ntext =  \nxpos = 20\nbgColor = 0x000000FF\n"
      "bgTransparency = 0.5\n"
      "[Element_4]\ntype = Image\nsrc = missing.bmp\nxpos = 0\nypos = 30\nwidth = 20\n"
      "height = 10\n");
  ShownPage page;
  ASSERT_TRUE(page.Load(file, pictures));
  const QImage image = page.Painted(80, 50);
  EXPECT_EQ(At(image, 0, 0), 0x0000FFu);   // the key colour shows the page behind
  EXPECT_EQ(At(image, 3, 3), 0x0000FFu);
  EXPECT_EQ(At(image, 1, 0), 0x00FF00u);   // the rest of the picture
  EXPECT_EQ(At(image, 5, 5), 0x0000FFu);   // past the picture: the page
  EXPECT_EQ(At(image, 10, 0), 0xFF0000u);  // frame 1 of the strip
  EXPECT_EQ(At(image, 13, 1), 0xFF0000u);
  EXPECT_EQ(At(image, 14, 1), 0x0000FFu);
  // Red blended half into blue: red (127 x 255) >> 8 = 126, blue (127 x -255 + 255 x 256)
  // >> 8 = 128; outside the text's 40 x 20 the page stays.
  EXPECT_EQ(At(image, 50, 15), 0x7E0080u);
  EXPECT_EQ(At(image, 60, 15), 0x0000FFu);
  // The fallback button is a panel of the style's colours, not the page.
  EXPECT_NE(At(image, 10, 35), 0x0000FFu);
  EXPECT_EQ(At(image, 10, 45), 0x0000FFu);
}

// A shaped page's background: magenta (the key) outside a disc, and inside a ring of colours
// next to the key, so that a pixel sampled one off shows.
Picture RoundBadge(int32_t size) {
  Picture picture(size, size, 0xFFFF00FF);
  const double r = size / 2.0;
  for (int32_t y = 0; y < size; ++y) {
    for (int32_t x = 0; x < size; ++x) {
      const double dx = x + 0.5 - r, dy = y + 0.5 - r;
      const double d = dx * dx + dy * dy;
      if (d < (r - 1) * (r - 1)) picture.SetPixel(x, y, 0xFF205080);
      else if (d < r * r) picture.SetPixel(x, y, 0xFF30C030 + static_cast<uint32_t>(x % 7));
    }
  }
  return picture;
}

// The window shows only what its shape lets through: at any stretch of the background the
// shape's pixels, as painted, hold no key colour, and every pixel left out of the shape is
// one the paint keyed.
TEST(PagePixels, TheShapeAndThePaintSampleOneStretchedBackgroundAtAnySize) {
  testing::FakePictures pictures;
  pictures.files["/cd/badge.bmp"] = RoundBadge(72);
  const Size sizes[] = {{72, 72},   {101, 101}, {1013 / 10, 72}, {90, 77},  {128, 96},
                        {143, 111}, {179, 203}, {50, 37},        {61, 200}, {255, 254}, {1013, 760}};
  for (const Size size : sizes) {
    SCOPED_TRACE(std::to_string(size.width) + "x" + std::to_string(size.height));
    const CDataFile file = CDataFile::FromText(
        "[Main]\nwatermark = badge.bmp\nwindowType = 3\ntransColor = 0xFF00FF\n"
        "tolerance = 0\nwidth = " + std::to_string(size.width) +
        "\nheight = " + std::to_string(size.height) + "\n");
    ShownPage page;
    ASSERT_TRUE(page.Load(file, pictures));
    const QImage image = page.Painted(size.width, size.height);
    const Region* shape = page.window.shape();
    ASSERT_NE(shape, nullptr);
    QImage inside(size.width, size.height, QImage::Format_Mono);
    inside.fill(0);
    int key_inside = 0;
    for (const Rect& r : shape->rects) {
      for (int x = r.left; x < r.right; ++x) {
        inside.setPixel(x, r.top, 1);
        if (At(image, x, r.top) == 0xFF00FFu) ++key_inside;
      }
    }
    EXPECT_EQ(key_inside, 0);
    int kept_out = 0;
    for (int y = 0; y < size.height; ++y) {
      for (int x = 0; x < size.width; ++x) {
        if (inside.pixelIndex(x, y) == 0 && At(image, x, y) != 0xFF00FFu) ++kept_out;
      }
    }
    EXPECT_EQ(kept_out, 0);
  }
}

}  // namespace
}  // namespace browser::shell
