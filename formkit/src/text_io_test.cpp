#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

#include "formkit/text_io.h"

namespace formkit {
namespace {

TEST(JsonString, EscapesLineBreaksQuotesAndControls) {
  EXPECT_EQ(JsonString("a\r\nb"), "\"a\\r\\nb\"");
  EXPECT_EQ(JsonString("say \"x\" \\"), "\"say \\\"x\\\" \\\\\"");
  EXPECT_EQ(JsonString(std::string("\x01", 1)), "\"\\u0001\"");
  EXPECT_EQ(JsonString(" 26.156"), "\" 26.156\"");
}

TEST(ReadTextFile, KeepsUtf8AndConvertsSingleByteText) {
  const std::string path = ::testing::TempDir() + "formkit_text_io.txt";
  {
    std::ofstream(path, std::ios::binary) << "caf\xC3\xA9";
  }
  EXPECT_EQ(ReadTextFile(path), "caf\xC3\xA9");
  {
    std::ofstream(path, std::ios::binary) << "caf\xE9";  // é in a single-byte code page
  }
  EXPECT_EQ(ReadTextFile(path), "caf\xC3\xA9");
  {
    std::ofstream(path, std::ios::binary) << "cut \xC3";  // truncated sequence
  }
  EXPECT_EQ(ReadTextFile(path), "cut \xC3\x83");
  std::remove(path.c_str());
  EXPECT_EQ(ReadTextFile(path), std::nullopt);
}

}  // namespace
}  // namespace formkit

#include "formkit/file_filter.h"

namespace formkit {
namespace {

TEST(QtFileFilter, ConvertsPairsAndWidensStarDotStar) {
  // The descriptions read as the program wrote them.
  EXPECT_EQ(QtFileFilter("Sizing Files(*.siz)|*.siz"), "Sizing Files(*.siz)");
  EXPECT_EQ(QtFileFilter("Sizing Files(*.siz)|*.siz|All Files(*.*)|*.*"),
            "Sizing Files(*.siz);;All Files(*)");
  EXPECT_EQ(QtFileFilter("Pictures|*.gif;*.bmp"), "Pictures (*.gif *.bmp)");
}

}  // namespace
}  // namespace formkit
