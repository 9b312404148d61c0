#pragma once

#include "platform/variant.h"

namespace browser {

// Operators of "IF/WHILE Statement" by their numbers in documents.
enum ConditionOperator : int32_t {
  kIsFalse = 0,
  kIsTrue = 1,
  kEqual = 2,
  kLess = 3,
  kLessOrEqual = 4,
  kGreater = 5,
  kGreaterOrEqual = 6,
};

// Compares `left` with `right` in the left value's type (a UI2 left side as I4 and a UI4 one
// as R8, both by way of text). False when either side does not convert or the operator is
// unknown. IsFalse and IsTrue test the low 16 bits of the converted left value.
bool EvaluateCondition(const platform::Variant& left, const platform::Variant& right,
                       int32_t op);

}  // namespace browser
