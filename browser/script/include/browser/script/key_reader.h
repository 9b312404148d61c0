// How loaders read their keys: by the vocabulary's names, through one section of a data
// file, each read told to a KeyLog when there is one.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "browser/doc/data_file.h"
#include "browser/script/load_context.h"
#include "browser/script/vocabulary.h"

namespace browser {

// Told every key a loader reads (found or not), with its section. The program has none; a
// test compares what the loaders read with the vocabulary.
class KeyLog {
 public:
  virtual ~KeyLog() = default;
  virtual void Read(std::string_view section, Key key) = 0;
};

// The readers of CDataFile for one section, named by Reader's words; each returns whether the
// key was there and stores into `value` only then.
class KeyReader {
 public:
  KeyReader(const CDataFile& file, std::string section, KeyLog* log = nullptr)
      : file_(file), section_(std::move(section)), log_(log) {}
  // As an object's Load reads: told to the load's KeyLog.
  KeyReader(const CDataFile& file, std::string section, const LoadContext& context)
      : KeyReader(file, std::move(section), context.key_log) {}

  bool Text(Key key, std::string& value) const;
  bool Int(Key key, int32_t& value) const;
  bool Long(Key key, int32_t& value) const;
  bool Short(Key key, int16_t& value) const;
  // A value type's code: read as a short, kept as the unsigned code the variants use.
  bool Short(Key key, uint16_t& value) const;
  bool Real(Key key, double& value) const;
  bool Bool(Key key, bool& value) const;
  bool Lines(Key key, std::string& value) const;
  bool ByValueType(Key key, uint16_t type, platform::Variant& value) const;
  // Whether the key is there at all.
  bool Present(Key key) const;

  const std::string& section() const { return section_; }
  const CDataFile& file() const { return file_; }

 private:
  template <typename Value>
  bool Read(Key key, Value& value,
            bool (CDataFile::*read)(std::string_view, std::string_view, Value&) const) const;

  const CDataFile& file_;
  std::string section_;
  KeyLog* log_;
};

}  // namespace browser
