#include <gtest/gtest.h>

#include "formkit/line_record.h"

namespace formkit {
namespace {

TEST(LineRecordWriter, QuotesTextsAndWritesWholesPlain) {
  LineRecordWriter w;
  w.Text("Corvane's, Customer").Text("").Whole(0).Whole(-12).Text("9600000");
  EXPECT_EQ(w.Line(), "\"Corvane's, Customer\",\"\",0,-12,\"9600000\"\r\n");
}

TEST(LineRecordReader, ReadsBackWhatWasWritten) {
  LineRecordWriter w;
  w.Text("a, b").Whole(3).Text("").Text("x");
  LineRecordReader r(w.Line());
  EXPECT_EQ(r.NextText(), "a, b");
  EXPECT_EQ(r.NextInteger(), 3);
  EXPECT_EQ(r.NextText(), "");
  EXPECT_EQ(r.NextText(), "x");
  EXPECT_EQ(r.NextText(), std::nullopt);
}

TEST(LineRecordReader, QuoteInsideATextEndsItEarly) {
  LineRecordReader r("\"say \"hi\" now\",\"next\"\r\n");
  EXPECT_EQ(r.NextText(), "say ");
  EXPECT_EQ(r.NextText(), "next");
}

TEST(LineRecordReader, LineEndsSeparateLikeCommasAndBlanksAreTrimmed) {
  LineRecordReader r("  12 ,\"a\"\r\n\"b\"\n 7\r\n");
  EXPECT_EQ(r.NextInteger(), 12);
  EXPECT_EQ(r.NextText(), "a");
  EXPECT_EQ(r.NextText(), "b");
  EXPECT_EQ(r.NextLong(), 7);
  EXPECT_TRUE(r.AtEnd());
}

TEST(LineRecordReader, EmptyUnquotedValuesAndBadWholes) {
  LineRecordReader r(",,70000,14737632");
  EXPECT_EQ(r.NextText(), "");
  EXPECT_EQ(r.NextText(), "");
  EXPECT_EQ(r.NextInteger(), std::nullopt);  // beyond 16 bits
  EXPECT_EQ(r.NextLong(), 14737632);
}

TEST(LineRecordReader, UnclosedQuoteReadsToTheEnd) {
  LineRecordReader r("\"abc");
  EXPECT_EQ(r.NextText(), "abc");
  EXPECT_EQ(r.NextText(), std::nullopt);
}

}  // namespace
}  // namespace formkit
