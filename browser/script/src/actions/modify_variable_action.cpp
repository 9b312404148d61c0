// "Modify Variable": changes an existing variable by another variable's value or a constant
// ("Equals", "Plus", "Minus", "Times", "Divide"). It never creates a variable.
#include <type_traits>

#include "browser/script/key_reader.h"
#include "browser/script/script_item.h"
#include "browser/script/variables.h"
#include "stored_result.h"

namespace browser {
namespace {

using platform::Variant;

enum class Op { kPlus, kMinus, kTimes, kDivide, kNone };

Op ParseOp(std::string_view op) {
  if (op == "Plus") return Op::kPlus;
  if (op == "Minus") return Op::kMinus;
  if (op == "Times") return Op::kTimes;
  if (op == "Divide") return Op::kDivide;
  return Op::kNone;
}

// The four operations in `T`. Whole numbers are worked in 64 bits; the caller cuts the result
// to the type's width, so overflow wraps as it would in the type itself.
template <typename T>
bool Arithmetic(Op op, T a, T b, T& out) {
  switch (op) {
    case Op::kPlus:
      out = a + b;
      return true;
    case Op::kMinus:
      out = a - b;
      return true;
    case Op::kTimes:
      if constexpr (std::is_integral_v<T>) {
        out = static_cast<T>(static_cast<uint64_t>(a) * static_cast<uint64_t>(b));
      } else {
        out = a * b;
      }
      return true;
    case Op::kDivide:
      // Floating-point division by zero has its result: an infinity (NaN for 0 / 0). Whole
      // operands are at most 32 bits wide, so their division cannot overflow.
      if (std::is_integral_v<T> && b == 0) return false;
      out = a / b;
      return true;
    default:
      return false;
  }
}

// `value` as a whole number of `type` (I2, UI2, I4 or UI4), cut to that type's width.
Variant WholeNumberOfWidth(platform::VarType type, int64_t value) {
  switch (type) {
    case platform::VT_I2:
      return Variant::I2(static_cast<int16_t>(value));
    case platform::VT_UI2:
      return Variant::UI2(static_cast<uint16_t>(value));
    case platform::VT_I4:
      return Variant::I4(static_cast<int32_t>(value));
    default:
      return Variant::UI4(static_cast<uint32_t>(value));
  }
}

// Applies an arithmetic operation in place on `target` by its type when `operand` has that
// type: 16- and 32-bit integers wrap, integer division truncates, floats use their own
// precision; "Plus" appends to a text. Division by zero, other types and other operations
// leave the target unchanged.
void ApplyArithmetic(std::string_view op_name, Variant& target, const Variant& operand) {
  const Op op = ParseOp(op_name);
  if (op == Op::kNone || operand.type() != target.type()) return;
  switch (target.type()) {
    case platform::VT_I2:
    case platform::VT_UI2:
    case platform::VT_I4:
    case platform::VT_UI4: {
      int64_t r;
      if (Arithmetic<int64_t>(op, target.IntValue(), operand.IntValue(), r))
        target = WholeNumberOfWidth(target.type(), r);
      break;
    }
    case platform::VT_R4: {
      float f;
      if (Arithmetic<float>(op, static_cast<float>(target.RealValue()),
                            static_cast<float>(operand.RealValue()), f)) {
        target = Variant::R4(f);
      }
      break;
    }
    case platform::VT_R8: {
      double d;
      if (Arithmetic<double>(op, target.RealValue(), operand.RealValue(), d))
        target = Variant::R8(d);
      break;
    }
    case platform::VT_BSTR:
      // A text that would grow past the limit stays as it is, so a document that doubles
      // a text on every run cannot exhaust memory.
      if (op == Op::kPlus &&
          target.TextValue().size() + operand.TextValue().size() <= kMaxExpandedText)
        target = Variant::Text(target.TextValue() + operand.TextValue());
      break;
    default:
      break;
  }
}

class CModifyVariableAction : public CScriptItem {
 public:
  using CScriptItem::CScriptItem;

  ActionResult Execute(ScriptContext& context) override {
    EventBudget& budget = context.budget;
    Variable* target = context.variables.FindVariable(target_var_);
    if (target == nullptr) return ActionResult::kVariableError;
    const platform::VarType type = target->value.type();

    Variant operand;
    if (!src_var_.empty()) {
      const Variable* source = context.variables.FindVariable(src_var_);
      if (source == nullptr) return ActionResult::kVariableError;
      // A conversion reads the source, a second one by way of text reads it again.
      if (!budget.ChargeCharacters(2 * TextSize(source->value))) return ActionResult::kBudgetSpent;
      std::optional<Variant> converted = ConvertedOrByText(source->value, type);
      if (!converted) return ActionResult::kVariableError;
      operand = std::move(*converted);
    } else {
      operand = constant_;
      // A constant that does not convert is used as it is ("Equals" still takes it).
      operand.ChangeType(type);
    }

    // The new value is made beside the old one: the copy and an appended text are charged.
    Variant value;
    if (main_op_ == "Equals") {
      value = std::move(operand);
    } else {
      if (!budget.ChargeCharacters(TextSize(target->value) + TextSize(operand))) {
        return ActionResult::kBudgetSpent;
      }
      value = target->value;
      ApplyArithmetic(main_op_, value, operand);
    }
    std::optional<Variant> expanded = ExpandedInPlaceOf(context, *target, std::move(value));
    if (!expanded) return ActionResult::kBudgetSpent;
    return StoreResult(context, *target, std::move(*expanded));
  }

 private:
  bool ReadKeys(const KeyReader& read, LoadContext&) override {
    read.Text(keys::kMainOp, main_op_);
    read.Text(keys::kTargetVar, target_var_);
    read.Text(keys::kSrcVar, src_var_);
    uint16_t type = 0;
    if (read.Short(keys::kValueType, type)) {
      constant_ = Variant();
      read.ByValueType(keys::kValue, type, constant_);
    }
    return true;
  }

  std::string main_op_;
  std::string target_var_;
  std::string src_var_;
  Variant constant_ = Variant::Text(u"");
};

}  // namespace

std::unique_ptr<CScriptItem> MakeModifyVariable(std::string section, CElement* parent) {
  return std::make_unique<CModifyVariableAction>(std::move(section), parent);
}

}  // namespace browser
