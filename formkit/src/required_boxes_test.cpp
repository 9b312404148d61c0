#include "formkit/required_boxes.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace formkit {
namespace {

class ThreeBoxes : public Form {
 public:
  ThreeBoxes() : Form("Boxes") {
    for (const char* name : {"txtA", "txtB", "txtC"}) Declare(name, ControlKind::kTextBox);
  }
};

constexpr RequiredBox kRequired[] = {{"txtA", " A"}, {"txtB", " B"}, {"txtC", " C"}};

bool Empty(const std::string& text) { return text.empty(); }

TEST(MissingLines, ListsTheMissingBoxesInOrderWithTheSeparatorBetween) {
  ThreeBoxes form;
  EXPECT_EQ(MissingLines(form, kRequired, Empty, ","), " A, B, C");
  form.SetText("txtB", "1");
  EXPECT_EQ(MissingLines(form, kRequired, Empty, ","), " A, C");
  EXPECT_EQ(MissingLines(form, kRequired, Empty), " A C");
  form.SetText("txtA", "1");
  form.SetText("txtC", "1");
  EXPECT_EQ(MissingLines(form, kRequired, Empty, ","), "");
}

// A box that cannot be judged (a number too large to read) ends the check there.
TEST(MissingLines, WhatTheJudgeThrowsPassesOn) {
  ThreeBoxes form;
  auto judge = [](const std::string&) -> bool { throw std::range_error("unreadable"); };
  EXPECT_THROW(MissingLines(form, kRequired, judge), std::range_error);
}

}  // namespace
}  // namespace formkit
