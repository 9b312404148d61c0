#include "browser/script/key_reader.h"

namespace browser {

template <typename Value>
bool KeyReader::Read(Key key, Value& value,
                     bool (CDataFile::*read)(std::string_view, std::string_view, Value&)
                         const) const {
  if (log_ != nullptr) log_->Read(section_, key);
  return (file_.*read)(section_, key.name, value);
}

bool KeyReader::Text(Key key, std::string& value) const {
  return Read(key, value, &CDataFile::ReadString);
}
bool KeyReader::Int(Key key, int32_t& value) const { return Read(key, value, &CDataFile::ReadInt); }
bool KeyReader::Long(Key key, int32_t& value) const {
  return Read(key, value, &CDataFile::ReadLong);
}
bool KeyReader::Short(Key key, int16_t& value) const {
  return Read(key, value, &CDataFile::ReadShort);
}
bool KeyReader::Short(Key key, uint16_t& value) const {
  int16_t code = static_cast<int16_t>(value);
  if (!Short(key, code)) return false;
  value = static_cast<uint16_t>(code);
  return true;
}
bool KeyReader::Real(Key key, double& value) const {
  return Read(key, value, &CDataFile::ReadDouble);
}
bool KeyReader::Bool(Key key, bool& value) const { return Read(key, value, &CDataFile::ReadBool); }
bool KeyReader::Lines(Key key, std::string& value) const {
  return Read(key, value, &CDataFile::ReadMultiline);
}

bool KeyReader::ByValueType(Key key, uint16_t type, platform::Variant& value) const {
  if (log_ != nullptr) log_->Read(section_, key);
  return file_.ReadVariant(section_, key.name, type, value);
}

bool KeyReader::Present(Key key) const {
  std::string unused;
  return Text(key, unused);
}

}  // namespace browser
