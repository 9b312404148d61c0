#include "sizing/job_record.h"

#include "formkit/line_record.h"
#include "sizing/fuels.h"

namespace sizing {

const std::array<const char*, 26>& JobRecordControls() {
  static const std::array<const char*, 26> kControls = {
      "txtCustomer",     "txtJobDescription",   "txtBTU",          "txtAmbientTemp",
      "txtFlueTempRise", "txtCO2",              "txtAltitude",     "txtSysHeight",
      "txtSysLength",    "lblBarometricPres",   "txtOutletDraft",  "txt90T",
      "txt90Y",          "txt90L",              "txt45T",          "txt45L",
      "txt30L",          "txtTaperedIncreaser", "txtStepIncreaser", "txtExitCone",
      "txtStackCap",     "txtDrainSection",     "txtLinedBellows", "txtDraftHood",
      "txtBarometricDamper", "txtMuffler"};
  return kControls;
}

JobRecord JobRecordFromForm(const FrmSizing& form) {
  JobRecord job;
  job.fuel = form.At("cmbFuelType").value;
  for (size_t i = 0; i < job.texts.size(); ++i) job.texts[i] = form.Text(JobRecordControls()[i]);
  return job;
}

std::string WriteJobRecord(const JobRecord& job) {
  formkit::LineRecordWriter writer;
  writer.Text(job.texts[0]).Text(job.texts[1]).Whole(job.fuel);
  for (size_t i = 2; i < job.texts.size(); ++i) writer.Text(job.texts[i]);
  return writer.Line();
}

std::optional<JobRecord> ReadJobRecord(std::string_view file_text) {
  formkit::LineRecordReader reader{std::string(file_text)};
  JobRecord job;
  for (size_t value = 0; value < 27; ++value) {
    if (value == 2) {
      const auto fuel = reader.NextInteger();
      if (!fuel || *fuel < 0 || *fuel >= static_cast<int>(Fuels().size())) return std::nullopt;
      job.fuel = *fuel;
      continue;
    }
    auto text = reader.NextText();
    if (!text) return std::nullopt;
    job.texts[value < 2 ? value : value - 1] = std::move(*text);
  }
  return job;
}

void ApplyJobRecord(FrmSizing& form, const JobRecord& job) {
  form.SetText("txtCustomer", job.texts[0]);
  form.SetText("txtJobDescription", job.texts[1]);
  form.SelectFuel(job.fuel);
  for (size_t i = 2; i < job.texts.size(); ++i) form.SetText(JobRecordControls()[i], job.texts[i]);
}

}  // namespace sizing
