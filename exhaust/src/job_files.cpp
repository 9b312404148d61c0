#include "exhaust/job_files.h"

#include "exhaust/job_record.h"
#include "formkit/file_store.h"
#include "formkit/text_io.h"

namespace exhaust {

bool SaveJob(FrmExhaust& form, const std::string& path, std::string* error) {
  if (!formkit::WriteFileReplacing(path, WriteJobRecord(JobRecordFromForm(form)), error))
    return false;
  form.SetCaption(formkit::FullPath(path) + " - Exhaust Program");
  return true;
}

bool OpenJob(FrmExhaust& form, const std::string& path, std::string* error) {
  const auto text = formkit::ReadTextFile(path);
  if (!text) {
    if (error) *error = path + ": cannot be read";
    return false;
  }
  const auto job = ReadJobRecord(*text);
  if (!job) {
    if (error) *error = path + ": not an exhaust job (it needs 20 fields)";
    return false;
  }
  form.SetCaption(formkit::FullPath(path) + " - Corvane Exhaust Sizing Program");
  ApplyJobRecord(form, *job);
  return true;
}

}  // namespace exhaust
