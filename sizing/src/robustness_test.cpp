// Thousands of generated jobs, odd inputs included: the calculation never lets a fault
// escape, and a label is either untouched, a number text, or one of the words it may show.
#include <gtest/gtest.h>

#include <random>

#include "formkit/host.h"
#include "formkit/numbers.h"
#include "formkit/pipe_tables.h"
#include "formkit_testing.h"
#include "sizing/frm_sizing.h"
#include "sizing/job_record.h"

namespace sizing {
namespace {

std::string Pick(std::mt19937& rng) {
  static const char* const kOdd[] = {"",      "0",      "-1",     "abc",  "1e39", "1e400", "&HFFFF",
                                     "&O17",  "2.5",    "3.5",    " 4 2", "1d2",  "-460",  "40000",
                                     "12abc", "0.0001", "-32769", ".",    "1,5",  "9e9"};
  return formkit::testing::GeneratedInput(rng, kOdd, 2000, 500, 6);
}

bool LooksRight(const std::string& label, const std::string& text) {
  if (text.empty() || label == "lblCO2") return true;
  if (label == "lblPipeDiameter") {
    if (text == "Out of Range") return true;
    for (int size : formkit::StandardDiameters())
      if (text == std::to_string(size)) return true;
    return false;
  }
  if (label == "lblFanRequirement" && (text == "N/A" || text == "Not Required")) return true;
  return text[0] == ' ' || text[0] == '-';
}

TEST(Robustness, GeneratedJobsNeverEscapeAFault) {
  std::mt19937 rng(20261207);
  formkit::RecordingHost host;
  FrmSizing form(host, formkit::NumberFormat{'.', ','});
  form.Form_Load();
  const char* inputs[] = {"txtBTU",       "txtAmbientTemp", "txtFlueTempRise", "txtCO2",
                          "txtAltitude",  "txtSysHeight",   "txtSysLength",    "txtOutletDraft",
                          "lblBarometricPres"};
  for (int job = 0; job < 3000; ++job) {
    for (const char* input : inputs) form.SetText(input, Pick(rng));
    for (const auto& fitting : formkit::VentFittings())
      form.SetText(fitting.control, rng() % 3 ? "" : Pick(rng));
    form.SelectFuel(static_cast<int>(rng() % 7) - (rng() % 20 == 0 ? 3 : 0));
    form.SelectInducedDraft(rng() % 3 == 0);
    if (form.At("optDraftYes").value) form.SetText("txtDiameter", Pick(rng));
    form.SetValue("chkCombinedVent", rng() % 4 == 0);
    ASSERT_NO_THROW(form.cmdCalculate_Click()) << "job " << job;
    ASSERT_NO_THROW(form.txtSysHeight_LostFocus());
    for (const char* label : kResultLabels)
      ASSERT_TRUE(LooksRight(label, form.Text(label))) << label << " = '" << form.Text(label) << "'";
  }
}

TEST(Robustness, ArbitraryJobFileBytesAreReadOrRefused) {
  std::mt19937 rng(7);
  const std::string alphabet = "\"\",,\r\n 0123456789abc-.&H\t\x01\xff";
  for (int file = 0; file < 5000; ++file) {
    std::string bytes(rng() % 400, ' ');
    for (char& c : bytes) c = alphabet[rng() % alphabet.size()];
    const auto job = ReadJobRecord(bytes);
    if (job) {
      EXPECT_GE(job->fuel, 0);
      EXPECT_LE(job->fuel, 5);
    }
  }
}

}  // namespace
}  // namespace sizing
