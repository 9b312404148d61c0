#include "platform/disk_file_system.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/regular_file.h"

namespace platform {
namespace {

class DescriptorFile : public InputFile {
 public:
  explicit DescriptorFile(int fd) : fd_(fd) {}
  ~DescriptorFile() override { ::close(fd_); }
  DescriptorFile(const DescriptorFile&) = delete;
  DescriptorFile& operator=(const DescriptorFile&) = delete;

  long Read(char* out, size_t n, std::string* error) override {
    size_t done = 0;
    while (done < n) {
      const ssize_t got = ::read(fd_, out + done, n - done);
      if (got < 0 && errno == EINTR) continue;
      if (got < 0) {
        *error = std::strerror(errno);
        return -1;
      }
      if (got == 0) break;
      done += static_cast<size_t>(got);
    }
    return static_cast<long>(done);
  }

 private:
  int fd_;
};

}  // namespace

std::unique_ptr<InputFile> DiskFileSystem::OpenForReading(const std::string& path,
                                                          std::string* error) {
  OpenedFile opened = OpenRegularFile(path);
  if (opened.fd < 0) {
    *error = std::move(opened.error);
    return nullptr;
  }
  return std::make_unique<DescriptorFile>(opened.fd);
}

FileKind DiskFileSystem::Stat(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return FileKind::kNone;
  if (S_ISREG(st.st_mode)) return FileKind::kRegular;
  if (S_ISDIR(st.st_mode)) return FileKind::kDirectory;
  return FileKind::kOther;
}

bool DiskFileSystem::ListFolder(const std::string& folder,
                                const std::function<bool(std::string_view name)>& visit) {
  DIR* dir = ::opendir(folder.c_str());
  if (dir == nullptr) return false;
  while (const dirent* entry = ::readdir(dir)) {
    if (!visit(entry->d_name)) break;
  }
  ::closedir(dir);
  return true;
}

int DiskFileSystem::Replace(const std::string& path, std::string_view bytes,
                            const ReplaceFileOptions& options) {
  return ReplaceFile(path, bytes, options);
}

}  // namespace platform
