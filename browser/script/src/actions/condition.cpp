// The comparison rules of conditions. Both sides are first converted to one type; equality
// and order then look at the stored values the way that type holds them.
#include "condition.h"

#include <string>

namespace browser {
namespace {

using platform::Variant;
using platform::VariantError;
using platform::VarType;

bool Equal(const Variant& a, const Variant& b) {
  switch (a.type()) {
    case platform::VT_EMPTY:
    case platform::VT_NULL:
      return true;
    case platform::VT_I2:
    case platform::VT_BOOL:
      return static_cast<int16_t>(a.IntValue()) == static_cast<int16_t>(b.IntValue());
    case platform::VT_I4:
    case platform::VT_DISPATCH:
    case platform::VT_ERROR:
    case platform::VT_UNKNOWN:
      return static_cast<int32_t>(a.IntValue()) == static_cast<int32_t>(b.IntValue());
    case platform::VT_R4:
    case platform::VT_R8:
      return a.RealValue() == b.RealValue();
    case platform::VT_UI1:
      return static_cast<uint8_t>(a.IntValue()) == static_cast<uint8_t>(b.IntValue());
    case platform::VT_BSTR:
      return a.TextValue() == b.TextValue();
    default:
      return false;
  }
}

// Compares `count` characters of two texts as their little-endian byte sequences: low byte
// first, then high byte.
int CompareBytes(const std::u16string& a, const std::u16string& b, size_t count) {
  for (size_t i = 0; i < count; ++i) {
    const int a_lo = a[i] & 0xFF, b_lo = b[i] & 0xFF;
    if (a_lo != b_lo) return a_lo < b_lo ? -1 : 1;
    const int a_hi = a[i] >> 8, b_hi = b[i] >> 8;
    if (a_hi != b_hi) return a_hi < b_hi ? -1 : 1;
  }
  return 0;
}

template <typename T>
int Order(T a, T b) {
  return a < b ? -1 : (a > b ? 1 : 0);
}

// The order of two whole numbers held as `T`.
template <typename T>
int OrderAs(const Variant& a, const Variant& b) {
  return Order(static_cast<T>(a.IntValue()), static_cast<T>(b.IntValue()));
}

// Less (`less` true) or Greater of `a` against `b`.
bool Ordered(const Variant& a, const Variant& b, bool less) {
  int order;
  switch (a.type()) {
    case platform::VT_EMPTY:
    case platform::VT_NULL:
      return true;
    case platform::VT_I2:
    case platform::VT_BOOL:
    case platform::VT_I1:
    case platform::VT_INT:
      order = OrderAs<int16_t>(a, b);
      break;
    case platform::VT_I4:
    case platform::VT_ERROR:
    case platform::VT_I8:
      order = OrderAs<int32_t>(a, b);
      break;
    case platform::VT_UI2:
    case platform::VT_UINT:
      order = OrderAs<uint16_t>(a, b);
      break;
    case platform::VT_UI4:
    case platform::VT_UI8:
    case platform::VT_DISPATCH:
    case platform::VT_UNKNOWN:
      order = OrderAs<uint32_t>(a, b);
      break;
    case platform::VT_UI1:
      order = OrderAs<uint8_t>(a, b);
      break;
    case platform::VT_R4:
    case platform::VT_R8:
    case platform::VT_DECIMAL:
      order = Order(a.RealValue(), b.RealValue());
      break;
    case platform::VT_BSTR: {
      const std::u16string& l = a.TextValue();
      const std::u16string& r = b.TextValue();
      // Texts order by length first; only then do their common bytes decide.
      if (less) return l.size() < r.size() && CompareBytes(l, r, l.size()) < 0;
      return l.size() > r.size() && CompareBytes(l, r, r.size()) >= 0;
    }
    default:
      return false;
  }
  return less ? order < 0 : order > 0;
}

}  // namespace

bool EvaluateCondition(const Variant& left_in, const Variant& right_in, int32_t op) {
  // Values already of the comparison type are compared where they are, so comparing long
  // texts costs no copies; only a side that needs converting is converted.
  VarType type = left_in.type();
  Variant left_converted, right_converted;
  const Variant* left_value = &left_in;
  const Variant* right_value = &right_in;
  VariantError e = VariantError::kOk;
  if (type == platform::VT_UI2 || type == platform::VT_UI4) {
    const Variant text = Variant::Converted(left_in, platform::VT_BSTR, &e);
    if (e != VariantError::kOk) return false;
    type = type == platform::VT_UI2 ? platform::VT_I4 : platform::VT_R8;
    left_converted = Variant::Converted(text, type, &e);
    if (e != VariantError::kOk) return false;
    left_value = &left_converted;
  }
  if (right_in.type() != type) {
    right_converted = Variant::Converted(right_in, type, &e);
    if (e != VariantError::kOk) return false;
    right_value = &right_converted;
  }
  const Variant& left = *left_value;
  const Variant& right = *right_value;

  switch (op) {
    case kIsFalse:
      return left.LowWord() == 0;
    case kIsTrue:
      return left.LowWord() != 0;
    case kEqual:
      return Equal(left, right);
    case kLess:
      return Ordered(left, right, true);
    case kLessOrEqual:
      return Ordered(left, right, true) || Equal(left, right);
    case kGreater:
      return Ordered(left, right, false);
    case kGreaterOrEqual:
      return Ordered(left, right, false) || Equal(left, right);
    default:
      return false;
  }
}

}  // namespace browser
