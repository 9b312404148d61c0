// Programs started from documents: the Windows splitting of the parameters text.
#include "platform/program_start.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace platform {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

TEST(SplitParameters, QuotesWithoutEscapes) {
  EXPECT_THAT(SplitParameters(""), IsEmpty());
  EXPECT_THAT(SplitParameters(" \t "), IsEmpty());
  EXPECT_THAT(SplitParameters("/s  \"C:\\My Dir\\\" a\"b c"),
              ElementsAre("/s", "C:\\My Dir\\", "a\"b", "c"));
  EXPECT_THAT(SplitParameters("\"\" x \"open to the end"), ElementsAre("", "x", "open to the end"));
  EXPECT_THAT(SplitParameters("a;b $(rm -rf x) `id` 'q' |&>"),
              ElementsAre("a;b", "$(rm", "-rf", "x)", "`id`", "'q'", "|&>"));
}

}  // namespace
}  // namespace platform
