#include "browser/page/region.h"

#include <gtest/gtest.h>

namespace browser {
namespace {

// A picture from rows of characters: '#' opaque black, '.' the key colour (magenta), other
// letters a colour each.
Picture FromRows(std::initializer_list<const char*> rows, uint32_t key = 0xFFFF00FF) {
  const int32_t width = static_cast<int32_t>(std::string_view(*rows.begin()).size());
  Picture p(width, static_cast<int32_t>(rows.size()));
  int32_t y = 0;
  for (const char* row : rows) {
    for (int32_t x = 0; x < width; ++x) p.SetPixel(x, y, row[x] == '.' ? key : 0xFF000000);
    ++y;
  }
  return p;
}

// Whether (x, y) lies in one of the region's rectangles.
bool Covers(const Region& region, int32_t x, int32_t y) {
  for (const Rect& r : region.rects) {
    if (x >= r.left && x < r.right && y >= r.top && y < r.bottom) return true;
  }
  return false;
}

// The range of the page key that `colour` and `tolerance` make, with the colours it holds
// and those it does not; the key itself must be `key`.
void ExpectPageKey(uint32_t colour, uint32_t tolerance, uint32_t key,
                   std::initializer_list<uint32_t> inside,
                   std::initializer_list<uint32_t> outside) {
  const PageKey page_key = AdjustPageKey(colour, tolerance);
  EXPECT_EQ(page_key.key, key);
  const KeyRange range = MakeKeyRange(page_key.key, page_key.tolerance);
  for (uint32_t argb : inside) EXPECT_TRUE(range.Contains(argb)) << std::hex << argb;
  for (uint32_t argb : outside) EXPECT_FALSE(range.Contains(argb)) << std::hex << argb;
}

TEST(PageKey, DefaultMagentaMakesExactlyMagentaTransparent) {
  ExpectPageKey(0xFF00FF, 0, 0xFF00FF, {0xFFFF00FF}, {0xFFFE00FF, 0xFFFF01FF, 0xFF000000});
}

TEST(PageKey, ToleranceCentresTheRangeOnTheColour) {
  // 0x808080 with 0x202020: every channel from 0x70 to 0x90.
  ExpectPageKey(0x808080, 0x202020, 0x707070, {0xFF707070, 0xFF909090, 0xFF709080},
                {0xFF6F8080, 0xFF809180});
  // Near the ends of a channel the lower bound stops at 0 and at 255 - t.
  EXPECT_EQ(AdjustPageKey(0x08FFF0, 0x202020).key, 0x00DFDFu);
  // Only the tolerance's lowest byte moves the key; each byte keeps its own range.
  EXPECT_EQ(AdjustPageKey(0x808080, 0x000020).key, 0x707070u);
  const KeyRange blue_only = MakeKeyRange(0x707070, 0x000020);
  EXPECT_TRUE(blue_only.Contains(0xFF707090));
  EXPECT_FALSE(blue_only.Contains(0xFF717070));
}

TEST(PageKey, ToleranceIsClampedAsAWholeNumber) {
  EXPECT_EQ(AdjustPageKey(0x808080, 0xFFFFFF).tolerance, 0xD0D0D0u);
  EXPECT_EQ(AdjustPageKey(0x808080, 0x7FFFFFFF).tolerance, 0xD0D0D0u);
  // Below the clamp as a number, though one byte is above 0xD0.
  EXPECT_EQ(AdjustPageKey(0x808080, 0x10FF00).tolerance, 0x10FF00u);
  // A key range can never pass 255.
  const KeyRange range = MakeKeyRange(0xF0F0F0, 0xD0D0D0);
  EXPECT_EQ(range.high[0], 255);
  EXPECT_EQ(range.low[0], 0xF0);
  // A negative tolerance (0xFFFFFFFF read as a long) keeps its bytes and covers everything.
  const PageKey all = AdjustPageKey(0x808080, -1);
  EXPECT_TRUE(MakeKeyRange(all.key, all.tolerance).Contains(0xFF123456));
}

TEST(BuildRegion, RunsOfOpaquePixelsPerRow) {
  const Picture p = FromRows({"##..#", ".....", "#.#.#"});
  const auto region = BuildRegion(p, p.size(), MakeKeyRange(0xFF00FF, 0));
  ASSERT_TRUE(region);
  ASSERT_EQ(region->rects.size(), 5u);
  EXPECT_EQ(region->rects[0].left, 0);
  EXPECT_EQ(region->rects[0].right, 2);
  EXPECT_EQ(region->rects[1].left, 4);
  EXPECT_EQ(region->rects[2].top, 2);
  EXPECT_EQ(region->bounds.left, 0);
  EXPECT_EQ(region->bounds.right, 5);
  EXPECT_EQ(region->bounds.bottom, 3);
}

TEST(BuildRegion, StretchedAsTheBackgroundIsDrawn) {
  const Picture p = FromRows({"#.", ".#"});
  const auto region = BuildRegion(p, {4, 4}, MakeKeyRange(0xFF00FF, 0));
  ASSERT_TRUE(region);
  for (int32_t y = 0; y < 4; ++y) {
    for (int32_t x = 0; x < 4; ++x) {
      EXPECT_EQ(Covers(*region, x, y), (x < 2) == (y < 2)) << x << "," << y;
    }
  }
}

TEST(BuildRegion, ManyRunsAreAllKept) {
  // 100 x 60 with every other pixel transparent: 3000 runs, more than one batch of 2000.
  Picture p(100, 60, 0xFF000000);
  for (int32_t y = 0; y < 60; ++y) {
    for (int32_t x = 1; x < 100; x += 2) p.SetPixel(x, y, 0xFFFF00FF);
  }
  const auto region = BuildRegion(p, p.size(), MakeKeyRange(0xFF00FF, 0));
  ASSERT_TRUE(region);
  EXPECT_EQ(region->rects.size(), 3000u);
  for (int32_t y = 0; y < 60; ++y) {
    for (int32_t x = 0; x < 100; ++x) ASSERT_EQ(Covers(*region, x, y), x % 2 == 0);
  }
}

TEST(BuildRegion, EmptyAndOversizedGiveNothing) {
  const Picture p = FromRows({"#."});
  EXPECT_FALSE(BuildRegion(Picture(), {10, 10}, MakeKeyRange(0xFF00FF, 0)));
  EXPECT_FALSE(BuildRegion(p, {0, 10}, MakeKeyRange(0xFF00FF, 0)));
  // An all-transparent picture makes an empty region, not none.
  const Picture clear = FromRows({"..", ".."});
  const auto none = BuildRegion(clear, clear.size(), MakeKeyRange(0xFF00FF, 0));
  ASSERT_TRUE(none);
  EXPECT_TRUE(none->rects.empty());
  // A row of 4096 runs stretched to 1025 rows is past the limit; 1024 rows are not.
  Picture stripes(8192, 1, 0xFF000000);
  for (int32_t x = 1; x < 8192; x += 2) stripes.SetPixel(x, 0, 0xFFFF00FF);
  EXPECT_FALSE(BuildRegion(stripes, {8192, 1025}, MakeKeyRange(0xFF00FF, 0)));
  EXPECT_TRUE(BuildRegion(stripes, {8192, 1024}, MakeKeyRange(0xFF00FF, 0)));
}

}  // namespace
}  // namespace browser
