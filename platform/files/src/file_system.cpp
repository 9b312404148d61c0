#include "platform/file_system.h"

namespace platform {

bool ReadAll(InputFile& file, size_t max_bytes, std::string* bytes, std::string* error) {
  bytes->clear();
  char block[64 * 1024];
  for (;;) {
    const long n = file.Read(block, sizeof block, error);
    if (n < 0) break;
    if (n == 0) return true;
    if (bytes->size() + static_cast<size_t>(n) > max_bytes) {
      *error = "larger than " + std::to_string(max_bytes) + " bytes";
      break;
    }
    bytes->append(block, static_cast<size_t>(n));
  }
  bytes->clear();
  return false;
}

bool FileSystem::ReadFile(const std::string& path, size_t max_bytes, std::string* bytes,
                          std::string* error) {
  bytes->clear();
  const std::unique_ptr<InputFile> file = OpenForReading(path, error);
  return file != nullptr && ReadAll(*file, max_bytes, bytes, error);
}

}  // namespace platform
