#include "browser/page/multi_resolution.h"

#include <gtest/gtest.h>

#include "page_test_support.h"

namespace browser {
namespace {

TEST(ScaleValue, ModesDecideByTheAverageAndScaleByTheirFactor) {
  // Axis 2.0, average 1.5 (growing); axis 0.5, average 0.75 (shrinking).
  struct Case {
    int32_t mode;
    int32_t growing;
    int32_t shrinking;
  } cases[] = {
      {0, 100, 100}, {1, 150, 75}, {2, 200, 50}, {3, 100, 75}, {4, 100, 50},
      {5, 150, 100}, {6, 200, 100}, {7, 100, 100}, {-1, 100, 100},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ScaleValue(100, c.mode, 2.0, 1.5), c.growing) << c.mode;
    EXPECT_EQ(ScaleValue(100, c.mode, 0.5, 0.75), c.shrinking) << c.mode;
  }
  // Modes 4 and 6 look at the average even when the axis says otherwise.
  EXPECT_EQ(ScaleValue(100, 4, 2.0, 0.9), 200);
  EXPECT_EQ(ScaleValue(100, 6, 0.5, 1.1), 50);
}

TEST(ScaleValue, RoundsUpFromFourTenths) {
  EXPECT_EQ(ScaleValue(1241, 1, 1.0, 0.01), 13);  // 12.41
  EXPECT_EQ(ScaleValue(1240, 1, 1.0, 0.01), 12);  // 12.40
  EXPECT_EQ(ScaleValue(125, 1, 1.0, 0.1), 13);    // 12.5
  EXPECT_EQ(ScaleValue(-1249, 1, 1.0, 0.01), -12);  // negatives are cut
  EXPECT_EQ(ScaleValue(2000000000, 2, 4.0, 4.0), INT32_MAX);
}

TEST(MultiResolution, DesignedFor800By600) {
  CDataFile file = testing::Document(R"(
    [Main]
    xres = 800
    yres = 600
    [Element_1]
    resize = 1
    width = 100
    height = 0x20
    xpos = 10
    [Element_2]
    resize = 3
    width = 100
    reposition = 2
    xpos = 100
    ypos = 100
    fontSize = 10
    [Element_3]
    width = 100
  )");
  CDataFile wide = file;
  CMultiResolution r;
  r.ApplyResolution(wide, 1024, 768);
  EXPECT_DOUBLE_EQ(r.horizontal(), 1.28);
  EXPECT_DOUBLE_EQ(r.average(), 1.28);
  const auto value = [](const CDataFile& f, const char* section, const char* key) {
    std::string v;
    f.ReadString(section, key, v);
    return v;
  };
  EXPECT_EQ(value(wide, "Element_1", "width"), "128");
  EXPECT_EQ(value(wide, "Element_1", "height"), "0");   // "0x20" reads as 0, written decimal
  EXPECT_EQ(value(wide, "Element_1", "xpos"), "10");    // no "reposition"
  EXPECT_EQ(value(wide, "Element_2", "width"), "100");  // shrink only
  EXPECT_EQ(value(wide, "Element_2", "fontSize"), "10");
  EXPECT_EQ(value(wide, "Element_2", "xpos"), "128");
  EXPECT_EQ(value(wide, "Element_3", "width"), "100");

  CDataFile small = file;
  r.ApplyResolution(small, 640, 480);
  EXPECT_EQ(value(small, "Element_2", "width"), "80");
  EXPECT_EQ(value(small, "Element_2", "fontSize"), "8");
}

TEST(MultiResolution, NothingWithoutADesignSize) {
  for (const char* main : {"[Main]\nxres = 800", "[Main]\nxres = 0\nyres = 600",
                           "[Main]\nxres = -800\nyres = 600"}) {
    CDataFile file = testing::Document(std::string(main) + "\n[E]\nresize = 1\nwidth = 100");
    CMultiResolution r;
    r.ApplyResolution(file, 1024, 768);
    std::string width;
    file.ReadString("E", "width", width);
    EXPECT_EQ(width, "100") << main;
  }
}

}  // namespace
}  // namespace browser
