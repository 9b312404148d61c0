// A calculation sheet: what a calculation read, the constants it used, each step with the
// formula it came from, and its results, every number written from the value the
// calculation held, so that the sheet and the form cannot disagree. It prints as a document
// of its own (after the report when there is one), every page headed by its title, the
// job, the date and "page N of M".
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
  std::string value;    // the number text of the value held (" 26.156"); empty for a note
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
  // A line of plain text (why a calculation stopped, what a choice means).
  void Note(std::string text);

  const std::vector<SheetSection>& sections() const { return sections_; }
  // The last value written for `control`; none when the sheet has none.
  const SheetEntry* Result(std::string_view control) const;

 private:
  std::vector<SheetSection> sections_;
};

// A section "Fittings": for each fitting with a count in its box on `form`, its count as
// read (with the text typed where that differs: "2.5" is read as 2) and its K times the
// count, then the fittings sum Kf accumulated as the calculations accumulate it. A count
// that cannot be read is named, and the sum then has no value.
void SheetFittings(CalcSheet& sheet, const Form& form, std::span<const Fitting> fittings);

// A number as the sheet prints it: five significant figures in plain decimal (whole numbers
// of more digits whole), without trailing zeros and never in exponent form. A text that is
// not a plain number (a caption such as "Out of Range") is given back as it is.
std::string SheetNumber(std::string_view number_text);

inline constexpr const char* kSheetTitle = "Calculation Sheet";

// What heads every page of the sheet.
struct SheetHeading {
  std::string title;  // "Calculation Sheet"
  std::string job;    // the job description, else the customer
  std::string date;
};
SheetHeading SheetHeadingOf(std::string title, const Form& form, std::string date);

// Appends the sheet to `report` from a new page (the first page when `report` is empty):
// each section with one line per entry (name, value and unit at the report's value
// columns; a name too long for its column breaks onto further lines, its value stays on
// the first), the source text and the formula beneath and kept on the same page as it. The
// values the form shows (entries with a control) print as the form shows them; the others
// as SheetNumber writes them.
void AppendSheet(Report& report, const CalcSheet& sheet, const SheetHeading& heading);

// Why a report or a mail is refused when the calculation of the inputs on the form stopped.
inline constexpr const char* kStaleResultsReason =
    "The calculation of the inputs on the form stopped, so the results shown are not theirs; "
    "press Calculate to see why.";
inline constexpr const char* kStaleReportText =
    "The report was not printed. The calculation of the inputs on the form stopped, so the "
    "results shown are not theirs; press Calculate to see why.";

}  // namespace formkit
