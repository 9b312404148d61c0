#include "platform/utf8.h"

#include <gtest/gtest.h>

namespace platform {
namespace {

TEST(Utf8, DecodesEachLengthAndRefusesWhatIsNoUtf8) {
  struct Case {
    std::string_view bytes;
    size_t length;  // 0: not valid UTF-8
    char32_t code;
  };
  const Case cases[] = {
      {"A", 1, U'A'},
      {"\xC3\xA9", 2, U'\u00E9'},
      {"\xE2\x82\xAC", 3, U'\u20AC'},
      {"\xF0\x9F\x98\x80", 4, U'\U0001F600'},
      {"\xF4\x8F\xBF\xBF", 4, U'\U0010FFFF'},
      {"\xC0\xAF", 0, 0},              // an overlong slash
      {"\xE0\x80\xAF", 0, 0},          // the same in three bytes
      {"\xED\xA0\x80", 0, 0},          // a surrogate
      {"\xF4\x90\x80\x80", 0, 0},      // past U+10FFFF
      {"\xE2\x82", 0, 0},              // cut at the end of the text
      {"\xE2" "A\xAC", 0, 0},          // cut by an ASCII byte
      {"\x80", 0, 0},                  // a lone continuation byte
      {"\xF8\x88\x80\x80\x80", 0, 0},  // a five-byte lead
  };
  for (const Case& c : cases) {
    char32_t code = 0;
    EXPECT_EQ(DecodeUtf8(c.bytes, 0, code), c.length) << testing::PrintToString(c.bytes);
    if (c.length != 0) {
      EXPECT_EQ(code, c.code);
      std::string again;
      AppendUtf8(again, code);
      EXPECT_EQ(again, c.bytes);
    }
    EXPECT_EQ(IsValidUtf8(c.bytes), c.length != 0);
  }
  // A sequence is read where it starts, and a valid text may end in any length.
  char32_t code = 0;
  EXPECT_EQ(DecodeUtf8("a\xC3\xA9", 1, code), 2u);
  EXPECT_TRUE(IsValidUtf8(""));
  EXPECT_FALSE(IsValidUtf8("caf\xC3\xA9 \xE2\x82"));
}

}  // namespace
}  // namespace platform
