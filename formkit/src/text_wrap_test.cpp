#include "formkit/text_wrap.h"

#include <gtest/gtest.h>

#include "formkit/report.h"

namespace formkit {
namespace {

double Characters(std::string_view text) { return static_cast<double>(CharacterCount(text)); }

TEST(BreakText, BreaksAtBlanksAndCutsOnlyWordsLongerThanALine) {
  using Lines = std::vector<std::string>;
  EXPECT_EQ(BreakText("", Characters, 10, 10), Lines{""});
  EXPECT_EQ(BreakText("fits", Characters, 4, 4), Lines{"fits"});
  EXPECT_EQ(BreakText("one two three", Characters, 8, 8), (Lines{"one two", "three"}));
  // The first line may have less room than the others.
  EXPECT_EQ(BreakText("one two three", Characters, 4, 20), (Lines{"one", "two three"}));
  EXPECT_EQ(BreakText("abcdefghij", Characters, 4, 4), (Lines{"abcd", "efgh", "ij"}));
  // No room at all still gives one character a line, so the breaking ends.
  EXPECT_EQ(BreakText("abc", Characters, 0, 0), (Lines{"a", "b", "c"}));
  // A character of several bytes stays whole.
  EXPECT_EQ(BreakText("\xC3\xA9\xC3\xA9\xC3\xA9", Characters, 2, 2),
            (Lines{"\xC3\xA9\xC3\xA9", "\xC3\xA9"}));
}

TEST(ReportText, ALongValueWrapsInsideTheTextColumnUnderItsStart) {
  const std::string description(110, 'x');
  std::string words;
  for (int i = 0; i < 22; ++i) words += "word ";
  words.pop_back();  // 109 characters
  ReportWriter w;
  w.Zone().Print("Job Description:").Print("  ").Print(words).EndLine();
  w.Zone().Print("Customer:").Print("  ").Print(description).EndLine();
  const std::string text = ReportText(w.Finish());
  std::vector<std::string> lines;
  for (size_t at = 0; at < text.size();) {
    const size_t end = text.find('\n', at);
    lines.push_back(text.substr(at, end - at));
    at = end + 1;
  }
  ASSERT_EQ(lines.size(), 5u);
  for (const std::string& line : lines) EXPECT_LE(line.size(), size_t(kReportTextWidth)) << line;
  // Continuation lines start under the value, which starts at column 33.
  EXPECT_EQ(lines[0].substr(0, 32), std::string(14, ' ') + "Job Description:  ");
  EXPECT_EQ(lines[1].find_first_not_of(' '), 32u);
  EXPECT_EQ(lines[2].find_first_not_of(' '), 32u);
  std::string joined = lines[0].substr(32);
  for (size_t i = 1; i < 3; ++i) joined += " " + lines[i].substr(32);
  EXPECT_EQ(joined, words);
  EXPECT_EQ(lines[4].find_first_not_of(' '), 25u);
  EXPECT_EQ(lines[3].substr(25) + lines[4].substr(25), description);
}

}  // namespace
}  // namespace formkit
