// Display elements: their properties and type rules, refreshing, animations, strips, texts
// and controls.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "browser/page/activex_element.h"
#include "browser/page/browser_document.h"
#include "browser/page/image_element.h"
#include "browser/page/image_list.h"
#include "browser/page/text_element.h"
#include "browser/script/id_manager.h"
#include "browser/script/script_item.h"
#include "page_test_support.h"

namespace browser {
namespace {

using ::testing::Contains;
using ::testing::ElementsAre;
using platform::Variant;

class ElementsTest : public ::testing::Test {
 protected:
  void Load(std::string_view text) {
    file_ = testing::Document(text);
    document_.set_host(&window_);
    load_.paths = {"/cd/", "/opt/"};
    load_.pictures = &pictures_;
    document_.Load(file_, load_);
  }
  CScriptableObject& Element(const char* id) {
    return *dynamic_cast<CScriptableObject*>(ids_.Lookup(id));
  }
  // Reads a property into a variant of the given starting value.
  std::pair<PropertyResult, Variant> Get(const char* id, const char* name, Variant start) {
    const PropertyResult r = Element(id).AccessProperty(name, start, false);
    return {r, start};
  }
  PropertyResult Put(const char* id, const char* name, Variant value) {
    return Element(id).AccessProperty(name, value, true);
  }

