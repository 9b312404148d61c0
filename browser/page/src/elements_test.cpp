// Display elements: their properties and type rules, refreshing, animations, strips, texts
// and controls.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "browser/page/activex_element.h"
#include "browser/page/browser_document.h"
#include "browser/page/image_element.h"
#include "browser/page/image_list.h"
#include "browser/page/page_load_context.h"
#include "browser/page/text_element.h"
#include "browser/script/id_manager.h"
#include "browser/script/script_item.h"
#include "document_fixture.h"

namespace browser {
namespace {

using ::testing::Contains;
using ::testing::ElementsAre;
using platform::Variant;

class ElementsTest : public testing::DocumentFixture {
 protected:
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
};

// One element of each class, for the property tables below.
const char kAllClasses[] = R"(
    [Main]
    numElements = 4
    width = 400
    height = 300
    [Element_1]
    type = Image
    id = pic
    src = a.bmp
    xpos = 5
    text = Go
    [Element_2]
    type = ImageList
    id = strip
    src = strip.bmp
    [Element_2_Frame_0]
    top = 0
    left = 0
    bottom = 20
    right = 20
    [Element_2_Frame_1]
    top = 0
    left = 20
    bottom = 20
    right = 40
    [Element_3]
    type = Text
    id = label
    fontColor = 0x0000FF
    [Element_4]
    type = ActiveX
    id = ctl
    controlName = Some.Control
    width = 30
    height = 10
  )";

// A property, a value of its own type, and one of another type. `lenient_get` is what a get
// answers, into a variant of any type, when the class accepts any variant there.
struct Typed {
  const char* name;
  Variant value;
  Variant wrong;
  std::optional<Variant> lenient_get = std::nullopt;
};

std::string Show(const Variant& v) {
  return std::to_string(v.type()) + ":" + v.TextUtf8().value_or("?");
}

// A variant of the type holding zero or the empty text.
Variant ZeroOf(platform::VarType type) {
  switch (type) {
    case platform::VT_BSTR:
      return Variant::Utf8("");
    case platform::VT_R8:
      return Variant::R8(0);
    case platform::VT_BOOL:
      return Variant::Bool(false);
    case platform::VT_UI4:
      return Variant::UI4(0);
    default:
      return Variant::I4(0);
  }
}

class PropertyTypesTest : public ElementsTest {
 protected:
  void SetUp() override {
    pictures_.files["/cd/a.bmp"] = Picture(30, 20);
    pictures_.files["/cd/b.bmp"] = Picture(10, 10);
    pictures_.files["/cd/strip.bmp"] = Picture(40, 20);
    Load(kAllClasses);
  }
  // What the element asked of its window (repaints, control moves) so far.
  size_t Activity() const { return window_.invalidated.size() + window_.log.size(); }

