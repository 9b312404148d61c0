// The line format of job, contact and background files.
//
// A record is one line ending in CR LF; values are separated by single commas; a text is
// written between double quotes with its content unchanged (a quote inside it is not
// escaped, so it ends the value early when read back); a whole number is written in plain
// decimal. Reading treats a line end like a comma.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace formkit {

class LineRecordWriter {
 public:
  LineRecordWriter& Text(std::string_view value);
  LineRecordWriter& Whole(long value);
  // The record so far, ended by CR LF.
  std::string Line() const { return line_ + "\r\n"; }

 private:
  void Separate();
  std::string line_;
  bool first_ = true;
};

// Reads values one at a time from the text of a file.
class LineRecordReader {
 public:
  explicit LineRecordReader(std::string text) : text_(std::move(text)) {}

  // The next value as text: a quoted value up to its closing quote (anything after it up to
  // the next separator is skipped), an unquoted value with surrounding blanks removed.
  // None at the end of the file.
  std::optional<std::string> NextText();
  // The next value as a whole number (read by its leading numeric part, rounded half to
  // even, 16-bit). None at the end of the file or when it does not fit.
  std::optional<int16_t> NextInteger();
  // The next value as a 32-bit whole number.
  std::optional<int32_t> NextLong();
  bool AtEnd();

 private:
  void SkipBlanks();
  std::string text_;
  size_t pos_ = 0;
};

}  // namespace formkit
