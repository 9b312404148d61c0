#include "browser/script/key_reader.h"

namespace browser {

bool KeyReader::Text(Key key, std::string& value) const {
  Tell(key);
  return file_.ReadString(section_, key.name, value);
}

bool KeyReader::Int(Key key, int32_t& value) const {
  Tell(key);
  return file_.ReadInt(section_, key.name, value);
}

bool KeyReader::Long(Key key, int32_t& value) const {
  Tell(key);
  return file_.ReadLong(section_, key.name, value);
}

bool KeyReader::Short(Key key, int16_t& value) const {
  Tell(key);
  return file_.ReadShort(section_, key.name, value);
}

bool KeyReader::Real(Key key, double& value) const {
  Tell(key);
  return file_.ReadDouble(section_, key.name, value);
}

bool KeyReader::Bool(Key key, bool& value) const {
  Tell(key);
  return file_.ReadBool(section_, key.name, value);
}

bool KeyReader::Lines(Key key, std::string& value) const {
  Tell(key);
  return file_.ReadMultiline(section_, key.name, value);
}

bool KeyReader::ByValueType(Key key, uint16_t type, platform::Variant& value) const {
  Tell(key);
  return file_.ReadVariant(section_, key.name, type, value);
}

bool KeyReader::Present(Key key) const {
  std::string unused;
  return Text(key, unused);
}

}  // namespace browser
