#include "json_string.h"

#include <gtest/gtest.h>

namespace cdztool {
namespace {

TEST(DocumentText, Utf8StaysAndAnythingElseIsWindows1252) {
  EXPECT_EQ(DocumentTextUtf8("caf\xC3\xA9 \xE2\x82\xAC"), "caf\xC3\xA9 \xE2\x82\xAC");
  // Latin-1 "café", the euro sign and a quotation mark of the code page.
  EXPECT_EQ(DocumentTextUtf8("caf\xE9 \x80 \x93"), "caf\xC3\xA9 \xE2\x82\xAC \xE2\x80\x9C");
  // Bytes that look like UTF-8 but are not: an overlong slash, a cut sequence, a surrogate.
  EXPECT_EQ(DocumentTextUtf8("\xC0\xAF"), "\xC3\x80\xC2\xAF");
  EXPECT_EQ(DocumentTextUtf8("a\xC3"), "a\xC3\x83");
  EXPECT_EQ(DocumentTextUtf8("\xED\xA0\x80"), "\xC3\xAD\xC2\xA0\xE2\x82\xAC");
}

TEST(DocumentText, JsonIsValidUtf8WithEveryControlEscaped) {
  EXPECT_EQ(JsonString("a\"b\\c"), "\"a\\\"b\\\\c\"");
  EXPECT_EQ(JsonString("line\nnext\x1B[2J\x7F"), "\"line\\u000anext\\u001b[2J\\u007f\"");
  EXPECT_EQ(JsonString("M\xFCller \x81"), "\"M\xC3\xBCller \\u0081\"");
  EXPECT_EQ(JsonString("\xC2\x9B"), "\"\\u009b\"");  // C1 in UTF-8 too
}

TEST(DocumentText, TerminalLinesCannotBeBrokenOrSteered) {
  EXPECT_EQ(PrintableText("two\nlines\r\tand \x1B]0;title\x07"),
            "two\\nlines\\r\\tand \\x1b]0;title\\x07");
  EXPECT_EQ(PrintableText("pictures\\logo.gif \xE9"), "pictures\\logo.gif \xC3\xA9");
  EXPECT_EQ(PrintableText("\xC2\x9B" "31m"), "\\u009b31m");
}

}  // namespace
}  // namespace cdztool