  CDataFile file_;
  CIdManager ids_;
  LoadContext load_{ids_};
  testing::FakePictures pictures_;
  testing::FakeWindow window_;
  CBrowserDocument document_;
};

TEST_F(ElementsTest, PropertiesNeedTheirTypeExceptTheImagesLenientGets) {
  pictures_.files["/cd/a.bmp"] = Picture(30, 20);
  Load(R"(
    [Main]
    numElements = 2
    width = 400
    height = 300
    [Element_1]
    type = Image
    id = pic
    src = a.bmp
    xpos = 5
    text = Go
    [Element_2]
    type = Text
    id = label
    fontColor = 0x0000FF
  )");
  EXPECT_EQ(Get("pic", "XPOS", Variant::I4(0)).second.IntValue(), 5);
  EXPECT_EQ(Get("pic", "xpos", Variant::I2(0)).first, PropertyResult::kWrongType);
  EXPECT_EQ(Get("pic", "xpos", Variant::Utf8("")).first, PropertyResult::kWrongType);
  // src, cursor, buttonText come back as texts and animated, mouseMoveable as integers,
  // whatever variant they are read into.
  EXPECT_EQ(Get("pic", "src", Variant::I4(0)).second.TextUtf8(), "a.bmp");
  EXPECT_EQ(Get("pic", "cursor", Variant()).second.TextUtf8(), "arrow");
  EXPECT_EQ(Get("pic", "buttonText", Variant::R8(0)).second.TextUtf8(), "Go");
  EXPECT_EQ(Get("pic", "animated", Variant::Utf8("x")).second.type(), platform::VT_I4);
  EXPECT_EQ(Get("pic", "mouseMoveable", Variant::Bool(false)).second.type(), platform::VT_BOOL);
  // Puts always need the type.
  EXPECT_EQ(Put("pic", "src", Variant::I4(1)), PropertyResult::kWrongType);
  EXPECT_EQ(Put("pic", "width", Variant::I4(50)), PropertyResult::kOk);
  EXPECT_EQ(testing::Describe(ids_.Lookup("pic")->GetBounds()), "5,0,55,20");
  // A text's gets are strict; short and long names are one property; colours are UI4.
  EXPECT_EQ(Get("label", "text", Variant::I4(0)).first, PropertyResult::kWrongType);
  const auto color = Get("label", "color", Variant::UI4(0));
  EXPECT_EQ(color.first, PropertyResult::kOk);
  EXPECT_EQ(color.second.IntValue(), 0xFF);
  EXPECT_EQ(Put("label", "fontColor", Variant::I4(1)), PropertyResult::kWrongType);
  EXPECT_EQ(Put("label", "size", Variant::I4(20)), PropertyResult::kOk);
  EXPECT_EQ(Get("label", "fontSize", Variant::I4(0)).second.IntValue(), 20);
  EXPECT_EQ(Put("label", "bgTransparency", Variant::R8(0.5)), PropertyResult::kOk);
  // Unknown names go to the control calls: a put fails, a get answers done.
  EXPECT_EQ(Put("label", "opacity", Variant::I4(1)), PropertyResult::kFailed);
  EXPECT_EQ(Get("label", "opacity", Variant::I4(7)).first, PropertyResult::kOk);
}

TEST_F(ElementsTest, RefreshReloadsThePictureAndRepaintsOldAndNewBounds) {
  pictures_.files["/cd/a.bmp"] = Picture(30, 20);
  pictures_.files["/cd/b.gif"] = Picture(10, 10);
  Load("[Main]\nnumElements = 1\n[Element_1]\ntype = Image\nid = pic\nsrc = a.bmp\n");
  window_.invalidated.clear();
  ASSERT_EQ(Put("pic", "src", Variant::Utf8("b.gif")), PropertyResult::kOk);
  EXPECT_THAT(pictures_.asked, ElementsAre("bmp /cd/a.bmp", "gif /cd/b.gif 0"));
  // The width and height taken from the first picture stay.
  EXPECT_EQ(testing::Describe(ids_.Lookup("pic")->GetBounds()), "0,0,30,20");
  ASSERT_EQ(window_.invalidated.size(), 2u);
}

TEST_F(ElementsTest, AnimationsPlayAtTheCornerAndStopWithTheirPage) {
  pictures_.files["/cd/logo.gif"] = Picture(40, 40);
  Load(R"(
    [Main]
    numElements = 2
    [Element_1]
    type = Image
    id = logo
    src = logo.gif
    animated = 1
    xpos = 7
    ypos = 9
    [Element_2]
    type = Image
    id = broken
    src = missing.gif
    animated = 1
    width = 10
    height = 10
  )");
  // An animated picture has no picture of its own: its bounds come from its keys.
  EXPECT_EQ(testing::Describe(ids_.Lookup("logo")->GetBounds()), "7,9,7,9");
  testing::RecordingCanvas canvas;
  document_.Paint(canvas, {0, 0, 200, 200});
  EXPECT_THAT(canvas.calls, ElementsAre("fill 0,0,0,0 ffffff"));  // animations draw themselves
  // A start that failed is not tried again by every paint (each would ask for the next).
  document_.Paint(canvas, {0, 0, 200, 200});
  EXPECT_EQ(pictures_.asked.size(), 2u);
  // A stopped animation starts again when it is painted; a refused one on its next Refresh.
  dynamic_cast<CImageElement*>(ids_.Lookup("logo"))->StopAnimations();
  document_.Paint(canvas, {0, 0, 200, 200});
  dynamic_cast<CImageElement*>(ids_.Lookup("broken"))->Refresh();
  ScriptContext context(document_.variables(), ids_);
  document_.Unload(context);
  EXPECT_THAT(pictures_.asked,
              ElementsAre("play /cd/logo.gif 7,9", "play /cd/missing.gif 0,0", "stop 1",
                          "play /cd/logo.gif 7,9", "play /cd/missing.gif 0,0", "stop 2"));
}

TEST_F(ElementsTest, KeyColourFromTransXOnly) {
  Picture p(2, 1);
  p.SetPixel(0, 0, 0xFF00FF00);
  p.SetPixel(1, 0, 0xFF0000FF);
  pictures_.files["/cd/k.bmp"] = p;
  Load(R"(
    [Main]
    numElements = 2
    [Element_1]
    type = Image
    id = keyed
    src = k.bmp
    transX = 0
    transY = 0
    [Element_2]
    type = Image
    id = plain
    src = k.bmp
    transY = 0
  )");
  const auto& keyed = dynamic_cast<CImageElement&>(*ids_.Lookup("keyed"));
  const auto& plain = dynamic_cast<CImageElement&>(*ids_.Lookup("plain"));
  ASSERT_NE(keyed.mask(), nullptr);
  EXPECT_EQ(keyed.mask()->Pixel(0, 0), 0xFFFFFFFFu);
  EXPECT_EQ(keyed.mask()->Pixel(1, 0), 0xFF000000u);
  EXPECT_EQ(plain.mask(), nullptr);
}

TEST_F(ElementsTest, StripsShowOneFrameAndFlipByProperty) {
  pictures_.files["/cd/strip.bmp"] = Picture(80, 20);
  std::string doc = "[Main]\nnumElements = 2\n[Element_1]\ntype = ImageList\nid = strip\n"
                    "src = strip.bmp\nframe = 1\nxpos = 5\n";
  for (int n = 0; n < 4; ++n) {
    doc += "[Element_1_Frame_" + std::to_string(n) + "]\ntop = 0\nbottom = 20\nleft = " +
           std::to_string(n * 20) + "\nright = " + std::to_string(n * 20 + 20) + "\n";
  }
  doc += "[Element_1_Frame_5]\ntop = 0\nbottom = 1\nleft = 0\nright = 1\n";  // after a gap
  doc += "[Element_2]\ntype = ImageList\nid = bad\nframe = 4\n[Element_2_Frame_0]\ntop = 0\n"
         "left = 0\nbottom = 1\nright = 1\n";
  Load(doc);
  auto& strip = dynamic_cast<CImageList&>(*ids_.Lookup("strip"));
  EXPECT_EQ(strip.frames().size(), 4u);
  testing::RecordingCanvas canvas;
  strip.Paint(canvas, {0, 0, 100, 100});
  EXPECT_THAT(canvas.calls, ElementsAre("picture 80x20 20,0,40,20 -> 5,0,25,20"));
  ASSERT_EQ(Put("strip", "frame", Variant::I4(3)), PropertyResult::kOk);
  canvas.calls.clear();
  strip.Paint(canvas, {0, 0, 100, 100});
  EXPECT_THAT(canvas.calls, ElementsAre("picture 80x20 60,0,80,20 -> 5,0,25,20"));
  // A frame past the last goes back to the first.
  ASSERT_EQ(Put("strip", "frame", Variant::I4(4)), PropertyResult::kOk);
  EXPECT_EQ(strip.frame(), 0);
  EXPECT_EQ(ids_.Lookup("bad"), nullptr);  // one frame, and frame = 4
}

TEST_F(ElementsTest, FourFramesAndFrameFourFailsToLoad) {
  std::string doc = "[Main]\nnumElements = 1\n[Element_1]\ntype = ImageList\nid = s\nframe = 4\n";
  for (int n = 0; n < 4; ++n) {
    doc += "[Element_1_Frame_" + std::to_string(n) +
           "]\ntop = 0\nleft = 0\nbottom = 1\nright = 1\n";
  }
  Load(doc);
  EXPECT_EQ(ids_.Lookup("s"), nullptr);
}

TEST_F(ElementsTest, TextsGrowButNeverPastTheirPage) {
  Load(R"(
    [Main]
    numElements = 2
    width = 300
    height = 100
    [Element_1]
    type = Text
    id = long
    text = twenty-five characters ok
    xpos = 100
    ypos = 90
    fontSize = 100000
    [Element_2]
    type = Text
    id = short
    text = ab
    fontColor = 0x00336699
    bgColor = 0x00FF0000
    bgTransparency = 0.5
    justification = center
    singleline = 1
    vjustification = middle
  )");
  auto& long_text = dynamic_cast<CTextElement&>(*ids_.Lookup("long"));
  auto& short_text = dynamic_cast<CTextElement&>(*ids_.Lookup("short"));
  EXPECT_EQ(long_text.Style(96).pixel_height, 8192);
  testing::RecordingCanvas canvas;
  document_.Paint(canvas, {0, 0, 300, 100});
  // 250 wanted from x = 100 on a page of 300: cut to 200; the height to the page's end.
  EXPECT_EQ(long_text.width(), 200);
  EXPECT_EQ(long_text.height(), 10);
  // Never shrinks below its 40 x 20.
  EXPECT_EQ(short_text.width(), 40);
  EXPECT_EQ(short_text.height(), 20);
  EXPECT_EQ(short_text.Format().horizontal, TextFormat::Horizontal::kCenter);
  EXPECT_EQ(short_text.Format().vertical, TextFormat::Vertical::kCenter);
  EXPECT_THAT(canvas.calls, Contains("blend 0,0,40,20 0000ff 127"));
  EXPECT_THAT(canvas.calls, Contains("text 0,0,40,20 ab Arial 13 996633"));
  // 10 points at 96 pixels an inch are 13 pixels (13.33 rounded).
  EXPECT_EQ(short_text.Style(120).pixel_height, 17);
  EXPECT_FALSE(long_text.Format().single_line);
}

TEST(BlendChannel, IntegerBlendOfTheBackground) {
  EXPECT_EQ(BlendChannel(0, 255, 127), 126);    // (127 * 255) >> 8
  EXPECT_EQ(BlendChannel(200, 100, 127), 150);  // (127 * -100 + 51200) >> 8 = 150.4
  EXPECT_EQ(BlendChannel(10, 200, 255), 199);
  EXPECT_EQ(BlendChannel(100, 100, 0), 100);
  EXPECT_EQ(BlendChannel(0, 255, 1000), 255);  // kept within the byte
  EXPECT_EQ(BlendChannel(255, 0, 1000), 0);
}

TEST_F(ElementsTest, ControlsTakeTheClsidAndMoveOnRefresh) {
  Load(R"(
    [Main]
    numElements = 1
    [Element_1]
    type = ActiveX
    id = web
    CLSID = {8856F961-340A-11D0-A96B-00C04FD705A2}
    controlName = Shell.Explorer
    dropTarget = true
    xpos = 10
    width = 100
    height = 50
  )");
  EXPECT_THAT(window_.log,
              Contains("control {8856F961-340A-11D0-A96B-00C04FD705A2} 10,0,110,50 drop"));
  ASSERT_EQ(Put("web", "ypos", Variant::I4(20)), PropertyResult::kOk);
  EXPECT_THAT(window_.log, Contains("move control 1 10,20,110,70"));
  ScriptContext context(document_.variables(), ids_);
  document_.Unload(context);
  EXPECT_THAT(window_.log, Contains("destroy control 1"));
}

}  // namespace
}  // namespace browser
