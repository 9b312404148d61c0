#pragma once

#include <zlib.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "browser/doc/status.h"

namespace browser {

// A buffered byte reader over zlib's gzip file functions: gzip-compressed files are
// inflated, any other file is read as it stands. Unlike gzgets, every read reports exactly
// how many bytes it consumed, so a NUL byte in a line cannot put the reader out of step.
class GzInput {
 public:
  GzInput() = default;
  ~GzInput();
  GzInput(const GzInput&) = delete;
  GzInput& operator=(const GzInput&) = delete;

  Status Open(const std::string& path);
  const std::string& path() const { return path_; }
  // Bytes consumed so far, counted in the (inflated) stream.
  uint64_t offset() const { return offset_; }

  // Reads up to n bytes; fewer only at the end of the stream.
  size_t Read(char* out, size_t n);
  // Replaces `line` with up to `max` bytes, stopping after the first LF. Returns the count.
  size_t ReadLine(size_t max, std::string& line);
  // Discards up to n bytes; returns how many there were.
  uint64_t Skip(uint64_t n);

  // Once a read came up short: OK when the stream ended cleanly, otherwise what went
  // wrong (truncated or damaged gzip data, a read error).
  Status EndStatus() const;

 private:
  bool Fill();

  gzFile file_ = nullptr;
  std::string path_;
  std::vector<char> buffer_;
  size_t pos_ = 0;
  size_t end_ = 0;
  bool at_end_ = false;
  uint64_t offset_ = 0;
};

}  // namespace browser
