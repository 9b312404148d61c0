#include "test_files.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <zlib.h>

#include <filesystem>
#include <fstream>
#include <sstream>

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
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + path);
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

void WriteGzipFile(const std::string& path, const std::string& bytes) {
  gzFile file = gzopen(path.c_str(), "wb");
  if (file == nullptr) throw std::runtime_error("cannot write " + path);
  if (!bytes.empty()) gzwrite(file, bytes.data(), static_cast<unsigned>(bytes.size()));
  gzclose(file);
}

std::string Gzip(const std::string& bytes) {
  TempDir dir;
  WriteGzipFile(dir.Path("z"), bytes);
  return ReadFile(dir.Path("z"));
}

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
