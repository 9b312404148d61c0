// The recorder a calculation writes its sheet through: each formula is one call that enters
// the value on the sheet and gives it back, and each result one call that rounds it as its
// quantity says, writes it into its label and enters it, so that the calculation reads as
// its arithmetic and the sheet holds exactly the values the calculation held.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "formkit/calc_sheet.h"
#include "formkit/form.h"
#include "formkit/numbers.h"
#include "formkit/quantity.h"

namespace formkit {

class SheetSteps {
 public:
  // Names, units and precisions come from `table`; inputs are read from and results
  // written into `form`.
  SheetSteps(CalcSheet& sheet, Form& form, std::span<const Quantity> table)
      : sheet_(sheet), form_(form), table_(table) {}

  const CalcSheet& sheet() const { return sheet_; }
  void Clear() { sheet_.Clear(); }
  void Section(std::string title) { sheet_.Section(std::move(title)); }
  // A line of plain text (why a calculation stopped, what a choice means).
  void Note(std::string text) { sheet_.Note(std::move(text)); }

  // An input: its control's text read as a single (throws Fault as ValSingle does, before
  // anything is entered), entered under the quantity's sheet name and unit, with the text
  // when that is not the value's own number text.
  float Read(std::string_view control);
  // An input the calculation read by a rule of its own, entered as Read enters it.
  void Input(std::string_view control, float value);
  // An input that cannot be read as a number: entered without a value, with why and the text.
  void Unreadable(std::string_view control, std::string why);

  // The section "Fittings" (SheetFittings) for the counts on the form.
  void Fittings(std::span<const Fitting> fittings) { SheetFittings(sheet_, form_, fittings); }

  // A step: `value` entered as `name` in `unit` with the formula it came from; gives the
  // value back. A text value (a caption read back, a choice) is entered as it stands.
  template <typename T>
  T Step(std::string name, std::string_view unit, std::string formula, T value) {
    Enter(std::move(name), NumberText(value), unit, std::move(formula));
    return value;
  }
  std::string Step(std::string name, std::string_view unit, std::string formula,
                   std::string value) {
    Enter(std::move(name), value, unit, std::move(formula));
    return value;
  }

  // A result: rounded to its quantity's decimals (kNotRounded leaves it), written into its
  // label as `write` writes it (NumberText unless given) and entered with its unit and
  // formula. Gives the rounded value back.
  template <typename T>
  T Show(std::string_view control, T value, std::string formula,
         std::string (*write)(T) = &NumberText) {
    const Quantity& q = QuantityOf(table_, control);
    if (q.decimals != kNotRounded) value = RoundHalfEven(value, q.decimals);
    ShowText(control, write(value), std::move(formula));
    return value;
  }
  // A result that is a caption of its own ("5.3" as typed), written with its unit.
  void ShowText(std::string_view control, std::string caption, std::string formula);
  // A result with no number to stand beside a unit ("Not Required", "N/A", or empty).
  void ShowBare(std::string_view control, std::string caption, std::string formula);
  // A result a procedure of the form has already written: its caption as it stands, with
  // its unit.
  void Shown(std::string_view control, std::string formula);

 private:
  void Enter(std::string name, std::string value, std::string_view unit, std::string formula);
  void Write(std::string_view control, std::string caption, std::string_view unit,
             std::string formula);

  CalcSheet& sheet_;
  Form& form_;
  std::span<const Quantity> table_;
};

}  // namespace formkit
