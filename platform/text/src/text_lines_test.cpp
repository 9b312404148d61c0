#include "platform/text_lines.h"

#include <gtest/gtest.h>

namespace platform {
namespace {

using Lines = std::vector<std::string_view>;

TEST(TextLines, AFinalNewlineEndsTheLastLine) {
  EXPECT_EQ(TextLines(""), Lines{});
  EXPECT_EQ(TextLines("\n"), Lines{""});
  EXPECT_EQ(TextLines("a"), Lines{"a"});
  EXPECT_EQ(TextLines("a\n"), Lines{"a"});
  EXPECT_EQ(TextLines("a\n\nb\r\n"), (Lines{"a", "", "b\r"}));
}

}  // namespace
}  // namespace platform
