#pragma once

// Helpers for tests that need container files: in memory for the tests of logic, on the disk
// for the tests about the disk.
#include <cstdint>
#include <string>

#include "platform/memory_file_system.h"

namespace browser::testing {

// Files in memory under one folder: `files` is handed to what the test reads and writes.
struct MemoryDir {
  MemoryDir() { files.MakeFolder("/test"); }
  std::string Path(const std::string& name) const { return "/test/" + name; }
  void Write(const std::string& path, std::string bytes) {
    files.WriteFile(path, std::move(bytes));
  }
  std::string Read(const std::string& path) const { return files.Contents(path).value_or(""); }
  platform::MemoryFileSystem files;
};

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

// On the disk.
void WriteFile(const std::string& path, const std::string& bytes);
std::string ReadFile(const std::string& path);

// The bytes as one gzip stream (RFC 1952).
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
