#include "formkit/calc_sheet.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "formkit/fault.h"
#include "formkit/numbers.h"
#include "formkit/report_sections.h"
#include "formkit/text_wrap.h"

namespace formkit {
namespace {

// The explanation lines start at the third zone and end where the report's text column does.
constexpr size_t kNoteWidth = kReportTextWidth - 2 * kZoneWidth;
// An entry's name takes the columns from the first zone to just before the value field.
constexpr double kNameWidth = 43 - 1 - kZoneWidth;
// The value field of the report, columns 43 to 55.
constexpr size_t kValueWidth = 13;

double Characters(std::string_view text) { return static_cast<double>(CharacterCount(text)); }

// Splits `text` into lines of at most kNoteWidth characters, at blanks where it can; lines
// after the first are indented by two.
std::vector<std::string> NoteLines(const std::string& text) {
  std::vector<std::string> lines = BreakText(text, Characters, kNoteWidth, kNoteWidth - 2);
  for (size_t i = 1; i < lines.size(); ++i) lines[i].insert(0, "  ");
  return lines;
}

// A plain decimal number: an optional sign, digits with at most one point, an optional
// exponent; blanks around it allowed.
bool IsPlainNumber(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  size_t at = 0;
  if (at < text.size() && (text[at] == '-' || text[at] == '+')) ++at;
  size_t digits = 0;
  bool point = false;
  for (; at < text.size(); ++at) {
    const char c = text[at];
    if (c >= '0' && c <= '9') {
      ++digits;
    } else if (c == '.' && !point) {
      point = true;
    } else {
      break;
    }
  }
  if (digits == 0) return false;
  if (at < text.size() && (text[at] == 'E' || text[at] == 'e')) {
    ++at;
    if (at < text.size() && (text[at] == '-' || text[at] == '+')) ++at;
    size_t exponent = 0;
    while (at < text.size() && text[at] >= '0' && text[at] <= '9') ++at, ++exponent;
    if (exponent == 0) return false;
  }
  return at == text.size();
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

void CalcSheet::Note(std::string text) { Add({std::move(text), "", "", "", "", ""}); }

const SheetEntry* CalcSheet::Result(std::string_view control) const {
  const SheetEntry* last = nullptr;
  for (const SheetSection& section : sections_)
    for (const SheetEntry& entry : section.entries)
      if (entry.control == control) last = &entry;
  return last;
}

void SheetFittings(CalcSheet& sheet, const Form& form, std::span<const Fitting> fittings) {
  sheet.Section("Fittings");
  float sum = 0;
  bool summed = true;
  for (const Fitting& fitting : fittings) {
    const std::string& text = form.Text(fitting.control);
    int16_t count = 0;
    try {
      count = ToInteger16(ValSingle(text));
    } catch (const Fault&) {
      sheet.Add({std::string(fitting.name) + " count", "", "",
                 "cannot be used: counts must be whole numbers from -32768 to 32767",
                 "\"" + text + "\"", ""});
      summed = false;
      continue;
    }
    // The sum in the calculations' own order and precision.
    sum = ToSingle(sum + count * static_cast<double>(fitting.k));
    if (count == 0 && text.find_first_not_of(' ') == std::string::npos) continue;
    const std::string shown = std::to_string(count);
    sheet.Add({std::string(fitting.name) + " count", shown, "Each", "",
               shown == text ? "" : "\"" + text + "\"", ""});
    sheet.Add({std::string(fitting.name) + " K x count",
               NumberText(ToSingle(count * static_cast<double>(fitting.k))), "",
               std::string(fitting.k_text) + " x " + std::to_string(count), "", ""});
  }
  sheet.Add({"Fittings sum Kf", summed ? NumberText(sum) : "", "",
             summed ? "Kf = the sum of K x count, in single precision"
                    : "no value: a count cannot be used",
             "", ""});
}

std::string SheetNumber(std::string_view number_text) {
  if (!IsPlainNumber(number_text)) return std::string(number_text);
  const double value = std::strtod(std::string(number_text).c_str(), nullptr);
  if (!std::isfinite(value)) return std::string(number_text);
  if (value == 0) return "0";
  char buffer[64];
  const double magnitude = std::fabs(value);
  if (magnitude >= 1e5) {
    std::snprintf(buffer, sizeof buffer, "%.0f", value);
    return buffer;
  }
  const int before_point = static_cast<int>(std::floor(std::log10(magnitude))) + 1;
  const int decimals = std::min(12, std::max(0, 5 - before_point));
  std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
  std::string text = buffer;
  if (text.find('.') != std::string::npos) {
    while (text.back() == '0') text.pop_back();
    if (text.back() == '.') text.pop_back();
  }
  if (text == "-0") text = "0";
  return text;
}

SheetHeading SheetHeadingOf(std::string title, const Form& form, std::string date) {
  std::string job = form.Text("txtJobDescription");
  if (job.find_first_not_of(' ') == std::string::npos) job = form.Text("txtCustomer");
  return {std::move(title), std::move(job), std::move(date)};
}

void AppendSheet(Report& report, const CalcSheet& sheet, const SheetHeading& heading) {
  ReportWriter w;
  std::string head = heading.title;
  if (!heading.job.empty()) head += "  -  " + heading.job;
  if (!heading.date.empty()) head += "  -  " + heading.date;
  w.RunningHead(head);
  w.NewPage();
  w.Font(kReportSans).Size(14).Zone(2).Print(heading.title).EndLine();
  w.Size(10).Font(kReportMono).EmptyLines(1);
  for (const SheetSection& section : sheet.sections()) {
    if (!section.title.empty()) {
      w.Bold(true).Zone().Print(section.title).Bold(false).KeepWithNext().EndLine();
    }
    for (const SheetEntry& entry : section.entries) {
      if (entry.value.empty() && entry.unit.empty() && entry.formula.empty() &&
          entry.source.empty()) {
        for (const std::string& line : NoteLines(entry.name)) w.Zone().Print(line).EndLine();
        continue;
      }
      // The value as the form shows it, or in the sheet's own precision, right-aligned in
      // the report's value field.
      std::string value = entry.control.empty() ? SheetNumber(entry.value) : entry.value;
      if (!value.empty() && value[0] == ' ' && entry.control.empty()) value.erase(0, 1);
      if (CharacterCount(value) < kValueWidth)
        value.insert(0, kValueWidth - CharacterCount(value), ' ');
      const std::vector<std::string> name = BreakText(entry.name, Characters, kNameWidth, kNameWidth);
      w.Zone().Print(name[0]).Column(43).Print(value);
      if (!entry.unit.empty()) w.Print(" ").Print(entry.unit);
      // A name's further lines, its source and its formula stay with its value line.
      std::vector<std::string> below;
      for (size_t i = 1; i < name.size(); ++i) below.push_back("@" + name[i]);
      if (!entry.source.empty())
        for (const std::string& line : NoteLines("read from the text " + entry.source))
          below.push_back(line);
      if (!entry.formula.empty())
        for (const std::string& line : NoteLines(entry.formula)) below.push_back(line);
      for (const std::string& line : below) {
        w.KeepWithNext().EndLine();
        if (line[0] == '@') {
          w.Zone().Print(line.substr(1));
        } else {
          w.Zone(2).Print(line);
        }
      }
      w.EndLine();
    }
    w.EmptyLines(1);
  }
  Report pages = w.Finish();
  for (ReportLine& line : pages.lines) report.lines.push_back(std::move(line));
}

}  // namespace formkit
