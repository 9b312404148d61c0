#include "platform/recording_appbar.h"

#include <gtest/gtest.h>

namespace platform {
namespace {

// On a 1024x768 screen another bar holds a strip 50 pixels deep at each edge in turn; a bar
// proposed over the whole screen at that edge stops where the other's strip ends, and a bar
// at another edge keeps the whole screen.
TEST(RecordingAppBarService, ABarStopsAtTheStripAnotherBarHoldsAtItsEdge) {
  const AppBarRect screen{0, 0, 1024, 768};
  struct Case {
    AppBarEdge edge;
    AppBarRect other;
    AppBarRect answer;
  };
  const Case cases[] = {
      {AppBarEdge::kLeft, {0, 0, 50, 768}, {50, 0, 1024, 768}},
      {AppBarEdge::kTop, {0, 0, 1024, 50}, {0, 50, 1024, 768}},
      {AppBarEdge::kRight, {974, 0, 1024, 768}, {0, 0, 974, 768}},
      {AppBarEdge::kBottom, {0, 718, 1024, 768}, {0, 0, 1024, 718}},
  };
  for (const Case& c : cases) {
    RecordingAppBarDesktop desktop;
    desktop.bars[99] = {c.edge, c.other};
    RecordingAppBarService service(desktop);
    const AppBarRect answer = service.QueryPos(7, c.edge, screen);
    EXPECT_EQ(answer, c.answer) << EdgeName(c.edge);
    const AppBarEdge across = static_cast<AppBarEdge>((static_cast<int32_t>(c.edge) + 2) % 4);
    EXPECT_EQ(service.QueryPos(7, across, screen), screen) << EdgeName(c.edge);
  }
}

}  // namespace
}  // namespace platform
