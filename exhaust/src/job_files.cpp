#include "exhaust/job_files.h"

#include "exhaust/job_record.h"
#include "formkit/file_store.h"
#include "formkit/text_io.h"

namespace exhaust {

bool SaveJob(FrmExhaust& form, const std::string& path, std::string* error) {
  return formkit::SaveFormFile(form, path, WriteJobRecord(JobRecordFromForm(form)),
                               " - Exhaust Program", error);
}

bool OpenJob(FrmExhaust& form, const std::string& path, std::string* error) {
  const auto text = formkit::ReadFormFile(path, error);
  if (!text) return false;
  const auto job = ReadJobRecord(*text);
  if (!job) {
    if (error) *error = path + ": " + kNotAJob;
    return false;
  }
  form.SetCaption(formkit::FullPath(path) + " - Corvane Exhaust Sizing Program");
  ApplyJobRecord(form, *job);
  return true;
}

}  // namespace exhaust
