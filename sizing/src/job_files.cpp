#include "sizing/job_files.h"

#include "formkit/file_store.h"
#include "formkit/line_record.h"
#include "formkit/text_io.h"
#include "sizing/job_record.h"

namespace sizing {

bool SaveJob(FrmSizing& form, const std::string& path, std::string* error) {
  return formkit::SaveJobFile(kJobFile, form, path, error);
}

bool OpenJob(FrmSizing& form, const std::string& path, std::string* error) {
  return formkit::OpenJobFile(kJobFile, form, path, error);
}

std::optional<uint32_t> ReadBackgroundColor(const std::string& path) {
  const auto text = formkit::ReadTextFile(path);
  if (!text) return std::nullopt;
  formkit::LineRecordReader reader(*text);
  const auto value = reader.NextText();
  if (!value || value->empty()) return std::nullopt;
  // The value must be a whole number and nothing else.
  size_t i = (*value)[0] == '-' ? 1 : 0;
  if (i == value->size()) return std::nullopt;
  for (; i < value->size(); ++i)
    if ((*value)[i] < '0' || (*value)[i] > '9') return std::nullopt;
  const long long color = std::stoll(value->substr(0, 12));
  if (color < 0 || color > 0xFFFFFF) return std::nullopt;
  return static_cast<uint32_t>(color);
}

bool WriteBackgroundColor(uint32_t color, const std::string& path, std::string* error) {
  formkit::LineRecordWriter writer;
  writer.Whole(static_cast<long>(color));
  return formkit::WriteFileReplacing(path, writer.Line(), error);
}

}  // namespace sizing
