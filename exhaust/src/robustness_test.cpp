// Thousands of generated jobs, odd inputs included: the calculation never lets a fault
// escape, shows at most one message, leaves the labels alone when it shows one, and writes
// only texts a label may show.
#include <gtest/gtest.h>

#include <map>
#include <random>

#include "exhaust/frm_exhaust.h"
#include "formkit/pipe_tables.h"
#include "formkit_testing.h"

namespace exhaust {
namespace {

std::string Pick(std::mt19937& rng) {
  static const char* const kOdd[] = {
      "",       "0",    "-1",   "abc",   "1e39",   "1e400", "&HFFFF", "&O17", "2.5", "3.5",
      " 4 2",   "1d2",  "-460", "40000", "12abc",  "1e-30", "-32769", ".",    "1,5", "9e9",
      "-459.9", "1e30", "3e38", "32767", "-32768", "   ",   "60",     "1e6"};
  return formkit::testing::GeneratedInput(rng, kOdd, 20000, 2000, 7);
}

bool LooksRight(const std::string& label, const std::string& text) {
  if (text.empty()) return true;
  if (label == "lblStdPipe") {
    if (text == "Out of Range") return true;
    for (int size : formkit::StandardDiameters())
      if (text == std::to_string(size)) return true;
    return false;
  }
  if (label == "lblK") return text[0] == '-' || (text[0] >= '0' && text[0] <= '9');
  return text[0] == ' ' || text[0] == '-';
}

TEST(Robustness, GeneratedJobsNeverEscapeAFault) {
  std::mt19937 rng(20261208);
  formkit::RecordingHost host;
  FrmExhaust form(host);
  const char* inputs[] = {"txtExhaustTemp", "txtFlowRate", "txtDropLimit", "txtAltitude",
                          "txtPipeLength"};
  for (int job = 0; job < 5000; ++job) {
    for (const char* input : inputs) form.SetText(input, Pick(rng));
    for (const auto& fitting : formkit::ExhaustFittings())
      form.SetText(fitting.control, rng() % 3 ? "" : Pick(rng));
    std::map<std::string, std::string> before;
    for (const char* label : kResultLabels) before[label] = form.Text(label);
    host.messages.clear();
    ASSERT_NO_THROW(form.cmdCalc_Click()) << "job " << job;
    ASSERT_LE(host.messages.size(), 1u);
    for (const char* label : kResultLabels) {
      if (!host.messages.empty()) {
        ASSERT_EQ(form.Text(label), before[label]) << label;
      }
      ASSERT_TRUE(LooksRight(label, form.Text(label)))
          << label << " = '" << form.Text(label) << "'";
    }
  }
}

}  // namespace
}  // namespace exhaust
