// Pages and their elements, loaded from documents and painted on a recording canvas.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

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

using ::testing::ElementsAre;

class PageTest : public testing::DocumentFixture {
 protected:
  std::vector<std::string> Types() const {
    std::vector<std::string> out;
    for (const auto& child : document_.main_page()->children()) {
      out.push_back(child->section() + ":" + child->id());
    }
    return out;
  }
};

TEST_F(PageTest, ElementTypesByPrefixWithoutRegardToCase) {
  CBrowser& page = Load(R"(
    [Main]
    numElements = 6
    [Element_1]
    type = text
    [Element_2]
    type = TEXTBOX
    [Element_3]
    type = ImageList
    [Element_3_Frame_0]
    top = 0
    left = 0
    bottom = 5
    right = 5
    [Element_4]
    type = imagery
    [Element_5]
    type = ActiveX Control
    [Element_6]
    type = Img
  )");
  ASSERT_EQ(page.children().size(), 5u);
  EXPECT_NE(dynamic_cast<CTextElement*>(page.children()[0].get()), nullptr);
  EXPECT_NE(dynamic_cast<CTextElement*>(page.children()[1].get()), nullptr);
  EXPECT_NE(dynamic_cast<CImageList*>(page.children()[2].get()), nullptr);
  EXPECT_NE(dynamic_cast<CImageElement*>(page.children()[3].get()), nullptr);
  EXPECT_EQ(page.children()[4]->section(), "Element_5");
}

TEST_F(PageTest, AnUnknownTypeShiftsEveryLaterElementOntoTheSectionBefore) {
  Load(R"(
    [Main]
    numElements = 3
    [Element_1]
    type = Image
    id = one
    [Element_2]
    type = Slideshow
    id = two
    [Element_3]
    type = Image
    id = three
  )");
  // The third entry became the second child and read Element_2's keys.
  EXPECT_THAT(Types(), ElementsAre("Element_1:one", "Element_2:two"));
  EXPECT_EQ(ids_.Lookup("three"), nullptr);
}

TEST_F(PageTest, AFailedElementStopsTheLaterOnesButThePageStays) {
  CBrowser& page = Load(R"(
    [Main]
    numElements = 3
    watermark = back.bmp
    [Element_1]
    type = Image
    id = one
    [Element_2]
    type = ImageList
    id = strip
    frame = 0
    [Element_3]
    type = Image
    id = three
  )");
  EXPECT_EQ(page.children().size(), 3u);
  EXPECT_NE(ids_.Lookup("one"), nullptr);
  EXPECT_EQ(ids_.Lookup("strip"), nullptr);  // no frames: fails before its keys
  EXPECT_EQ(ids_.Lookup("three"), nullptr);
  EXPECT_THAT(pictures_.asked, ElementsAre("bmp /cd/back.bmp"));
}

TEST_F(PageTest, AnAbsurdElementCountCostsNothing) {
  CBrowser& page = Load("[Main]\nnumElements = 2147483647\n[Element_2]\ntype = Text\n");
  EXPECT_EQ(page.children().size(), 1u);
  EXPECT_EQ(page.children()[0]->section(), "Element_1");
}

TEST_F(PageTest, TheLastOverlappingElementGetsTheMouse) {
  CBrowser& page = Load(R"(
    [Main]
    numElements = 2
    [Element_1]
    type = Text
    id = under
    width = 50
    height = 50
    [Element_2]
    type = Text
    id = over
    xpos = 40
    ypos = 40
    width = 50
    height = 50
  )");
  EXPECT_EQ(page.ElementAt({45, 45})->id(), "over");
  EXPECT_EQ(page.ElementAt({10, 10})->id(), "under");
  EXPECT_EQ(page.ElementAt({89, 89})->id(), "over");
  EXPECT_EQ(page.ElementAt({90, 90}), nullptr);  // right and bottom are outside
  EXPECT_EQ(document_.ElementAt({45, 45})->id(), "over");
}

