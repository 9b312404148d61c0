#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "browser/doc/memory_budget.h"
#include "browser/doc/status.h"

namespace platform {
class FileSystem;
}

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
// A container holding more members than this is damaged: the rest is not read.
constexpr size_t kMaxCdzMembers = 4096;
// A line read never takes more than this; a longer line continues as the next line.
constexpr size_t kMaxCdzLineSize = 1023;

// What the lines a reader reads may take in memory when no document budget is handed in,
// before the rest is refused as corrupt: a small gzip file can inflate to gigabytes of empty
// lines.
constexpr uint64_t kDefaultCdzLineBudget = kDocumentMemoryBudget;

// What one line read costs a budget: its string object and text, counted three times (the
// line, the spare room of the growing vector that holds it, and the working copy a page is
// loaded from), so that the budget bounds what the lines really take.
uint64_t CdzLineCost(size_t line_size);

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

  // Opens the file (gzip-compressed or plain) through `files` and checks the magic.
  Status Open(platform::FileSystem& files, const std::string& path);

  // Reads the next record's header. At a clean end of the stream returns OK with *at_end
  // set. A wrong tag, an over-long name, a short header or a record past the first
  // kMaxCdzMembers is a Corruption.
  Status NextMember(CdzMemberHeader* header, bool* at_end);

  // Reads the current member's text as lines and appends them: LF ends a line, a line
  // longer than kMaxCdzLineSize is split, CR and LF at the end of a line are removed and
  // empty lines are kept. The text's last byte is never taken as text (it is the final
  // line end). Consumes the whole member; a truncated member keeps the lines read so far
  // and returns Corruption, as does one whose lines would exceed the line budget.
  Status ReadLines(std::vector<std::string>* lines);

  // Skips the current member's text.
  Status SkipText();

  // The budget the lines are taken from (it must outlive the reader); without one, the
  // reader's own of kDefaultCdzLineBudget.
  void set_budget(MemoryBudget* budget) { budget_ = budget; }
  // What this reader has taken from its budget so far; the caller gives it back.
  uint64_t taken() const { return taken_; }

 private:
  Status Truncated(const std::string& what) const;

  std::unique_ptr<GzInput> in_;
  CdzMemberHeader current_;
  MemoryBudget own_budget_{kDefaultCdzLineBudget};
  MemoryBudget* budget_ = &own_budget_;
  uint64_t taken_ = 0;
  size_t members_ = 0;
};

}  // namespace browser
