// The comparison rules of conditions. Both sides are first converted to one type; equality
// and order then look at the stored values the way that type holds them.
#include "condition.h"

#include <string>

namespace browser {
namespace {

using platform::Variant;
using platform::VariantError;
using platform::VarType;

// How the values of one type compare: not at all, always (an empty or null value), as a whole
// number held in a width, as a real number or as a text.
enum class ComparedAs { kNever, kAlways, kInt16, kInt32, kUInt16, kUInt32, kUInt8, kReal, kText };

struct TypeRule {
  VarType type;
  ComparedAs equality;
  ComparedAs order;
};

// Equality knows fewer types than order does, and holds some types in other widths. A type
// not listed compares as neither.
constexpr TypeRule kTypeRules[] = {
    // clang-format off
    {platform::VT_EMPTY,    ComparedAs::kAlways, ComparedAs::kAlways},
    {platform::VT_NULL,     ComparedAs::kAlways, ComparedAs::kAlways},
    {platform::VT_I2,       ComparedAs::kInt16,  ComparedAs::kInt16},
    {platform::VT_BOOL,     ComparedAs::kInt16,  ComparedAs::kInt16},
    {platform::VT_I1,       ComparedAs::kNever,  ComparedAs::kInt16},
    {platform::VT_INT,      ComparedAs::kNever,  ComparedAs::kInt16},
    {platform::VT_I4,       ComparedAs::kInt32,  ComparedAs::kInt32},
    {platform::VT_ERROR,    ComparedAs::kInt32,  ComparedAs::kInt32},
    {platform::VT_I8,       ComparedAs::kNever,  ComparedAs::kInt32},
    {platform::VT_DISPATCH, ComparedAs::kInt32,  ComparedAs::kUInt32},
    {platform::VT_UNKNOWN,  ComparedAs::kInt32,  ComparedAs::kUInt32},
    {platform::VT_UI2,      ComparedAs::kNever,  ComparedAs::kUInt16},
    {platform::VT_UINT,     ComparedAs::kNever,  ComparedAs::kUInt16},
    {platform::VT_UI4,      ComparedAs::kNever,  ComparedAs::kUInt32},
    {platform::VT_UI8,      ComparedAs::kNever,  ComparedAs::kUInt32},
    {platform::VT_UI1,      ComparedAs::kUInt8,  ComparedAs::kUInt8},
    {platform::VT_R4,       ComparedAs::kReal,   ComparedAs::kReal},
    {platform::VT_R8,       ComparedAs::kReal,   ComparedAs::kReal},
    {platform::VT_DECIMAL,  ComparedAs::kNever,  ComparedAs::kReal},
    {platform::VT_BSTR,     ComparedAs::kText,   ComparedAs::kText},
    // clang-format on
};

constexpr TypeRule kNeither{platform::VT_EMPTY, ComparedAs::kNever, ComparedAs::kNever};

const TypeRule& RuleFor(VarType type) {
  for (const TypeRule& rule : kTypeRules) {
    if (rule.type == type) return rule;
  }
  return kNeither;
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

// The order of two numbers read as `as` says: a whole number's width, else as reals.
int OrderNumbers(const Variant& a, const Variant& b, ComparedAs as) {
  switch (as) {
    case ComparedAs::kInt16:
      return OrderAs<int16_t>(a, b);
    case ComparedAs::kInt32:
      return OrderAs<int32_t>(a, b);
    case ComparedAs::kUInt16:
      return OrderAs<uint16_t>(a, b);
    case ComparedAs::kUInt32:
      return OrderAs<uint32_t>(a, b);
    case ComparedAs::kUInt8:
      return OrderAs<uint8_t>(a, b);
    default:
      return Order(a.RealValue(), b.RealValue());
  }
}

bool Equal(const Variant& a, const Variant& b) {
  const ComparedAs as = RuleFor(a.type()).equality;
  if (as == ComparedAs::kNever || as == ComparedAs::kAlways) return as == ComparedAs::kAlways;
  if (as == ComparedAs::kText) return a.TextValue() == b.TextValue();
  // Not by their order: a NaN equals nothing.
  if (as == ComparedAs::kReal) return a.RealValue() == b.RealValue();
  return OrderNumbers(a, b, as) == 0;
}

// Less (`less` true) or Greater of `a` against `b`.
bool Ordered(const Variant& a, const Variant& b, bool less) {
  const ComparedAs as = RuleFor(a.type()).order;
  if (as == ComparedAs::kNever || as == ComparedAs::kAlways) return as == ComparedAs::kAlways;
  if (as == ComparedAs::kText) {
    const std::u16string& l = a.TextValue();
    const std::u16string& r = b.TextValue();
    // Texts order by length first; only then do their common bytes decide.
    if (less) return l.size() < r.size() && CompareBytes(l, r, l.size()) < 0;
    return l.size() > r.size() && CompareBytes(l, r, r.size()) >= 0;
  }
  const int order = OrderNumbers(a, b, as);
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