  // Each property takes its own type on a put (and refreshes) and reads back what was put; a
  // put of another type answers kWrongType, keeps the value and does not refresh; so does a
  // get into another type, leaving the variant, unless the property's get is lenient.
  void ExpectTypeRules(const char* id, const std::vector<Typed>& properties) {
    for (const Typed& p : properties) {
      SCOPED_TRACE(std::string(id) + "." + p.name);
      const std::string read_back = Show(p.lenient_get.value_or(p.value));
      size_t before = Activity();
      ASSERT_EQ(Put(id, p.name, p.value), PropertyResult::kOk);
      EXPECT_GT(Activity(), before);
      const auto [read, got] = Get(id, p.name, ZeroOf(p.value.type()));
      EXPECT_EQ(read, PropertyResult::kOk);
      EXPECT_EQ(Show(got), read_back);

      before = Activity();
      EXPECT_EQ(Put(id, p.name, p.wrong), PropertyResult::kWrongType);
      EXPECT_EQ(Activity(), before);
      EXPECT_EQ(Show(Get(id, p.name, p.value).second), read_back);

      const auto [wrong_read, wrong_got] = Get(id, p.name, p.wrong);
      if (p.lenient_get) {
        EXPECT_EQ(wrong_read, PropertyResult::kOk);
        EXPECT_EQ(Show(wrong_got), Show(*p.lenient_get));
      } else {
        EXPECT_EQ(wrong_read, PropertyResult::kWrongType);
        EXPECT_EQ(Show(wrong_got), Show(p.wrong));
      }
    }
  }
};

TEST_F(PropertyTypesTest, ImagesNeedTheTypeExceptForGetsOfTextsAndFlags) {
  // src, cursor and buttonText read into any variant as texts, animated and mouseMoveable
  // as integers (even into a VT_BOOL); puts always need the type.
  const std::vector<Typed> properties = {
      {"src", Variant::Utf8("b.bmp"), Variant::I4(1), Variant::Utf8("b.bmp")},
      {"xpos", Variant::I4(7), Variant::I2(7)},
      {"ypos", Variant::I4(-3), Variant::Utf8("-3")},
      {"width", Variant::I4(50), Variant::R8(50)},
      {"height", Variant::I4(40), Variant::UI4(40)},
      {"cursor", Variant::Utf8("hand"), Variant(), Variant::Utf8("hand")},
      {"buttonText", Variant::Utf8("Stop"), Variant::R8(0), Variant::Utf8("Stop")},
      {"mouseMoveable", Variant::Bool(true), Variant::Utf8("x"), Variant::I4(1)},
      {"animated", Variant::Bool(true), Variant::I4(1), Variant::I4(1)},
  };
  ExpectTypeRules("pic", properties);
  EXPECT_EQ(Get("pic", "XPOS", Variant::I4(0)).second.IntValue(), 7);
  EXPECT_EQ(testing::Describe(ids_.Lookup("pic")->GetBounds()), "7,-3,57,37");
}

TEST_F(PropertyTypesTest, StripsNeedTheTypeOnGetsToo) {
  const std::vector<Typed> properties = {
      {"src", Variant::Utf8("b.bmp"), Variant::I4(1)},
      {"frame", Variant::I4(1), Variant::Bool(true)},
      {"xpos", Variant::I4(4), Variant::R8(4)},
      {"ypos", Variant::I4(6), Variant::UI4(6)},
      {"cursor", Variant::Utf8("hand"), Variant()},
      {"mouseMoveable", Variant::Bool(true), Variant::I4(1)},
  };
  ExpectTypeRules("strip", properties);
  EXPECT_EQ(testing::Describe(ids_.Lookup("strip")->GetBounds()), "4,6,24,26");
}

TEST_F(PropertyTypesTest, TextsNeedTheTypeAndShortNamesAreTheLongOnes) {
  const std::vector<Typed> properties = {
      {"fontName", Variant::Utf8("Courier"), Variant::I4(0)},
      {"fontColor", Variant::UI4(0x00FF8040), Variant::I4(0xFF)},
      {"fontSize", Variant::I4(20), Variant::I2(20)},
      {"fontWeight", Variant::I4(700), Variant::R8(700)},
      {"fontItalic", Variant::Bool(true), Variant::I4(1)},
      {"fontUnderline", Variant::Bool(true), Variant::I2(-1)},
      {"fontStrikeOut", Variant::Bool(true), Variant::Utf8("true")},
      {"xpos", Variant::I4(3), Variant::UI4(3)},
      {"ypos", Variant::I4(4), Variant()},
      {"cursor", Variant::Utf8("hand"), Variant::Bool(true)},
      {"text", Variant::Utf8("words"), Variant::I4(0)},
      {"width", Variant::I4(60), Variant::Utf8("60")},
      {"height", Variant::I4(30), Variant::R4(30)},
      {"bgColor", Variant::UI4(0x00123456), Variant::I4(0x123456)},
      {"bgTransparency", Variant::R8(0.25), Variant::R4(0.25)},
      {"justification", Variant::Utf8("center"), Variant::I4(1)},
      {"vjustification", Variant::Utf8("bottom"), Variant::I4(1)},
      {"singleline", Variant::Bool(true), Variant::I4(1)},
      {"mouseMoveable", Variant::Bool(true), Variant::I4(1)},
  };
  ExpectTypeRules("label", properties);
  // A put by one name is read back by the other; the short names keep the type rules.
  ASSERT_EQ(Put("label", "FONT", Variant::Utf8("Serif")), PropertyResult::kOk);
  EXPECT_EQ(Get("label", "fontname", Variant::Utf8("")).second.TextUtf8(), "Serif");
  ASSERT_EQ(Put("label", "fontColor", Variant::UI4(0xFF)), PropertyResult::kOk);
  EXPECT_EQ(Get("label", "color", Variant::UI4(0)).second.IntValue(), 0xFF);
  EXPECT_EQ(Put("label", "color", Variant::I4(1)), PropertyResult::kWrongType);
  ASSERT_EQ(Put("label", "size", Variant::I4(12)), PropertyResult::kOk);
  EXPECT_EQ(Get("label", "fontSize", Variant::I4(0)).second.IntValue(), 12);
  ASSERT_EQ(Put("label", "fontWeight", Variant::I4(300)), PropertyResult::kOk);
  EXPECT_EQ(Get("label", "weight", Variant::I4(0)).second.IntValue(), 300);
  for (const char* flag : {"italic", "underline", "strikeout"}) {
    SCOPED_TRACE(flag);
    ASSERT_EQ(Put("label", flag, Variant::Bool(false)), PropertyResult::kOk);
    EXPECT_EQ(
        Get("label", (std::string("font") + flag).c_str(), Variant::Bool(true)).second.IntValue(),
        0);
    EXPECT_EQ(Get("label", flag, Variant::I4(0)).first, PropertyResult::kWrongType);
  }
  auto& label = dynamic_cast<CTextElement&>(*ids_.Lookup("label"));
  EXPECT_EQ(label.Style(96).face, "Serif");
  EXPECT_FALSE(label.Style(96).italic);
  EXPECT_TRUE(label.Format().single_line);
  EXPECT_EQ(label.Format().vertical, TextFormat::Vertical::kBottom);
  // Names no property has go to the control calls: with no control, a put fails and a get
  // answers done.
  EXPECT_EQ(Put("label", "opacity", Variant::I4(1)), PropertyResult::kFailed);
  EXPECT_EQ(Get("label", "opacity", Variant::I4(7)).first, PropertyResult::kOk);
}

TEST_F(PropertyTypesTest, ControlsNeedTheTypeForTheirOwnNames) {
  const std::vector<Typed> properties = {
      {"xpos", Variant::I4(10), Variant::Utf8("10")},
      {"ypos", Variant::I4(20), Variant::R8(20)},
      {"width", Variant::I4(100), Variant::I2(100)},
      {"height", Variant::I4(50), Variant::UI4(50)},
      {"mouseMoveable", Variant::Bool(true), Variant::I4(1)},
  };
  ExpectTypeRules("ctl", properties);
  EXPECT_THAT(window_.log, Contains("move control 1 10,20,110,70"));
  // Every other name is the hosted control's; there is none here to take a put.
  EXPECT_EQ(Put("ctl", "Caption", Variant::Utf8("x")), PropertyResult::kFailed);
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

// Positions and sizes at the integer limits: the far edges are cut to the 32-bit range
// instead of overflowing (wrapping round to a negative edge before any sanitizer saw it).
TEST_F(ElementsTest, EdgesNearTheIntegerLimitsAreCutNotWrapped) {
  pictures_.files["/cd/a.bmp"] = Picture(4, 4);
  Load(R"(
    [Main]
    numElements = 4
    width = 300
    height = 100
    [Element_1]
    type = Image
    id = image
    src = a.bmp
    xpos = 2147483647
    ypos = 2147483647
    [Element_2]
    type = Text
    id = text
    text = x
    xpos = 2147483647
    ypos = -2147483648
    width = 2147483647
    height = -2147483648
    [Element_3]
    type = ImageList
    id = strip
    src = a.bmp
    xpos = 2147483647
    [Element_3_Frame_0]
    top = 0
    bottom = 4
    left = -2147483648
    right = 2147483647
    [Element_4]
    type = ActiveX
    id = control
    xpos = 2147483000
    width = 2147483647
  )");
  const auto bounds = [&](const char* id) {
    return dynamic_cast<CDisplayObject&>(*ids_.Lookup(id)).GetBounds();
  };
  EXPECT_EQ(bounds("image").right, INT32_MAX);
  EXPECT_EQ(bounds("image").bottom, INT32_MAX);
  EXPECT_EQ(bounds("text").right, INT32_MAX);
  EXPECT_EQ(bounds("text").bottom, INT32_MIN);
  EXPECT_EQ(bounds("control").right, INT32_MAX);
  EXPECT_EQ(bounds("strip").right, INT32_MAX);
  testing::RecordingCanvas canvas;
  document_.Paint(canvas, {0, 0, 300, 100});
  EXPECT_EQ(bounds("text").left, INT32_MAX);
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
