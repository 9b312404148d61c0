#include "formkit/calc_sheet.h"

#include "formkit/report_sections.h"

namespace formkit {

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
      if (!entry.source.empty()) w.Zone(2).Print("read from the text " + entry.source).EndLine();
      if (!entry.formula.empty()) w.Zone(2).Print(entry.formula).EndLine();
    }
    w.EmptyLines(1);
  }
  Report pages = w.Finish();
  for (ReportLine& line : pages.lines) report.lines.push_back(std::move(line));
}

}  // namespace formkit
