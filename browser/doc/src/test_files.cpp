#include "test_files.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <stdexcept>

#include "browser/doc/cdz_writer.h"
#include "platform/disk_file_system.h"

namespace browser::testing {

TempDir::TempDir() {
  std::string pattern = ::testing::TempDir() + "browser_doc_XXXXXX";
  char* made = mkdtemp(pattern.data());
  if (made == nullptr) throw std::runtime_error("mkdtemp failed");
  dir_ = made;
}

TempDir::~TempDir() {
  std::error_code ignored;
  std::filesystem::remove_all(dir_, ignored);
}

void WriteFile(const std::string& path, const std::string& bytes) {
  platform::DiskFileSystem disk;
  if (disk.Replace(path, bytes) != 0) throw std::runtime_error("cannot write " + path);
}

std::string ReadFile(const std::string& path) {
  platform::DiskFileSystem disk;
  std::string bytes, error;
  disk.ReadFile(path, size_t{1} << 30, &bytes, &error);
  return bytes;
}

std::string Gzip(const std::string& bytes) { return GzipBytes(bytes); }

std::string Le32(uint32_t v) {
  std::string out;
  for (int i = 0; i < 4; ++i) out += static_cast<char>((v >> (8 * i)) & 0xFF);
  return out;
}

CdzBytes& CdzBytes::Member(const std::string& name, const std::string& text) {
  bytes_ += "CDB";
  if (name.size() < 255) {
    bytes_ += static_cast<char>(name.size());
  } else {
    bytes_ += static_cast<char>(255);
    bytes_ += Le32(static_cast<uint32_t>(name.size()));
  }
  bytes_ += name;
  bytes_ += Le32(static_cast<uint32_t>(text.size()));
  bytes_ += text;
  return *this;
}

}  // namespace browser::testing
