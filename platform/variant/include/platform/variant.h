#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/number_text.h"

namespace platform {

// Type codes of automation variants, numbered as the automation standard numbers them
// (documents store these numbers).
enum VarType : uint16_t {
  VT_EMPTY = 0,
  VT_NULL = 1,
  VT_I2 = 2,
  VT_I4 = 3,
  VT_R4 = 4,
  VT_R8 = 5,
  VT_CY = 6,
  VT_DATE = 7,
  VT_BSTR = 8,
  VT_DISPATCH = 9,
  VT_ERROR = 10,
  VT_BOOL = 11,
  VT_VARIANT = 12,
  VT_UNKNOWN = 13,
  VT_DECIMAL = 14,
  VT_I1 = 16,
  VT_UI1 = 17,
  VT_UI2 = 18,
  VT_UI4 = 19,
  VT_I8 = 20,
  VT_UI8 = 21,
  VT_INT = 22,
  VT_UINT = 23,
};

// Failure codes of a coercion, with the automation standard's values.
enum class VariantError : int32_t {
  kOk = 0,
  kBadVarType = static_cast<int32_t>(0x80020008),
  kOverflow = static_cast<int32_t>(0x8002000A),
  kTypeMismatch = static_cast<int32_t>(0x80020005),
};

// A typed value: a type code and the value of that type. Texts are 16-bit characters; the
// rest of the system hands them over as UTF-8 (Utf8 / TextUtf8).
//
// Supported value types: EMPTY, NULL, I1, I2, I4, I8, INT, UI1, UI2, UI4, UI8, UINT, R4, R8,
// BOOL (true is -1), BSTR and ERROR (a failure code). Types without a value representation
// here (CY, DATE, DISPATCH, UNKNOWN, DECIMAL, VARIANT) are never produced: coercing to them
// fails with kTypeMismatch (or kBadVarType for codes the standard does not define).
class Variant {
 public:
  Variant() = default;

  static Variant Null();
  static Variant I1(int8_t v) { return Integer(VT_I1, v); }
  static Variant I2(int16_t v) { return Integer(VT_I2, v); }
  static Variant I4(int32_t v) { return Integer(VT_I4, v); }
  static Variant I8(int64_t v) { return Integer(VT_I8, v); }
  static Variant Int(int32_t v) { return Integer(VT_INT, v); }
  static Variant UI1(uint8_t v) { return Integer(VT_UI1, v); }
  static Variant UI2(uint16_t v) { return Integer(VT_UI2, v); }
  static Variant UI4(uint32_t v) { return Integer(VT_UI4, v); }
  static Variant UI8(uint64_t v) { return Integer(VT_UI8, static_cast<int64_t>(v)); }
  static Variant UInt(uint32_t v) { return Integer(VT_UINT, v); }
  static Variant R4(float v);
  static Variant R8(double v);
  static Variant Bool(bool v) { return Integer(VT_BOOL, v ? -1 : 0); }
  static Variant Text(std::u16string text);
  static Variant Utf8(std::string_view text);
  static Variant Error(int32_t code) { return Integer(VT_ERROR, code); }

  VarType type() const { return type_; }
  bool IsText() const { return type_ == VT_BSTR; }

  // The value of an integer type, BOOL (-1 or 0) or ERROR, sign- or zero-extended by the
  // type (a UI8 above INT64_MAX comes back negative). 0 for every other type.
  int64_t IntValue() const { return int_; }
  // The value of R4 or R8; 0 for every other type.
  double RealValue() const { return real_; }
  // The text of a BSTR; empty for every other type.
  const std::u16string& TextValue() const { return text_; }
  // The low 16 bits of the value as it is stored: the integer's low bits, the low bits of
  // the floating-point representation for R4 and R8; 0 for EMPTY and NULL; a text counts as
  // non-zero (1).
  uint16_t LowWord() const;

  // Changes the value in place to `to` by the automation coercion rules (numbers from and
  // to text in the user's number format). On failure the value is unchanged and the error
  // says why (kOverflow when the value does not fit the type).
  VariantError ChangeType(VarType to);
  // A copy of `from` coerced to `to`. A failed coercion gives an ERROR variant holding the
  // failure code; `error` (when given) receives the outcome.
  static Variant Converted(const Variant& from, VarType to, VariantError* error = nullptr);

  // The value as UTF-8 text by coercion to BSTR; nothing when that coercion fails.
  std::optional<std::string> TextUtf8() const;

 private:
  static Variant Integer(VarType type, int64_t value);

  VarType type_ = VT_EMPTY;
  int64_t int_ = 0;
  double real_ = 0;  // R4 values are kept exactly as floats would hold them
  std::u16string text_;
};

// The user's number format: the decimal and digit-group separators of LC_NUMERIC in the
// environment (read once; the first character of each, u'\0' for a locale without digit
// groups; "." and none when the locale cannot be loaded), unless a test has pinned one.
NumberFormat UserNumberFormat();
// Pins the format for the rest of the process (tests); nothing restores the environment's.
void SetUserNumberFormat(NumberFormat format);

// UTF-8 to 16-bit text and back. A byte that does not start a valid UTF-8 sequence is taken
// as the Latin-1 character of the same value, so any byte string converts; unpaired
// surrogates become U+FFFD on the way out.
std::u16string Utf8ToText(std::string_view utf8);
std::string TextToUtf8(std::u16string_view text);

}  // namespace platform
