#include "formkit/calc_sheet.h"

#include "formkit/fault.h"
#include "formkit/numbers.h"
#include "formkit/report_sections.h"

namespace formkit {
namespace {

// The explanation lines start at the third zone and end where the report's text column does.
constexpr size_t kNoteWidth = kReportTextWidth - 2 * kZoneWidth;

// Splits `text` into lines of at most kNoteWidth characters, at blanks where it can; lines
// after the first are indented by two.
std::vector<std::string> NoteLines(const std::string& text) {
  std::vector<std::string> lines;
  std::string rest = text;
  while (rest.size() > kNoteWidth - (lines.empty() ? 0 : 2)) {
    const size_t width = kNoteWidth - (lines.empty() ? 0 : 2);
    size_t cut = rest.rfind(' ', width);
    if (cut == std::string::npos || cut == 0) cut = width;
    lines.push_back((lines.empty() ? "" : "  ") + rest.substr(0, cut));
    rest.erase(0, rest[cut] == ' ' ? cut + 1 : cut);
  }
  lines.push_back((lines.empty() ? "" : "  ") + rest);
  return lines;
}

}  // namespace

void CalcSheet::Section(std::string title) { sections_.push_back({std::move(title), {}}); }

SheetEntry& CalcSheet::Add(SheetEntry entry) {
  if (sections_.empty()) Section("");
  sections_.back().entries.push_back(std::move(entry));
  return sections_.back().entries.back();
}

void CalcSheet::Input(std::string name, std::string value, std::string unit,
                      const std::string& text) {
  std::string shown = value;
  if (!shown.empty() && shown[0] == ' ') shown.erase(0, 1);
  std::string source = shown == text ? "" : "\"" + text + "\"";
  Add({std::move(name), std::move(value), std::move(unit), "", std::move(source), ""});
}

const SheetEntry* CalcSheet::Result(std::string_view control) const {
  const SheetEntry* last = nullptr;
  for (const SheetSection& section : sections_)
    for (const SheetEntry& entry : section.entries)
      if (entry.control == control) last = &entry;
  return last;
}

void SheetFittings(CalcSheet& sheet, const Form& form, std::span<const Fitting> fittings,
                   float sum) {
  sheet.Section("Fittings");
  for (const Fitting& fitting : fittings) {
    const int16_t count = ToInteger16(ValSingle(form.Text(fitting.control)));
    if (count == 0) continue;
    sheet.Add({std::string(fitting.name) + " K x count",
               NumberText(ToSingle(count * static_cast<double>(fitting.k))), "",
               std::string(fitting.k_text) + " x " + std::to_string(count), "", ""});
  }
  sheet.Add({"Fittings sum Kf", NumberText(sum), "",
             "Kf = the sum of K x count, in single precision", "", ""});
}

void AppendSheet(Report& report, const CalcSheet& sheet, std::string_view title) {
  ReportWriter w;
  w.NewPage();
  w.Font(kReportSans).Size(14).Zone(2).Print(title).EndLine();
  w.Size(10).Font(kReportMono).EmptyLines(1);
  for (const SheetSection& section : sheet.sections()) {
    if (!section.title.empty()) {
      w.Bold(true).Zone().Print(section.title).Bold(false).EndLine();
    }
    for (const SheetEntry& entry : section.entries) {
      // The value as held, right-aligned at the report's value field.
      std::string value = entry.value;
      if (value.size() < 13) value.insert(0, 13 - value.size(), ' ');
      w.Zone().Print(entry.name).Column(43).Print(value);
      if (!entry.unit.empty()) w.Print(" ").Print(entry.unit);
      w.EndLine();
      if (!entry.source.empty())
        for (const std::string& line : NoteLines("read from the text " + entry.source))
          w.Zone(2).Print(line).EndLine();
      if (!entry.formula.empty())
        for (const std::string& line : NoteLines(entry.formula)) w.Zone(2).Print(line).EndLine();
    }
    w.EmptyLines(1);
  }
  Report pages = w.Finish();
  for (ReportLine& line : pages.lines) report.lines.push_back(std::move(line));
}

}  // namespace formkit
