#include "platform/ascii_case.h"

#include <gtest/gtest.h>

namespace platform {
namespace {

TEST(TextCase, AsciiLettersOnly) {
  EXPECT_EQ(UpperAscii("Show me 1x"), "SHOW ME 1X");
  EXPECT_EQ(UpperAscii("caf\xC3\xA9"), "CAF\xC3\xA9");  // other bytes stay as they are
  EXPECT_TRUE(EqualsIgnoringCase("sHoW", "SHOW"));
  EXPECT_FALSE(EqualsIgnoringCase("SHOW ", "SHOW"));
  EXPECT_FALSE(EqualsIgnoringCase("\xC3\xA9", "\xC3\x89"));
  // Sixteen-bit texts by the same rule: é and É are different characters.
  EXPECT_TRUE(EqualsIgnoringCase(u"TrUe", u"true"));
  EXPECT_FALSE(EqualsIgnoringCase(u"\u00E9", u"\u00C9"));
  // Only letters fold: '@' and '`' lie next to 'A' and 'a'.
  EXPECT_FALSE(EqualsIgnoringCase("@", "`"));
}

}  // namespace
}  // namespace platform
