#include "formkit/line_record.h"

#include <cmath>

#include "formkit/fault.h"
#include "formkit/numbers.h"

namespace formkit {

void LineRecordWriter::Separate() {
  if (!first_) line_.push_back(',');
  first_ = false;
}

LineRecordWriter& LineRecordWriter::Text(std::string_view value) {
  Separate();
  line_.push_back('"');
  line_.append(value);
  line_.push_back('"');
  return *this;
}

LineRecordWriter& LineRecordWriter::Whole(long value) {
  Separate();
  line_ += std::to_string(value);
  return *this;
}

void LineRecordReader::SkipBlanks() {
  while (pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '\t')) ++pos_;
}

bool LineRecordReader::AtEnd() {
  // Line ends between records are not values.
  while (pos_ < text_.size() &&
         (text_[pos_] == ' ' || text_[pos_] == '\t' || text_[pos_] == '\r' || text_[pos_] == '\n'))
    ++pos_;
  return pos_ >= text_.size();
}

std::optional<std::string> LineRecordReader::NextText() {
  if (AtEnd()) return std::nullopt;
  std::string value;
  auto is_end = [&](char c) { return c == ',' || c == '\r' || c == '\n'; };
  if (text_[pos_] == '"') {
    const size_t close = text_.find('"', pos_ + 1);
    const size_t stop = close == std::string::npos ? text_.size() : close;
    value = text_.substr(pos_ + 1, stop - pos_ - 1);
    pos_ = stop == text_.size() ? stop : stop + 1;
    while (pos_ < text_.size() && !is_end(text_[pos_])) ++pos_;
  } else {
    const size_t start = pos_;
    while (pos_ < text_.size() && !is_end(text_[pos_])) ++pos_;
    value = text_.substr(start, pos_ - start);
    while (!value.empty() && (value.back() == ' ' || value.back() == '\t')) value.pop_back();
  }
  // One separator belongs to this value: a comma, or a line end (CR LF, CR or LF).
  if (pos_ < text_.size()) {
    if (text_[pos_] == '\r' && pos_ + 1 < text_.size() && text_[pos_ + 1] == '\n') ++pos_;
    ++pos_;
  }
  return value;
}

std::optional<int16_t> LineRecordReader::NextInteger() {
  const auto text = NextText();
  if (!text) return std::nullopt;
  try {
    return ToInteger16(Val(*text));
  } catch (const Fault&) {
    return std::nullopt;
  }
}

std::optional<int32_t> LineRecordReader::NextLong() {
  const auto text = NextText();
  if (!text) return std::nullopt;
  try {
    const double whole = std::nearbyint(Val(*text));
    if (whole < -2147483648.0 || whole > 2147483647.0) return std::nullopt;
    return static_cast<int32_t>(whole);
  } catch (const Fault&) {
    return std::nullopt;
  }
}

}  // namespace formkit
