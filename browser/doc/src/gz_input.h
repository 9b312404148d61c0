#pragma once

#include <zlib.h>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "browser/doc/status.h"
#include "platform/file_system.h"

namespace browser {

// A buffered byte reader over a file opened through the file system handed in: a file that
// begins with the gzip magic is inflated (member after member; whatever follows the last
// member is not read), any other file is read as it stands. Every read reports exactly how
// many bytes it consumed, so a NUL byte in a line cannot put the reader out of step.
//
// Damaged compressed data ends the stream at the read that met it: the bytes that read would
// have delivered are not delivered. Compressed data that stops early delivers what it held.
class GzInput {
 public:
  GzInput() = default;
  ~GzInput();
  GzInput(const GzInput&) = delete;
  GzInput& operator=(const GzInput&) = delete;

  Status Open(platform::FileSystem& files, const std::string& path);
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
  enum class How { kLook, kCopy, kGzip, kEnd };
  enum class Fault { kNone, kTruncated, kDamaged, kRead };

  bool Fill();
  bool FillInput();
  bool Produce();
  bool Inflate();
  bool Copy();
  void Fail(Fault fault, std::string message);

  std::unique_ptr<platform::InputFile> file_;
  std::string path_;
  // What the reads take from: up to one block of the stream at a time.
  std::vector<char> buffer_;
  size_t pos_ = 0;
  size_t end_ = 0;
  bool at_end_ = false;
  uint64_t offset_ = 0;

  // Inflating: the file's bytes not yet inflated, and the output of the member in progress.
  How how_ = How::kLook;
  bool inflated_ = false;  // a gzip member was met: what follows the last one is not read
  bool inflating_ = false;
  z_stream stream_{};
  std::vector<unsigned char> in_;
  bool file_ended_ = false;
  // One batch of the stream in two halves (no single block is as large as a batch): bytes
  // [0, out_end_) of the two laid end to end.
  std::vector<char> out_[2];
  size_t out_pos_ = 0;
  size_t out_end_ = 0;
  Fault fault_ = Fault::kNone;
  std::string fault_message_;
};

}  // namespace browser
