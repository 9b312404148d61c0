#include "platform/memory_file_system.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace platform {
namespace {

// Reads a copy of the bytes the file held when it was opened, as a descriptor keeps reading
// the file it opened after the name is given to new contents.
class MemoryInputFile : public InputFile {
 public:
  explicit MemoryInputFile(std::string bytes) : bytes_(std::move(bytes)) {}
  long Read(char* out, size_t n, std::string* /*error*/) override {
    const size_t take = std::min(n, bytes_.size() - pos_);
    std::memcpy(out, bytes_.data() + pos_, take);
    pos_ += take;
    return static_cast<long>(take);
  }

 private:
  std::string bytes_;
  size_t pos_ = 0;
};

}  // namespace

MemoryFileSystem::MemoryFileSystem() { entries_["/"].kind = FileKind::kDirectory; }

std::string MemoryFileSystem::Normalize(const std::string& path) {
  std::vector<std::string_view> parts;
  const std::string_view all(path);
  size_t start = 0;
  while (start <= all.size()) {
    size_t end = all.find('/', start);
    if (end == std::string_view::npos) end = all.size();
    const std::string_view part = all.substr(start, end - start);
    if (part == "..") {
      if (!parts.empty()) parts.pop_back();
    } else if (!part.empty() && part != ".") {
      parts.push_back(part);
    }
    start = end + 1;
  }
  std::string key;
  for (std::string_view part : parts) key.append("/").append(part);
  return key.empty() ? "/" : key;
}

std::string MemoryFileSystem::Parent(const std::string& key) {
  const size_t slash = key.rfind('/');
  return slash == 0 ? "/" : key.substr(0, slash);
}

void MemoryFileSystem::MakeFolders(const std::string& key) {
  for (size_t slash = key.find('/', 1); slash != std::string::npos;
       slash = key.find('/', slash + 1)) {
    entries_[key.substr(0, slash)].kind = FileKind::kDirectory;
  }
}

void MemoryFileSystem::WriteFile(const std::string& path, std::string bytes) {
  const std::string key = Normalize(path);
  MakeFolders(key);
  entries_[key] = Entry{FileKind::kRegular, std::move(bytes)};
}

void MemoryFileSystem::MakeFolder(const std::string& path) {
  const std::string key = Normalize(path);
  MakeFolders(key);
  entries_[key] = Entry{FileKind::kDirectory, {}};
}

void MemoryFileSystem::MakeOther(const std::string& path) {
  const std::string key = Normalize(path);
  MakeFolders(key);
  entries_[key] = Entry{FileKind::kOther, {}};
}

void MemoryFileSystem::Remove(const std::string& path) {
  const std::string key = Normalize(path);
  if (key != "/") entries_.erase(key);
}

std::optional<std::string> MemoryFileSystem::Contents(const std::string& path) const {
  auto it = entries_.find(Normalize(path));
  if (it == entries_.end() || it->second.kind != FileKind::kRegular) return std::nullopt;
  return it->second.bytes;
}

std::unique_ptr<InputFile> MemoryFileSystem::OpenForReading(const std::string& path,
                                                            std::string* error) {
  auto it = entries_.find(Normalize(path));
  if (it == entries_.end()) {
    *error = std::strerror(ENOENT);
    return nullptr;
  }
  if (it->second.kind != FileKind::kRegular) {
    *error = "not a regular file";
    return nullptr;
  }
  return std::make_unique<MemoryInputFile>(it->second.bytes);
}

FileKind MemoryFileSystem::Stat(const std::string& path) {
  auto it = entries_.find(Normalize(path));
  return it == entries_.end() ? FileKind::kNone : it->second.kind;
}

bool MemoryFileSystem::ListFolder(const std::string& folder,
                                  const std::function<bool(std::string_view name)>& visit) {
  const std::string key = Normalize(folder);
  if (Stat(key) != FileKind::kDirectory) return false;
  if (!visit(".") || !visit("..")) return true;
  const std::string prefix = key == "/" ? key : key + "/";
  for (auto it = entries_.upper_bound(prefix);
       it != entries_.end() && it->first.compare(0, prefix.size(), prefix) == 0; ++it) {
    const std::string_view name = std::string_view(it->first).substr(prefix.size());
    if (name.find('/') != std::string_view::npos) continue;
    if (!visit(name)) break;
  }
  return true;
}

int MemoryFileSystem::Replace(const std::string& path, std::string_view bytes,
                              const ReplaceFileOptions& options) {
  if (replace_error_ != 0) return replace_error_;
  const std::string key = Normalize(path);
  if (options.create_folders) MakeFolders(key);
  if (Stat(Parent(key)) != FileKind::kDirectory) return ENOENT;
  if (Stat(key) == FileKind::kDirectory) return EISDIR;
  entries_[key] = Entry{FileKind::kRegular, std::string(bytes)};
  replaced_.push_back(key);
  return 0;
}

}  // namespace platform
