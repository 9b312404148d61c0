#include "formkit/contact.h"

#include "formkit/file_store.h"
#include "formkit/line_record.h"
#include "formkit/text_io.h"

namespace formkit {

std::optional<ContactInfo> ReadContactFile(const std::string& path) {
  const auto text = ReadTextFile(path);
  if (!text) return std::nullopt;
  LineRecordReader reader(*text);
  ContactInfo last;
  while (!reader.AtEnd()) {
    ContactInfo record;
    for (auto& field : record.fields) {
      auto value = reader.NextText();
      if (!value) return std::nullopt;
      field = std::move(*value);
    }
    last = std::move(record);
  }
  return last;
}

bool WriteContactFile(const ContactInfo& contact, const std::string& path, std::string* error) {
  LineRecordWriter writer;
  for (const auto& field : contact.fields) writer.Text(field);
  return WriteFileReplacing(path, writer.Line(), error);
}

}  // namespace formkit
