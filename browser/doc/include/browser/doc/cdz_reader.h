#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "browser/doc/status.h"

namespace browser {

class GzInput;

// Layout of a document container, after gzip decompression when the file is compressed
// (integers little-endian):
//   "VTRL"                          magic
//   then records until the end of the stream:
//   "CDB"                           tag
//   n (1 byte, 0..254)  or  255 followed by n (4 bytes)
//   name (n bytes, at most kMaxCdzNameSize)
//   s (4 bytes)
//   text (s bytes): lines ending in LF (CR LF allowed); the last byte is a line end
constexpr char kCdzMagic[] = "VTRL";
constexpr char kCdzTag[] = "CDB";
constexpr size_t kMaxCdzNameSize = 259;
// A line read never takes more than this; a longer line continues as the next line.
constexpr size_t kMaxCdzLineSize = 1023;

// What the lines of one container may take in memory (each line's text plus its string
// object) before the rest is refused as corrupt: a small gzip file can inflate to
// gigabytes of empty lines.
constexpr uint64_t kDefaultCdzLineBudget = uint64_t{512} << 20;

struct CdzMemberHeader {
  std::string name;
  uint32_t size = 0;
};

// Reads a container record by record. The file is untrusted: no length in it drives an
// allocation, and every failure names the file and the offset at which it was found.
class CdzReader {
 public:
  CdzReader();
  ~CdzReader();
  CdzReader(const CdzReader&) = delete;
  CdzReader& operator=(const CdzReader&) = delete;

  // Opens the file (gzip-compressed or plain) and checks the magic.
  Status Open(const std::string& path);

  // Reads the next record's header. At a clean end of the stream returns OK with *at_end
  // set. A wrong tag, an over-long name or a short header is a Corruption.
  Status NextMember(CdzMemberHeader* header, bool* at_end);

  // Reads the current member's text as lines and appends them: LF ends a line, a line
  // longer than kMaxCdzLineSize is split, CR and LF at the end of a line are removed and
  // empty lines are kept. The text's last byte is never taken as text (it is the final
  // line end). Consumes the whole member; a truncated member keeps the lines read so far
  // and returns Corruption, as does one whose lines would exceed the line budget.
  Status ReadLines(std::vector<std::string>* lines);

  // Skips the current member's text.
  Status SkipText();

  void set_line_budget(uint64_t bytes) { line_budget_ = bytes; }

 private:
  Status Truncated(const std::string& what) const;

  std::unique_ptr<GzInput> in_;
  CdzMemberHeader current_;
  uint64_t line_budget_ = kDefaultCdzLineBudget;
  uint64_t line_cost_ = 0;
};

}  // namespace browser
