#include <gtest/gtest.h>

#include <initializer_list>
#include <sstream>
#include <utility>

#include "formkit/calc_sheet.h"
#include "formkit/fault.h"
#include "formkit/mail.h"
#include "formkit/report.h"

namespace formkit {
namespace {

// What `convert` makes of each text.
template <typename Convert>
void ExpectTexts(Convert convert,
                 std::initializer_list<std::pair<const char*, const char*>> cases) {
  for (const auto& [text, made] : cases) EXPECT_EQ(convert(text), made) << '"' << text << '"';
}

TEST(ReportValue, RightAlignsTheNumberInThirteenColumns) {
  ExpectTexts(ReportValue, {{"12.5", "         12.5"},
                            {"", "            0"},
                            {"Out of Range", "            0"},
                            {" .03873", "       .03873"},
                            {"-0.5", "          -.5"},
                            // the first 13 characters
                            {"0.1234567890123", ".123456789012"}});
  EXPECT_THROW(ReportValue("1e999"), Fault);
}

TEST(ReportWriter, ZonesColumnsAndValueLines) {
  ReportWriter w;
  w.Zone().Print("x").EndLine();
  w.Zone(3).Print("y").EndLine();
  ValueLine(w, "BTU Input", "12.5", "BTU");
  w.Zone().Print("Fuel Type").Column(56 - 3).Print("LPG").EndLine();
  w.Zone().Print("a").Zone().Print("b").EndLine();  // from column 16 the next zone is 29
  const std::string text = ReportText(w.Finish());
  EXPECT_EQ(text,
            std::string(14, ' ') + "x\n" + std::string(42, ' ') + "y\n" +
                std::string(14, ' ') + "BTU Input" + std::string(42 - 14 - 9, ' ') +
                "         12.5 BTU\n" + std::string(14, ' ') + "Fuel Type" +
                std::string(52 - 14 - 9, ' ') + "LPG\n" + std::string(14, ' ') + "a" +
                std::string(13, ' ') + "b\n");
}

TEST(ReportWriter, ValueFieldStartsAtColumn43AndUnitAt57) {
  ReportWriter w;
  ValueLine(w, "Induced Fan Requirements", "1.25", "Inches Water Column");
  const Report report = w.Finish();
  ASSERT_EQ(report.lines.size(), 1u);
  const auto& runs = report.lines[0].runs;
  ASSERT_EQ(runs.size(), 4u);
  EXPECT_EQ(runs[0].column, 15);
  EXPECT_EQ(runs[1].column, 43);
  EXPECT_EQ(runs[3].column, 57);
}

TEST(ReportWriter, ColumnBehindTheCurrentPositionStartsANewLine) {
  ReportWriter w;
  w.Print(std::string(45, 'x')).Column(40).Print("v");
  const Report report = w.Finish();
  ASSERT_EQ(report.lines.size(), 2u);
  EXPECT_EQ(report.lines[1].runs[0].column, 40);
}

TEST(ReportWriter, KeepsFontsAndEmptyLines) {
  ReportWriter w;
  w.Font("ms sans serif").Size(10).EmptyLines(2);
  w.Size(14).Zone(2).Print("Contact Information").EndLine();
  w.Font("Courier New").Size(10).Bold(true).Print("B").Bold(false).Print("n").EndLine();
  const Report report = w.Finish();
  ASSERT_EQ(report.lines.size(), 4u);
  EXPECT_TRUE(report.lines[0].runs.empty());
  EXPECT_EQ(report.lines[2].runs[0].size, 14);
  EXPECT_EQ(report.lines[2].runs[0].column, 29);
  EXPECT_TRUE(report.lines[3].runs[0].bold);
  EXPECT_FALSE(report.lines[3].runs[1].bold);
  EXPECT_EQ(report.lines[3].runs[1].font, "Courier New");
}

TEST(ReportWriter, MarksTextPrintedStraightAfterTheTextBeforeIt) {
  ReportWriter w;
  w.Zone(2).Print("Prepared by:").Print("Pat").EndLine();
  w.Zone().Print("Customer:").Print("  ").Print("ACME").Zone().Print("z").Column(60).Print("c");
  const Report report = w.Finish();
  auto follows = [&](size_t line) {
    std::vector<bool> flags;
    for (const ReportRun& run : report.lines[line].runs) flags.push_back(run.follows);
    return flags;
  };
  EXPECT_EQ(follows(0), (std::vector<bool>{false, true}));
  EXPECT_EQ(follows(1), (std::vector<bool>{false, true, true, false, false}));
}

// A long formula or source text goes on in further lines, broken at blanks (or inside a word
// longer than a line), every character kept and no line past the page.
TEST(CalcSheetText, LongNotesBreakIntoLinesThatFit) {
  CalcSheet sheet;
  const std::string formula =
      "B = A * A * 1.455357142857E-08 - A * 0.00107896428571429 + 29.9178571428571";
  const std::string source(80, 'x');
  sheet.Add({"B", " 28.5", "", formula, source, ""});
  Report report = ReportWriter().Print("the report page").EndLine().Finish();
  AppendSheet(report, sheet, {"Sheet", "", ""});
  std::vector<std::string> lines;
  std::istringstream text(ReportText(report));
  for (std::string line; std::getline(text, line);)
    if (line.find_first_not_of(' ') >= 28 && line.size() > 28 && line.substr(28) != "Sheet")
      lines.push_back(line.substr(28));
  ASSERT_EQ(lines.size(), 5u);
  for (const std::string& line : lines) EXPECT_LE(line.size(), 52u) << line;
  EXPECT_EQ(lines[0] + " " + lines[1].substr(2) + lines[2].substr(2),
            "read from the text " + source);
  EXPECT_EQ(lines[3] + " " + lines[4].substr(2), formula);
}

TEST(MailLine, PadsTheLabel) {
  EXPECT_EQ(MailLine("BTU Input:", "9600000"), "BTU Input:" + std::string(20, ' ') + "9600000\r\n");
  EXPECT_EQ(MailLine("CO2:", "5.3", 31), "CO2:" + std::string(27, ' ') + "5.3\r\n");
  EXPECT_EQ(MailLine(std::string(33, 'L'), "v"), std::string(33, 'L') + "v\r\n");
}

TEST(SheetNumber, FiveSignificantFiguresInPlainDecimal) {
  ExpectTexts(SheetNumber, {{" 12075890", "12075890"},
                            {"1.207589E+07", "12075890"},
                            {" 1.25792379379272", "1.2579"},
                            {" 26.156", "26.156"},
                            {" .0387293", "0.038729"},
                            {"-.5", "-0.5"},
                            {" 4.4571428571E-05", "0.000044571"},
                            {" 60", "60"},
                            {" 0", "0"},
                            {"-0.000001", "-0.000001"},
                            {"Out of Range", "Out of Range"},
                            {"12abc", "12abc"},
                            {"", ""}});
}

// A name too long for its column breaks under itself and its value stays on its first
// line; values print in the sheet's precision, results as the form shows them; a sheet
// printed alone opens with its heading.
TEST(CalcSheetText, LongNamesKeepTheirValueOnTheirLine) {
  CalcSheet sheet;
  sheet.Section("Inputs");
  sheet.Add({"Mean flue gas temperature of the whole vent Tm", " 820.000012", "R", "", "", ""});
  sheet.Add({"Adjusted input I", " 1.207589E+07", "BTU", "", "", ""});
  sheet.Add({"Flue gas density", " .03873", "lb/ft^3", "", "", "lblFlueGasDensity"});
  sheet.Note("Stopped here.");
  Report report;
  AppendSheet(report, sheet, {"Calculation Sheet", "Boiler room", "12/31/2026"});
  const std::string text = ReportText(report);
  EXPECT_EQ(text.rfind("Calculation Sheet  -  Boiler room  -  12/31/2026\n", 0), 0u) << text;
  EXPECT_NE(text.find("              Mean flue gas temperature of          820 R\n"
                      "              the whole vent Tm\n"),
            std::string::npos)
      << text;
  EXPECT_NE(text.find("Adjusted input I                 12075890 BTU"), std::string::npos);
  EXPECT_NE(text.find("Flue gas density                   .03873 lb/ft^3"), std::string::npos);
  EXPECT_NE(text.find("\n              Stopped here.\n"), std::string::npos);
  EXPECT_EQ(text.find('\f'), std::string::npos);
  EXPECT_EQ(text.find("E+"), std::string::npos);
}

}  // namespace
}  // namespace formkit
