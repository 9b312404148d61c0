// Coercions between variant types, following the automation rules: whole numbers between
// integer types keep their value or overflow; floating point to integer rounds to the
// nearest, an exact half to the even neighbour; anything to BOOL is true when not zero and
// true is -1; numbers to and from text use the user's number format.
#include <cfloat>
#include <cmath>
#include <string>

#include "platform/ascii_case.h"
#include "platform/number_text.h"
#include "platform/variant.h"

namespace platform {
namespace {

bool IsIntegerType(VarType t) {
  switch (t) {
    case VT_I1:
    case VT_I2:
    case VT_I4:
    case VT_I8:
    case VT_INT:
    case VT_UI1:
    case VT_UI2:
    case VT_UI4:
    case VT_UI8:
    case VT_UINT:
    case VT_BOOL:
      return true;
    default:
      return false;
  }
}

bool IsKnownType(uint16_t t) { return t <= VT_UINT && t != 15; }

// A number in transit: a whole number (sign and 64-bit magnitude) or a double.
struct Number {
  bool real = false;
  bool negative = false;
  uint64_t magnitude = 0;
  double value = 0;
};

Number FromInteger(VarType type, int64_t v) {
  Number n;
  if (type == VT_UI8) {
    n.magnitude = static_cast<uint64_t>(v);
  } else {
    n.negative = v < 0;
    n.magnitude = v < 0 ? 0 - static_cast<uint64_t>(v) : static_cast<uint64_t>(v);
  }
  return n;
}

// Rounds a double to a whole number (half to even); false when it does not fit 64 bits.
bool RoundToWhole(double v, Number& n) {
  if (!std::isfinite(v)) return false;
  double r = std::nearbyint(v);
  // nearbyint follows the current rounding mode, which is to-nearest-even by default.
  if (std::fabs(r) >= 18446744073709551616.0) return false;
  n.real = false;
  n.negative = r < 0;
  n.magnitude = static_cast<uint64_t>(std::fabs(r));
  return true;
}

struct Range {
  bool is_signed;
  uint64_t max_magnitude;  // of positive values
};

Range RangeOf(VarType t) {
  switch (t) {
    case VT_I1:
      return {true, INT8_MAX};
    case VT_I2:
    case VT_BOOL:
      return {true, INT16_MAX};
    case VT_I4:
    case VT_INT:
      return {true, INT32_MAX};
    case VT_I8:
      return {true, INT64_MAX};
    case VT_UI1:
      return {false, UINT8_MAX};
    case VT_UI2:
      return {false, UINT16_MAX};
    case VT_UI4:
    case VT_UINT:
      return {false, UINT32_MAX};
    default:
      return {false, UINT64_MAX};
  }
}

// Stores a whole number into an integer type, or reports overflow.
VariantError ToInteger(const Number& n, VarType to, int64_t& out) {
  if (to == VT_BOOL) {
    out = n.magnitude != 0 ? -1 : 0;
    return VariantError::kOk;
  }
  Range range = RangeOf(to);
  if (n.negative && n.magnitude != 0) {
    if (!range.is_signed || n.magnitude > range.max_magnitude + 1) return VariantError::kOverflow;
    out = static_cast<int64_t>(0 - n.magnitude);
    return VariantError::kOk;
  }
  if (n.magnitude > range.max_magnitude) return VariantError::kOverflow;
  out = static_cast<int64_t>(n.magnitude);
  return VariantError::kOk;
}

double ToDouble(const Number& n) {
  if (n.real) return n.value;
  double d = static_cast<double>(n.magnitude);
  return n.negative ? -d : d;
}

// Number text as the coercions to BSTR write it: no digit groups, the user's decimal
// separator, at most `digits` significant digits ("0.5", "1E+15").
std::u16string RealText(double value, int digits) {
  const std::string ascii = WriteNumber(value, digits, NumberWriting{});
  const char16_t decimal = UserNumberFormat().decimal;
  std::u16string text;
  for (char c : ascii) text += c == '.' ? decimal : static_cast<char16_t>(c);
  return text;
}

// Reads a text in the user's number format; a text that is no number is a type mismatch.
VariantError ReadText(std::u16string_view text, Number& n) {
  NumberReading rules;
  rules.format = UserNumberFormat();
  NumberValue value;
  switch (ReadNumber(text, rules, value)) {
    case NumberError::kOk:
      break;
    case NumberError::kNotANumber:
      return VariantError::kTypeMismatch;
    case NumberError::kOverflow:
      return VariantError::kOverflow;
  }
  if (value.exact) {
    n.negative = value.negative;
    n.magnitude = value.magnitude;
  } else {
    n.real = true;
    n.value = value.real;
  }
  return VariantError::kOk;
}

std::u16string_view Trimmed(std::u16string_view t) {
  while (!t.empty() && (t.front() == u' ' || t.front() == u'\t')) t.remove_prefix(1);
  while (!t.empty() && (t.back() == u' ' || t.back() == u'\t')) t.remove_suffix(1);
  return t;
}

}  // namespace

VariantError Variant::ChangeType(VarType to) {
  if (!IsKnownType(to)) return VariantError::kBadVarType;
  if (to == type_) return VariantError::kOk;
  // Any value but an error clears to EMPTY (NULL excepted) or NULL.
  if (to == VT_EMPTY || to == VT_NULL) {
    if (type_ == VT_ERROR || (to == VT_EMPTY && type_ == VT_NULL)) {
      return VariantError::kTypeMismatch;
    }
    *this = to == VT_EMPTY ? Variant() : Null();
    return VariantError::kOk;
  }
  const bool target_ok = IsIntegerType(to) || to == VT_R4 || to == VT_R8 || to == VT_BSTR;
  if (!target_ok || type_ == VT_NULL || type_ == VT_ERROR) return VariantError::kTypeMismatch;

  // Read the source as a number (or, for a text target, write it out directly).
  Number n;
  if (type_ == VT_EMPTY) {
    if (to == VT_BSTR) {
      *this = Text(u"");
      return VariantError::kOk;
    }
  } else if (IsIntegerType(type_)) {
    if (to == VT_BSTR) {
      *this = Utf8(type_ == VT_UI8 ? std::to_string(static_cast<uint64_t>(int_))
                                   : std::to_string(int_));
      return VariantError::kOk;
    }
    n = FromInteger(type_, int_);
    // True (-1) taken as an unsigned type is all ones.
    if (type_ == VT_BOOL && n.negative && !RangeOf(to).is_signed && to != VT_BOOL &&
        IsIntegerType(to)) {
      n.negative = false;
      n.magnitude = RangeOf(to).max_magnitude;
    }
  } else if (type_ == VT_R4 || type_ == VT_R8) {
    if (to == VT_BSTR) {
      *this = Text(RealText(real_, type_ == VT_R4 ? 7 : 15));
      return VariantError::kOk;
    }
    n.real = true;
    n.value = real_;
  } else if (type_ == VT_BSTR) {
    if (to == VT_BOOL) {
      std::u16string_view t = Trimmed(text_);
      if (EqualsIgnoringCase(t, u"true")) return *this = Bool(true), VariantError::kOk;
      if (EqualsIgnoringCase(t, u"false")) return *this = Bool(false), VariantError::kOk;
    }
    VariantError e = ReadText(text_, n);
    if (e != VariantError::kOk) return e;
  } else {
    return VariantError::kTypeMismatch;
  }

  if (to == VT_R8) {
    *this = R8(ToDouble(n));
    return VariantError::kOk;
  }
  if (to == VT_R4) {
    double d = ToDouble(n);
    if (std::isfinite(d) && std::fabs(d) > FLT_MAX) return VariantError::kOverflow;
    *this = R4(static_cast<float>(d));
    return VariantError::kOk;
  }
  if (n.real) {
    if (to == VT_BOOL) {
      *this = Bool(n.value != 0);
      return VariantError::kOk;
    }
    if (!RoundToWhole(n.value, n)) return VariantError::kOverflow;
  }
  int64_t value;
  VariantError e = ToInteger(n, to, value);
  if (e != VariantError::kOk) return e;
  *this = Integer(to, value);
  return VariantError::kOk;
}

}  // namespace platform
