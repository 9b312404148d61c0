#include <gtest/gtest.h>

#include <stdlib.h>

#include <cmath>
#include <initializer_list>
#include <limits>
#include <string>
#include <utility>

#include "formkit/fault.h"
#include "formkit/numbers.h"

namespace formkit {
namespace {

// What Val reads from each text.
void ExpectVal(std::initializer_list<std::pair<const char*, double>> cases) {
  for (const auto& [text, value] : cases) EXPECT_EQ(Val(text), value) << '"' << text << '"';
}

TEST(Val, ReadsTheLeadingNumericPart) {
  ExpectVal({{"12abc", 12.0},
             {"", 0.0},
             {"abc", 0.0},
             {"1.2.3", 1.2},
             {".5", 0.5},
             {"-.5", -0.5},
             {"+7", 7.0},
             {"+-7", 0.0},
             {"1,000", 1.0},
             {".", 0.0},
             {"-", 0.0}});
}

TEST(Val, IgnoresBlanksTabsAndLineFeedsAnywhere) {
  ExpectVal({{" 1 000 ", 1000.0}, {"\t- 3\n.5", -3.5}, {"1 e 3", 1000.0}});
  // A carriage return is not ignored: it ends the number.
  EXPECT_EQ(Val("1\r2"), 1.0);
}

TEST(Val, ReadsExponentsWithEOrD) {
  ExpectVal({{"1.5E3", 1500.0},
             {"1.5d3", 1500.0},
             {"25e-1", 2.5},
             {"2e", 2.0},
             {"2e+", 2.0},
             {"1e-400", 0.0}});
  EXPECT_THROW(Val("1e400"), Fault);
}

TEST(Val, ReadsHexAndOctalAsSixteenOrThirtyTwoBitWholes) {
  ExpectVal({{"&H1F", 31.0},
             {"&h1fzz", 31.0},
             {"&O17", 15.0},
             {"&HFFFF", -1.0},
             {"&H10000", 65536.0},
             {"&HFFFFFFFF", -1.0},
             {"&H", 0.0},
             {"&12", 0.0}});
  EXPECT_THROW(Val("&H100000000"), Fault);
}

TEST(Val, SingleOverflowIsAFault) {
  EXPECT_EQ(ValSingle("5.3"), 5.3f);
  EXPECT_THROW(ValSingle("1e39"), Fault);
}

TEST(NumberText, WritesSinglesWithSevenDigits) {
  EXPECT_EQ(NumberText(7.125f), " 7.125");
  EXPECT_EQ(NumberText(0.07455f), " .07455");
  EXPECT_EQ(NumberText(12.0f), " 12");
  EXPECT_EQ(NumberText(-0.5f), "-.5");
  EXPECT_EQ(NumberText(0.0f), " 0");
  EXPECT_EQ(NumberText(-0.0f), " 0");
  EXPECT_EQ(NumberText(18.161f), " 18.161");  // stored as 18.1609993
  EXPECT_EQ(NumberText(1234567.0f), " 1234567");
  EXPECT_EQ(NumberText(12345678.0f), " 1.234568E+07");
  EXPECT_EQ(NumberText(0.0001f), " .0001");
  EXPECT_EQ(NumberText(0.000015f), " 1.5E-05");
}

TEST(NumberText, WritesDoublesWithFifteenDigits) {
  EXPECT_EQ(NumberText(26.156), " 26.156");
  EXPECT_EQ(NumberText(0.1 + 0.2), " .3");
  EXPECT_EQ(NumberText(1.0 / 3.0), " .333333333333333");
  EXPECT_EQ(NumberText(-2.5), "-2.5");
  EXPECT_EQ(NumberText(123456789012345.0), " 123456789012345");
  EXPECT_EQ(NumberText(1e15), " 1E+15");
  EXPECT_EQ(NumberText(8207.0), " 8207");
}

TEST(RoundHalfEven, RoundsTheStoredValue) {
  EXPECT_EQ(RoundHalfEven(2.5, 0), 2.0);
  EXPECT_EQ(RoundHalfEven(3.5, 0), 4.0);
  EXPECT_EQ(RoundHalfEven(-2.5, 0), -2.0);
  EXPECT_EQ(RoundHalfEven(0.125, 2), 0.12);   // 0.125 is exact: a true half
  EXPECT_EQ(RoundHalfEven(0.375, 2), 0.38);
  // 2.675 is stored just below the half, so it goes down.
  EXPECT_EQ(RoundHalfEven(2.675, 2), 2.67);
  EXPECT_EQ(RoundHalfEven(26.1564999, 3), 26.156);
  EXPECT_EQ(RoundHalfEven(1868.5, 0), 1868.0);
  EXPECT_EQ(RoundHalfEven(-0.0004, 3), 0.0);
}

TEST(RoundHalfEven, KeepsSinglePrecision) {
  const float rounded = RoundHalfEven(18.16093f, 3);
  EXPECT_EQ(rounded, 18.161f);
  EXPECT_EQ(NumberText(rounded), " 18.161");
  // 1.0625 is exact in single precision: a half, goes to the even neighbour.
  EXPECT_EQ(RoundHalfEven(1.0625f, 3), 1.062f);
  EXPECT_EQ(RoundHalfEven(0.038725f, 5), 0.03872f);  // stored below the half
}

TEST(ToInteger16, RoundsHalfToEvenAndFaultsOutOfRange) {
  EXPECT_EQ(ToInteger16(2.5), 2);
  EXPECT_EQ(ToInteger16(3.5), 4);
  EXPECT_EQ(ToInteger16(-2.5), -2);
  EXPECT_EQ(ToInteger16(32767.0), 32767);
  EXPECT_EQ(ToInteger16(-32768.5), -32768);
  EXPECT_THROW(ToInteger16(32767.5), Fault);
  EXPECT_THROW(ToInteger16(-32769.0), Fault);
}

TEST(CheckedArithmetic, FaultsLikeTheFormRuntime) {
  EXPECT_THROW(Div(1.0, 0.0), Fault);
  EXPECT_THROW(Div(0.0, 0.0), Fault);
  EXPECT_THROW(Sqrt(-1e-300), Fault);
  EXPECT_EQ(Sqrt(0.0), 0.0);
  EXPECT_THROW(ToSingle(1e39), Fault);
  EXPECT_THROW(Checked(std::numeric_limits<double>::infinity()), Fault);
  EXPECT_EQ(ToSingle(1e-50), 0.0f);
}

TEST(StrictSingle, AcceptsOnlyAWholeNumber) {
  const NumberFormat us{'.', ','};
  EXPECT_EQ(StrictSingle("5.3", us), 5.3f);
  EXPECT_EQ(StrictSingle("  5.3 ", us), 5.3f);
  EXPECT_EQ(StrictSingle("1,000", us), 1000.0f);
  EXPECT_EQ(StrictSingle("-2", us), -2.0f);
  EXPECT_EQ(StrictSingle("2-", us), -2.0f);
  EXPECT_EQ(StrictSingle("(2)", us), -2.0f);
  EXPECT_EQ(StrictSingle("1e1", us), 10.0f);
  EXPECT_EQ(StrictSingle("&H10", us), 16.0f);
  EXPECT_FALSE(StrictSingle("", us));
  EXPECT_FALSE(StrictSingle("   ", us));
  EXPECT_FALSE(StrictSingle("abc", us));
  EXPECT_FALSE(StrictSingle("5.3%", us));
  EXPECT_FALSE(StrictSingle("5 3", us));
  EXPECT_FALSE(StrictSingle("1e", us));
  EXPECT_FALSE(StrictSingle("1e39", us));
  EXPECT_FALSE(StrictSingle(".", us));
}

TEST(StrictSingle, FollowsTheRegionalFormat) {
  const NumberFormat de{',', '.'};
  EXPECT_EQ(StrictSingle("5,3", de), 5.3f);
  EXPECT_EQ(StrictSingle("1.000", de), 1000.0f);
  EXPECT_FALSE(StrictSingle("5,3,1", de));
}

// The C locale names no digit group and an unknown locale nothing at all: both leave the
// programs' own "." and ",".
TEST(UserNumberFormat, KeepsDotAndCommaWhereTheLocaleSaysNothing) {
  const char* before = getenv("LC_ALL");
  const std::string saved = before ? before : "";
  for (const char* locale : {"C", "xx_NOWHERE.UTF-8"}) {
    setenv("LC_ALL", locale, 1);
    const NumberFormat format = UserNumberFormat();
    EXPECT_EQ(format.decimal, u'.') << locale;
    EXPECT_EQ(format.group, u',') << locale;
  }
  if (before) {
    setenv("LC_ALL", saved.c_str(), 1);
  } else {
    unsetenv("LC_ALL");
  }
}

}  // namespace
}  // namespace formkit
