#include "exhaust/job_record.h"

#include "formkit/line_record.h"

namespace exhaust {

JobRecord JobRecordFromForm(const FrmExhaust& form) {
  JobRecord job;
  for (size_t i = 0; i < job.size(); ++i) job[i] = form.Text(kJobBoxes[i]);
  return job;
}

std::string WriteJobRecord(const JobRecord& job) {
  formkit::LineRecordWriter writer;
  for (const std::string& text : job) writer.Text(text);
  return writer.Line();
}

std::optional<JobRecord> ReadJobRecord(std::string_view file_text) {
  formkit::LineRecordReader reader{std::string(file_text)};
  JobRecord job;
  for (std::string& field : job) {
    auto text = reader.NextText();
    if (!text) return std::nullopt;
    field = std::move(*text);
  }
  return job;
}

void ApplyJobRecord(FrmExhaust& form, const JobRecord& job) {
  for (size_t i = 0; i < job.size(); ++i) form.SetText(kJobBoxes[i], job[i]);
}

}  // namespace exhaust
