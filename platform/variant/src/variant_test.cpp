#include "platform/variant.h"

#include <gtest/gtest.h>

namespace platform {
namespace {

class VariantTest : public ::testing::Test {
 protected:
  void SetUp() override { SetUserNumberFormat({u'.', u'\0'}); }
};

Variant To(const Variant& v, VarType t, VariantError* e = nullptr) {
  return Variant::Converted(v, t, e);
}

TEST_F(VariantTest, TextToNumbers) {
  EXPECT_EQ(To(Variant::Utf8("3"), VT_I4).IntValue(), 3);
  EXPECT_EQ(To(Variant::Utf8("  -42 "), VT_I4).IntValue(), -42);
  EXPECT_EQ(To(Variant::Utf8("(7)"), VT_I2).IntValue(), -7);
  EXPECT_EQ(To(Variant::Utf8("&H10"), VT_I4).IntValue(), 16);
  EXPECT_EQ(To(Variant::Utf8("&o17"), VT_I4).IntValue(), 15);
  EXPECT_DOUBLE_EQ(To(Variant::Utf8("1.5e3"), VT_R8).RealValue(), 1500.0);
  // Whole-number targets round half to even.
  EXPECT_EQ(To(Variant::Utf8("2.5"), VT_I4).IntValue(), 2);
  EXPECT_EQ(To(Variant::Utf8("3.5"), VT_I4).IntValue(), 4);
  EXPECT_EQ(To(Variant::Utf8("-2.5"), VT_I2).IntValue(), -2);
  EXPECT_EQ(To(Variant::Utf8("4294967295"), VT_UI4).IntValue(), 4294967295);
}

TEST_F(VariantTest, TextThatIsNoNumberFails) {
  for (const char* text : {"", "  ", "abc", "1x", "1.2.3", "--1", "&H", "&HG", "1e", "(1"}) {
    VariantError e;
    Variant v = To(Variant::Utf8(text), VT_I4, &e);
    EXPECT_EQ(e, VariantError::kTypeMismatch) << text;
    EXPECT_EQ(v.type(), VT_ERROR) << text;
    EXPECT_EQ(v.IntValue(), static_cast<int32_t>(VariantError::kTypeMismatch));
  }
}

TEST_F(VariantTest, OverflowIsAFailedConversion) {
  VariantError e;
  To(Variant::Utf8("32768"), VT_I2, &e);
  EXPECT_EQ(e, VariantError::kOverflow);
  To(Variant::Utf8("-32768"), VT_I2, &e);
  EXPECT_EQ(e, VariantError::kOk);
  To(Variant::I4(-1), VT_UI4, &e);
  EXPECT_EQ(e, VariantError::kOverflow);
  To(Variant::R8(2147483647.5), VT_I4, &e);  // rounds to 2^31
  EXPECT_EQ(e, VariantError::kOverflow);
  To(Variant::I4(256), VT_UI1, &e);
  EXPECT_EQ(e, VariantError::kOverflow);
  To(Variant::R8(1e39), VT_R4, &e);
  EXPECT_EQ(e, VariantError::kOverflow);
  To(Variant::Utf8("1e400"), VT_R8, &e);
  EXPECT_EQ(e, VariantError::kOverflow);
  // In place, a failure leaves the value as it was.
  Variant v = Variant::I4(70000);
  EXPECT_EQ(v.ChangeType(VT_I2), VariantError::kOverflow);
  EXPECT_EQ(v.type(), VT_I4);
  EXPECT_EQ(v.IntValue(), 70000);
}

TEST_F(VariantTest, Booleans) {
  EXPECT_EQ(Variant::Bool(true).IntValue(), -1);
  EXPECT_EQ(To(Variant::I4(5), VT_BOOL).IntValue(), -1);
  EXPECT_EQ(To(Variant::R8(0.25), VT_BOOL).IntValue(), -1);
  EXPECT_EQ(To(Variant::Utf8("True"), VT_BOOL).IntValue(), -1);
  EXPECT_EQ(To(Variant::Utf8(" false "), VT_BOOL).IntValue(), 0);
  EXPECT_EQ(To(Variant::Utf8("0"), VT_BOOL).IntValue(), 0);
  EXPECT_EQ(To(Variant::Utf8("yes"), VT_BOOL).type(), VT_ERROR);
  EXPECT_EQ(*Variant::Bool(true).TextUtf8(), "-1");
  EXPECT_EQ(*Variant::Bool(false).TextUtf8(), "0");
  EXPECT_EQ(To(Variant::Bool(true), VT_I4).IntValue(), -1);
  EXPECT_EQ(To(Variant::Bool(true), VT_UI2).IntValue(), 65535);
}

TEST_F(VariantTest, NumbersToText) {
  EXPECT_EQ(*Variant::I4(-12).TextUtf8(), "-12");
  EXPECT_EQ(*Variant::UI4(4294967295u).TextUtf8(), "4294967295");
  EXPECT_EQ(*Variant::R8(1.5).TextUtf8(), "1.5");
  EXPECT_EQ(*Variant::R8(0.1 + 0.2).TextUtf8(), "0.3");
  EXPECT_EQ(*Variant::R8(1e15).TextUtf8(), "1E+15");
  EXPECT_EQ(*Variant::R8(123456789012345.0).TextUtf8(), "123456789012345");
  EXPECT_EQ(*Variant::R8(0.00001).TextUtf8(), "1E-05");
  EXPECT_EQ(*Variant::R8(-0.0).TextUtf8(), "0");
  EXPECT_EQ(*Variant::R4(0.1f).TextUtf8(), "0.1");
  EXPECT_EQ(*Variant().TextUtf8(), "");
  EXPECT_FALSE(Variant::Null().TextUtf8().has_value());
  EXPECT_FALSE(Variant::Error(5).TextUtf8().has_value());
}

TEST_F(VariantTest, UserNumberFormatAppliesBothWays) {
  SetUserNumberFormat({u',', u'.'});
  EXPECT_EQ(*Variant::R8(1.5).TextUtf8(), "1,5");
  EXPECT_DOUBLE_EQ(To(Variant::Utf8("1.234,5"), VT_R8).RealValue(), 1234.5);
  EXPECT_EQ(To(Variant::Utf8("1.5"), VT_I4).IntValue(), 15);  // "." groups digits here
  SetUserNumberFormat({u'.', u','});
  EXPECT_EQ(To(Variant::Utf8("1,000"), VT_I4).IntValue(), 1000);
  EXPECT_EQ(To(Variant::Utf8(",1"), VT_I4).type(), VT_ERROR);  // a group needs digits before it
}

TEST_F(VariantTest, EmptyNullAndError) {
  EXPECT_EQ(To(Variant(), VT_I4).IntValue(), 0);
  EXPECT_EQ(To(Variant(), VT_I4).type(), VT_I4);
  EXPECT_EQ(To(Variant::I4(3), VT_EMPTY).type(), VT_EMPTY);
  EXPECT_EQ(To(Variant::Null(), VT_I4).type(), VT_ERROR);
  EXPECT_EQ(To(Variant::Null(), VT_BSTR).type(), VT_ERROR);
  EXPECT_EQ(To(Variant::Utf8("x"), VT_NULL).type(), VT_NULL);
  EXPECT_EQ(To(Variant::Null(), VT_EMPTY).type(), VT_ERROR);
  EXPECT_EQ(To(Variant::Error(1), VT_EMPTY).type(), VT_ERROR);
  EXPECT_EQ(To(Variant::Error(1), VT_I4).type(), VT_ERROR);
  VariantError e;
  To(Variant::I4(1), static_cast<VarType>(15), &e);
  EXPECT_EQ(e, VariantError::kBadVarType);
  To(Variant::I4(1), VT_DISPATCH, &e);
  EXPECT_EQ(e, VariantError::kTypeMismatch);
}

TEST_F(VariantTest, LowWordIsTheStoredValue) {
  EXPECT_EQ(Variant::I4(65536).LowWord(), 0);
  EXPECT_EQ(Variant::I4(65537).LowWord(), 1);
  EXPECT_EQ(Variant::R8(1.0).LowWord(), 0);  // 0x3FF0000000000000
  EXPECT_EQ(Variant::Bool(true).LowWord(), 0xFFFF);
  EXPECT_NE(Variant::Utf8("").LowWord(), 0);
  EXPECT_EQ(Variant().LowWord(), 0);
}

TEST(TextEncoding, RoundTripsAndKeepsStrayBytes) {
  EXPECT_EQ(Utf8ToText("Gr\xC3\xBC\xC3\x9F" "e \xF0\x9F\x98\x80"), u"Grüße 😀");
  EXPECT_EQ(TextToUtf8(u"Grüße 😀"), "Gr\xC3\xBC\xC3\x9F" "e \xF0\x9F\x98\x80");
  // A Latin-1 byte that is not UTF-8 is kept as that character.
  EXPECT_EQ(Utf8ToText("caf\xE9"), u"café");
  EXPECT_EQ(Utf8ToText("\xC0\xAF"), u"\u00C0\u00AF");  // overlong form
  EXPECT_EQ(TextToUtf8(std::u16string(1, char16_t{0xD800})), "\xEF\xBF\xBD");
}

}  // namespace
}  // namespace platform