TEST_F(PageTest, ImagesTakeThePicturesSizeAndFallBackToAButton) {
  pictures_.files["/cd/logo.GIF"] = Picture(30, 20);
  pictures_.files["/pics/a.jpg"] = Picture(8, 8);
  CBrowser& page = Load(R"(
    [Main]
    numElements = 4
    width = 100
    height = 100
    [Element_1]
    type = Image
    src = logo.GIF
    [Element_2]
    type = Image
    src = /pics/a.jpg
    width = 50
    [Element_3]
    type = Image
    src = missing.jpeg
    text = Start
    width = 10
    height = 5
    [Element_4]
    type = Image
    src = anim.gif
    animated = 1
  )");
  EXPECT_THAT(pictures_.asked, ElementsAre("gif /cd/logo.GIF 0", "jpg /pics/a.jpg",
                                           "bmp /cd/missing.jpeg", "play /cd/anim.gif 0,0"));
  EXPECT_EQ(testing::Describe(page.children()[0]->GetBounds()), "0,0,30,20");
  EXPECT_EQ(testing::Describe(page.children()[1]->GetBounds()), "0,0,50,8");
  // An animated picture's bounds come from its keys alone.
  EXPECT_EQ(testing::Describe(page.children()[3]->GetBounds()), "0,0,0,0");
  testing::RecordingCanvas canvas;
  document_.Paint(canvas, {0, 0, 100, 100});
  EXPECT_THAT(canvas.calls,
              ElementsAre("fill 0,0,100,100 ffffff", "picture 30x20 0,0,30,20 -> 0,0,30,20",
                          "picture 8x8 0,0,8,8 -> 0,0,50,8", "button 0,0,10,5 Start"));
}

TEST_F(PageTest, KeyMaskFromAPixel) {
  Picture p(3, 1);
  p.SetPixel(0, 0, 0xFF00FF00);
  p.SetPixel(1, 0, 0xFF112233);
  p.SetPixel(2, 0, 0xFF00FF00);
  auto mask = MakeKeyMask(p, 0, 0);
  ASSERT_NE(mask, nullptr);
  EXPECT_EQ(mask->Pixel(0, 0), 0xFFFFFFFFu);
  EXPECT_EQ(mask->Pixel(1, 0), 0xFF000000u);
  EXPECT_EQ(p.Pixel(2, 0), 0xFF000000u);
  EXPECT_EQ(p.Pixel(1, 0), 0xFF112233u);
  EXPECT_EQ(MakeKeyMask(p, 3, 0), nullptr);
}

TEST_F(PageTest, TransparentPageMakesItsRegionOnTheFirstPaintOnly) {
  Picture back(4, 1, 0xFF000000);
  back.SetPixel(1, 0, 0xFFFF00FF);
  pictures_.files["/cd/back.gif"] = back;
  CBrowser& page = Load(R"(
    [Main]
    windowType = 3
    watermark = back.gif
    width = 8
    height = 2
  )");
  EXPECT_THAT(pictures_.asked, ElementsAre("gif /cd/back.gif 4"));  // the GIF's own key ignored
  EXPECT_TRUE(page.region_pending());
  testing::RecordingCanvas canvas;
  document_.Paint(canvas, {0, 0, 8, 2});
  ASSERT_NE(window_.shape, nullptr);
  EXPECT_EQ(window_.shape->rects.size(), 4u);  // rows of [0,2) and [4,8)
  document_.Paint(canvas, {0, 0, 8, 2});
  EXPECT_EQ(window_.shape_calls, 1);
  EXPECT_FALSE(page.region_pending());
}

TEST_F(PageTest, TiledBackgroundCoversThePage) {
  pictures_.files["/cd/tile.bmp"] = Picture(40, 30);
  Load("[Main]\nwatermark = tile.bmp\ntiled = true\nwidth = 100\nheight = 50\n");
  testing::RecordingCanvas canvas;
  document_.Paint(canvas, {0, 0, 100, 50});
  EXPECT_EQ(canvas.calls.size(), 6u);  // 3 across, 2 down
  EXPECT_EQ(canvas.calls.back(), "picture 40x30 0,0,40,30 -> 80,30,120,60");
}

TEST_F(PageTest, CapturingPageCopiesTheScreenUnderTheWindow) {
  window_.window = {-10, 700, 190, 900};  // partly off the screen
  CBrowser& page = Load("[Main]\nwindowType = 4\nwatermark = ignored.bmp\n");
  EXPECT_TRUE(pictures_.asked.empty());
  EXPECT_THAT(window_.log, ElementsAre("grab 0,700,190,768"));
  ASSERT_NE(page.background(), nullptr);
  EXPECT_EQ(page.background()->size(), (Size{190, 68}));
}

TEST_F(PageTest, UnloadFiresOnUnloadThenDropsPagesAndIds) {
  CBrowser& page = Load(R"(
    [Main]
    numScripts = 1
    numElements = 1
    [Script_1]
    name = OnUnload
    numScriptItems = 1
    [Script_1_ScriptItem_1]
    name = SetVariable
    varName = left
    value = yes
    [Element_1]
    type = Text
    id = t
  )");
  (void)page;
  ScriptContext context(document_.variables(), ids_);
  document_.Unload(context);
  EXPECT_EQ(document_.main_page(), nullptr);
  EXPECT_EQ(ids_.Lookup("t"), nullptr);
  ASSERT_NE(document_.variables().FindVariable("left"), nullptr);
  // The variables outlive the pages.
  EXPECT_EQ(document_.variables().FindVariable("left")->value.TextUtf8(), "yes");
}

}  // namespace
}  // namespace browser
