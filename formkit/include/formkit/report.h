// A printed report laid out the way the printer object of the form programs lays out text:
// in character columns of the current font, with print zones of 14 columns, one call per
// printed item. The same layout can be written as plain text or drawn on a page.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace formkit {

struct ReportRun {
  int column = 1;  // 1 is the left margin
  std::string text;
  std::string font;
  int size = 10;
  bool bold = false;
  // Printed straight after the run before it, with no move in between: on paper it starts
  // where that run's text really ends, which in a proportional font is not its column.
  bool follows = false;
};

struct ReportLine {
  std::vector<ReportRun> runs;  // empty for an empty line
  // The font in force when the line ended (gives an empty line its height).
  std::string font;
  int size = 10;
  bool new_page = false;  // the line starts a new page
  // Not empty: from this line's page on, every page is headed by this text and "page N of
  // M" (counted over the pages with this heading).
  std::string running_head;
  // The page does not break between this line and the next.
  bool keep_with_next = false;
};

struct Report {
  std::vector<ReportLine> lines;
};

inline constexpr int kZoneWidth = 14;

// The paper a report is printed on.
enum class Paper { kLetter, kA4 };
// "letter" or "a4" in any letter case; none for anything else.
std::optional<Paper> PaperNamed(std::string_view name);

class ReportWriter {
 public:
  ReportWriter& Font(std::string name);
  ReportWriter& Size(int points);
  ReportWriter& Bold(bool on);
  // Moves to the start of the next print zone (columns 15, 29, 43, 57, ...).
  ReportWriter& Zone(int count = 1);
  // Moves to `column`; when the line is already past it, to that column of a new line.
  ReportWriter& Column(int column);
  ReportWriter& Print(std::string_view text);
  ReportWriter& EndLine();
  ReportWriter& EmptyLines(int count);
  // Ends the line if one is started; the next line starts a new page.
  ReportWriter& NewPage();
  // The next line that starts a new page starts the pages headed by `text`.
  ReportWriter& RunningHead(std::string text);
  // The line being written stays on one page with the next.
  ReportWriter& KeepWithNext();

  int column() const { return column_; }
  Report Finish();

 private:
  Report report_;
  ReportLine line_;
  int column_ = 1;
  bool moved_ = true;  // a zone, column or line start since the last printed text
  bool new_page_ = false;
  bool keep_with_next_ = false;
  std::string running_head_;
  std::string font_ = "ms sans serif";
  int size_ = 10;
  bool bold_ = false;
};

// The width of the plain-text report in characters.
inline constexpr int kReportTextWidth = 80;

// One line of plain text per printed line, each run placed at its column as characters; a
// line that starts a new page is preceded by a form feed. A run that would pass `width`
// breaks at blanks onto further lines, each indented to the column the run started at.
std::string ReportText(const Report& report, int width = kReportTextWidth);

// A report value: the text read by its leading numeric part (no number reads as 0), written
// back without a leading blank and right-aligned in a field of 13 characters (a longer text
// keeps its first 13). Throws Fault when the text holds a number too large to read.
std::string ReportValue(std::string_view text);

// The value line both programs print for every quantity: one zone advance, the label,
// column 40 and a zone advance (the field always takes columns 43 to 55), the field, one
// blank and the unit from column 57.
void ValueLine(ReportWriter& writer, std::string_view label, std::string_view source_text,
               std::string_view unit);

}  // namespace formkit
