#include "exhaust/job_files.h"

#include "exhaust/job_record.h"
#include "formkit/file_store.h"
#include "formkit/text_io.h"

namespace exhaust {

bool SaveJob(FrmExhaust& form, const std::string& path, std::string* error) {
  return formkit::SaveJobFile(kJobFile, form, path, error);
}

bool OpenJob(FrmExhaust& form, const std::string& path, std::string* error) {
  return formkit::OpenJobFile(kJobFile, form, path, error);
}

}  // namespace exhaust
