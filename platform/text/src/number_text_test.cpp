#include "platform/number_text.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <cmath>
#include <limits>
#include <string>

#include "platform/locale_numbers.h"

namespace platform {
namespace {

// The variant coercions read with the defaults; the form programs' strict reading is this.
NumberReading FormRules() {
  NumberReading rules;
  rules.format = {u'.', u','};
  rules.blanks = Blanks::kSpaceAndTab;
  rules.trailing_sign = true;
  rules.radix = RadixForm::kSignedWord;
  return rules;
}

NumberReading CoercionRules() {
  NumberReading rules;
  rules.format = {u'.', u','};
  return rules;
}

// "-16" for an exact whole, "~2.5" for a double, or the error.
template <typename Text>
std::string Read(const Text& text, const NumberReading& rules) {
  NumberValue value;
  switch (ReadNumber(text, rules, value)) {
    case NumberError::kNotANumber:
      return "no number";
    case NumberError::kOverflow:
      return "overflow";
    case NumberError::kOk:
      break;
  }
  if (!value.exact) return "~" + WriteNumber(value.real, 17, {});
  const double whole = static_cast<double>(value.magnitude);
  EXPECT_EQ(value.real, value.negative ? -whole : whole);
  return (value.negative && value.magnitude ? "-" : "") + std::to_string(value.magnitude);
}

std::string Printable(std::u16string_view text) {
  std::string out;
  for (char16_t c : text) out += c >= 0x20 && c < 0x7F ? static_cast<char>(c) : '?';
  return out;
}

TEST(ReadNumber, WhereTheCoercionsAndTheFormsDiffer) {
  struct Case {
    const char16_t* text;
    const char* coercion;
    const char* form;
  } cases[] = {
      {u"2-", "no number", "-2"},
      {u"1e3+", "no number", "~1000"},
      {u"&HFFFF", "65535", "-1"},
      {u"&H10000", "65536", "65536"},
      {u"&HFFFFFFFF", "4294967295", "-1"},
      {u"&H100000000", "4294967296", "overflow"},
      {u"&HFFFFFFFFFFFFFFFF", "18446744073709551615", "overflow"},
      {u"&H10000000000000000", "overflow", "overflow"},
      {u"&O177777", "65535", "-1"},
      {u"-&H10", "no number", "-16"},
      {u"(&H10)", "no number", "-16"},
      {u"&H10-", "no number", "-16"},
      {u"-&HFFFF", "no number", "1"},
      {u"\n5\r", "5", "no number"},
      {u"\u00A05", "5", "no number"},
  };
  for (const Case& c : cases) {
    const std::u16string_view text(c.text);
    EXPECT_EQ(Read(text, CoercionRules()), c.coercion) << Printable(text);
    EXPECT_EQ(Read(text, FormRules()), c.form) << Printable(text);
  }
}

TEST(ReadNumber, WhereTheyAgree) {
  struct Case {
    const char16_t* text;
    const char* both;
  } cases[] = {
      {u" 42\t", "42"},
      {u"(7)", "-7"},
      {u"-0", "0"},
      {u"1,000.0", "1000"},
      {u"2.5", "~2.5"},
      {u"1.5D3", "~1500"},
      {u"18446744073709551615", "18446744073709551615"},
      {u"18446744073709551616", "~1.8446744073709552E+19"},
      {u"1e400", "overflow"},
      {u"1e-400", "~0"},
      {u"", "no number"},
      {u",1", "no number"},
      {u"1.5,0", "no number"},
      {u"-2-", "no number"},
      {u"(2-)", "no number"},
      {u"(-2)", "no number"},
      {u"1e", "no number"},
      {u"&H", "no number"},
      {u"&O8", "no number"},
      {u"&X1", "no number"},
  };
  for (const Case& c : cases) {
    const std::u16string_view text(c.text);
    EXPECT_EQ(Read(text, CoercionRules()), c.both) << Printable(text);
    EXPECT_EQ(Read(text, FormRules()), c.both) << Printable(text);
  }
}

TEST(ReadNumber, KeepsTheSignOfAZero) {
  NumberValue value;
  ASSERT_EQ(ReadNumber(u"-0.0", CoercionRules(), value), NumberError::kOk);
  EXPECT_TRUE(std::signbit(value.real));
  ASSERT_EQ(ReadNumber("-&H0", FormRules(), value), NumberError::kOk);
  EXPECT_TRUE(std::signbit(value.real));
}

TEST(ReadNumber, ByteTextsReadOneByteToACharacter) {
  NumberReading rules = FormRules();
  rules.format = {u',', u'\u00A0'};  // a Latin-1 no-break space groups the digits
  EXPECT_EQ(Read(std::string("1") + '\xA0' + "000,5", rules), "~1000.5");
  EXPECT_EQ(Read(std::string("1") + "\xC2\xA0" + "000,5", rules), "no number");
  rules.format.group = u'\0';  // no grouping: not even a zero byte groups
  EXPECT_EQ(Read(std::string("1") + '\0' + "000", rules), "no number");
}

TEST(ReadLeadingNumber, OverflowLeavesTheValue) {
  double value = 7;
  EXPECT_EQ(ReadLeadingNumber("1e400", value), NumberError::kOverflow);
  EXPECT_EQ(ReadLeadingNumber("&H100000000", value), NumberError::kOverflow);
  EXPECT_EQ(value, 7);
  EXPECT_EQ(ReadLeadingNumber("-&H10", value), NumberError::kOk);  // no sign before &H
  EXPECT_EQ(value, 0);
}

TEST(WriteNumber, BlankAndZeroBeforeThePoint) {
  const NumberWriting coercion;
  const NumberWriting label{.blank_before_positive = true, .zero_before_point = false};
  EXPECT_EQ(WriteNumber(0.5, 15, coercion), "0.5");
  EXPECT_EQ(WriteNumber(0.5, 15, label), " .5");
  EXPECT_EQ(WriteNumber(-0.5, 15, coercion), "-0.5");
  EXPECT_EQ(WriteNumber(-0.5, 15, label), "-.5");
  EXPECT_EQ(WriteNumber(-0.0, 15, coercion), "0");
  EXPECT_EQ(WriteNumber(-0.0, 15, label), " 0");
  EXPECT_EQ(WriteNumber(10.25, 15, label), " 10.25");
  EXPECT_EQ(WriteNumber(0.00001, 15, coercion), "1E-05");
  // Seven digits of a single: the value it holds, not the double nearest the text.
  EXPECT_EQ(WriteNumber(18.161f, 7, coercion), "18.161");
  EXPECT_EQ(WriteNumber(12345678.0f, 7, coercion), "1.234568E+07");
}

TEST(WriteNumber, ValuesBeyondTheNumbers) {
  const double inf = std::numeric_limits<double>::infinity();
  const double nan = std::numeric_limits<double>::quiet_NaN();
  EXPECT_EQ(WriteNumber(inf, 15, {}), "1.#INF");
  EXPECT_EQ(WriteNumber(-inf, 15, {}), "-1.#INF");
  EXPECT_EQ(WriteNumber(nan, 15, {}), "1.#QNAN");
  EXPECT_EQ(WriteNumber(inf, 7, {.blank_before_positive = true}), " 1.#INF");
}

TEST(EnvironmentNumberSeparators, FromTheLocaleTheEnvironmentNames) {
  const char* before = getenv("LC_ALL");
  const std::string saved = before ? before : "";
  setenv("LC_ALL", "C", 1);
  const auto c = EnvironmentNumberSeparators();
  ASSERT_TRUE(c.has_value());
  EXPECT_EQ(c->decimal, ".");
  EXPECT_EQ(c->group, "");
  setenv("LC_ALL", "xx_NOWHERE.UTF-8", 1);
  EXPECT_FALSE(EnvironmentNumberSeparators().has_value());
  if (before)
    setenv("LC_ALL", saved.c_str(), 1);
  else
    unsetenv("LC_ALL");
}

TEST(ParseDecimal, FollowsNoLocale) {
  EXPECT_EQ(ParseDecimal("-12.5e3"), -12500.0);
  EXPECT_EQ(ParseDecimalSingle("0.1"), 0.1f);
  EXPECT_EQ(ParseDecimal("1,5"), 1.0);  // a comma ends the number
}

}  // namespace
}  // namespace platform
