// A calculation sheet: what a calculation read, the constants it used, each step with the
// formula it came from, and its results, every number written as the value the calculation
// held, so that the sheet and the form cannot disagree. Printed after the report, from a
// new page.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "formkit/form.h"
#include "formkit/pipe_tables.h"
#include "formkit/report.h"

namespace formkit {

struct SheetEntry {
  std::string name;     // "Computed pipe diameter D"
  std::string value;    // the number text of the value held (" 26.156")
  std::string unit;     // "Inches"; may be empty
  std::string formula;  // "D = sqrt(I * M / 413000 / sqrt(dP * B / (Tm * K)))"; may be empty
  std::string source;   // the control text an input was read from, where it differs
  std::string control;  // the result label this value is written into; empty for none
};

struct SheetSection {
  std::string title;
  std::vector<SheetEntry> entries;
};

class CalcSheet {
 public:
  void Clear() { sections_.clear(); }
  void Section(std::string title);
  SheetEntry& Add(SheetEntry entry);
  // An input: the value read from `text`; the text is kept when it is not the value's own
  // number text.
  void Input(std::string name, std::string value, std::string unit, const std::string& text);

  const std::vector<SheetSection>& sections() const { return sections_; }
  // The last value written for `control`; none when the sheet has none.
  const SheetEntry* Result(std::string_view control) const;

 private:
  std::vector<SheetSection> sections_;
};

// A section "Fittings": for each fitting with a count in its box on `form`, its K times the
// count ("1.25 x 2"), then `sum`, the fittings sum Kf as the calculation held it. The counts
// are read as the calculation reads them; call it only after they were read without a fault.
void SheetFittings(CalcSheet& sheet, const Form& form, std::span<const Fitting> fittings,
                   float sum);

// Appends the sheet to `report` from a new page: its title, then each section with one line
// per entry (name, value and unit at the report's value columns) and the source text and
// the formula beneath, broken at blanks into lines that fit a portrait page.
void AppendSheet(Report& report, const CalcSheet& sheet, std::string_view title);

}  // namespace formkit
