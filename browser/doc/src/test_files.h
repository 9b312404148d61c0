#pragma once

// Helpers for tests that need container files on disk.
#include <cstdint>
#include <string>

namespace browser::testing {

// A fresh directory under the test temporary directory, removed with its files.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  std::string Path(const std::string& name) const { return dir_ + "/" + name; }

 private:
  std::string dir_;
};

void WriteFile(const std::string& path, const std::string& bytes);
std::string ReadFile(const std::string& path);
// Writes the bytes as one gzip stream (RFC 1952).
void WriteGzipFile(const std::string& path, const std::string& bytes);
std::string Gzip(const std::string& bytes);

std::string Le32(uint32_t v);

// Container bytes built field by field, so a test can spell out a damaged record.
class CdzBytes {
 public:
  CdzBytes() : bytes_("VTRL") {}
  // A well-formed record: short length form below 255 bytes, else 255 and 4 bytes.
  CdzBytes& Member(const std::string& name, const std::string& text);
  CdzBytes& Raw(const std::string& bytes) {
    bytes_ += bytes;
    return *this;
  }
  const std::string& str() const { return bytes_; }

 private:
  std::string bytes_;
};

}  // namespace browser::testing
