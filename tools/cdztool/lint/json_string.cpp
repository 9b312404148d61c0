#include "json_string.h"

#include <cstdint>
#include <cstdio>

#include "platform/utf8.h"

namespace cdztool {
namespace {

// Windows-1252 bytes 0x80 to 0x9F; the unassigned ones keep their own numbers.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// Calls `each` with every code point of valid UTF-8 `text` and the bytes that spell it.
template <typename Each>
void ForEachCodePoint(std::string_view text, Each each) {
  for (size_t i = 0; i < text.size();) {
    char32_t code;
    const size_t length = platform::DecodeUtf8(text, i, code);
    each(code, text.substr(i, length));
    i += length;
  }
}

bool IsControl(uint32_t code) { return code < 0x20 || (code >= 0x7F && code < 0xA0); }

}  // namespace

std::string DocumentTextUtf8(std::string_view text) {
  if (platform::IsValidUtf8(text)) return std::string(text);
  std::string out;
  out.reserve(text.size() + text.size() / 2);
  for (char ch : text) {
    const auto c = static_cast<unsigned char>(ch);
    platform::AppendUtf8(out, c >= 0x80 && c < 0xA0 ? kCp1252High[c - 0x80] : c);
  }
  return out;
}

std::string JsonString(std::string_view text) {
  std::string out = "\"";
  ForEachCodePoint(DocumentTextUtf8(text), [&](uint32_t code, std::string_view bytes) {
    if (code == '"' || code == '\\') {
      out += '\\';
      out += static_cast<char>(code);
    } else if (IsControl(code)) {
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(code));
      out += escape;
    } else {
      out += bytes;
    }
  });
  return out + "\"";
}

std::string PrintableText(std::string_view text) {
  std::string out;
  ForEachCodePoint(DocumentTextUtf8(text), [&](uint32_t code, std::string_view bytes) {
    char escape[8];
    if (code == '\n') {
      out += "\\n";
    } else if (code == '\r') {
      out += "\\r";
    } else if (code == '\t') {
      out += "\\t";
    } else if (code < 0x20 || code == 0x7F) {
      std::snprintf(escape, sizeof escape, "\\x%02x", static_cast<unsigned>(code));
      out += escape;
    } else if (IsControl(code)) {
      std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(code));
      out += escape;
    } else {
      out += bytes;
    }
  });
  return out;
}

}  // namespace cdztool
