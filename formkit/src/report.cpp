#include "formkit/report.h"

#include <utility>

#include "formkit/numbers.h"
#include "formkit/text_wrap.h"

namespace formkit {

ReportWriter& ReportWriter::Font(std::string name) {
  font_ = std::move(name);
  return *this;
}

ReportWriter& ReportWriter::Size(int points) {
  size_ = points;
  return *this;
}

ReportWriter& ReportWriter::Bold(bool on) {
  bold_ = on;
  return *this;
}

ReportWriter& ReportWriter::Zone(int count) {
  for (int i = 0; i < count; ++i) column_ = ((column_ - 1) / kZoneWidth + 1) * kZoneWidth + 1;
  if (count > 0) moved_ = true;
  return *this;
}

ReportWriter& ReportWriter::Column(int column) {
  if (column < 1) column = 1;
  if (column_ > column) EndLine();
  column_ = column;
  moved_ = true;
  return *this;
}

ReportWriter& ReportWriter::Print(std::string_view text) {
  if (!text.empty()) {
    const bool follows = !moved_ && !line_.runs.empty();
    line_.runs.push_back({column_, std::string(text), font_, size_, bold_, follows});
    moved_ = false;
  }
  // Columns count characters, not bytes.
  for (unsigned char c : text)
    if ((c & 0xC0) != 0x80) ++column_;
  return *this;
}

ReportWriter& ReportWriter::NewPage() {
  if (!line_.runs.empty()) EndLine();
  new_page_ = true;
  return *this;
}

ReportWriter& ReportWriter::RunningHead(std::string text) {
  running_head_ = std::move(text);
  return *this;
}

ReportWriter& ReportWriter::KeepWithNext() {
  keep_with_next_ = true;
  return *this;
}

ReportWriter& ReportWriter::EndLine() {
  line_.font = font_;
  line_.size = size_;
  line_.new_page = new_page_;
  line_.keep_with_next = keep_with_next_;
  keep_with_next_ = false;
  if (new_page_) line_.running_head = std::exchange(running_head_, std::string());
  new_page_ = false;
  report_.lines.push_back(std::move(line_));
  line_ = ReportLine{};
  column_ = 1;
  moved_ = true;
  return *this;
}

ReportWriter& ReportWriter::EmptyLines(int count) {
  for (int i = 0; i < count; ++i) EndLine();
  return *this;
}

Report ReportWriter::Finish() {
  if (!line_.runs.empty()) EndLine();
  return std::move(report_);
}

std::string ReportText(const Report& report, int width) {
  std::string text;
  const TextMeasure characters = [](std::string_view piece) {
    return static_cast<double>(CharacterCount(piece));
  };
  for (const ReportLine& line : report.lines) {
    std::string out = line.new_page && !text.empty() ? "\f" : "";
    // The text has no pages to number: the heading opens its part once.
    if (!line.running_head.empty()) text += out + line.running_head + "\n", out.clear();
    int column = 1;
    for (const ReportRun& run : line.runs) {
      while (column < run.column) out.push_back(' '), ++column;
      // A run that would pass the right edge goes on in lines of its own, indented to
      // where it starts.
      const int indent = column - 1;
      const std::vector<std::string> pieces =
          BreakText(run.text, characters, width - indent, width - indent);
      for (size_t i = 0; i < pieces.size(); ++i) {
        if (i > 0) {
          text += out + "\n";
          out.assign(indent, ' ');
          column = indent + 1;
        }
        out += pieces[i];
        column += static_cast<int>(CharacterCount(pieces[i]));
      }
    }
    text += out + "\n";
  }
  return text;
}

std::optional<Paper> PaperNamed(std::string_view name) {
  std::string lower;
  for (char c : name) lower.push_back(c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c);
  if (lower == "letter") return Paper::kLetter;
  if (lower == "a4") return Paper::kA4;
  return std::nullopt;
}

std::string ReportValue(std::string_view text) {
  std::string number = NumberText(Val(text));
  if (!number.empty() && number[0] == ' ') number.erase(0, 1);
  if (number.size() >= 13) return number.substr(0, 13);
  return std::string(13 - number.size(), ' ') + number;
}

void ValueLine(ReportWriter& writer, std::string_view label, std::string_view source_text,
               std::string_view unit) {
  writer.Zone().Print(label).Column(40).Zone().Print(ReportValue(source_text)).Print(" ");
  writer.Print(unit).EndLine();
}

}  // namespace formkit
