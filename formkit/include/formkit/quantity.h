// The quantities a sizing form shows, as one table: every input box and result label with
// its caption on the form, its unit, its lines in the report and the mail, and its name and
// precision on the calculation sheet. The form's list of result labels, the window's units,
// the report, the mail and the sheet are made from a program's table; a new quantity is a
// new row.
#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string_view>

namespace formkit {

enum class QuantityRole {
  kGiven,     // an input: the report's "Given Information", the mail's inputs
  kHeadline,  // the result printed first, in bold, and mailed first
  kResult,    // a result label the calculation writes
};

inline constexpr int kNotRounded = -1;

struct Quantity {
  QuantityRole role;
  std::string_view control;  // "lblComputedSize"
  std::string_view caption;  // the caption beside it on the form: "Computed Size:"
  std::string_view unit;     // "Inches"; empty for none
  std::string_view report;   // the label of its report line; empty when the report leaves it out
  std::string_view mail;     // the label of its mail line; empty when the mail leaves it out
  size_t mail_width;         // the width the mail pads that label to
  std::string_view sheet;    // its name on the calculation sheet
  // A result shown as a number is rounded to this many decimals (an exact half to even)
  // before it is written; kNotRounded for a result that is a text of its own.
  int decimals = kNotRounded;

  constexpr bool IsResult() const { return role != QuantityRole::kGiven; }
};

// The row of `control`; a control the table does not hold is a programming error and
// throws std::out_of_range.
const Quantity& QuantityOf(std::span<const Quantity> table, std::string_view control);

template <size_t N>
constexpr size_t ResultCount(const Quantity (&table)[N]) {
  size_t count = 0;
  for (const Quantity& q : table) count += q.IsResult();
  return count;
}

// The result labels of a table in its order, as a constant array:
// `ResultLabels<ResultCount(kTable)>(kTable)`.
template <size_t M, size_t N>
constexpr std::array<const char*, M> ResultLabels(const Quantity (&table)[N]) {
  std::array<const char*, M> labels{};
  size_t at = 0;
  // Every control is written as a string literal, so its view ends in a terminating zero.
  for (const Quantity& q : table)
    if (q.IsResult()) labels[at++] = q.control.data();
  return labels;
}

}  // namespace formkit
