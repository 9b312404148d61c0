// Files kept in memory behind FileSystem, for tests: what a document does with files is
// checked without a disk, and a test can set up what a disk rarely offers (a FIFO, a file
// that cannot be replaced).
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/file_system.h"

namespace platform {

// Paths are taken apart at "/": empty components and "." are dropped, ".." goes up one folder
// (never above the root), and a relative path starts at the root. The root folder is always
// there; writing a file makes the folders on its way.
class MemoryFileSystem : public FileSystem {
 public:
  MemoryFileSystem();

  void WriteFile(const std::string& path, std::string bytes);
  void MakeFolder(const std::string& path);
  // Something that is neither a file nor a folder (a FIFO, a device): it exists, but opening
  // it for reading is refused.
  void MakeOther(const std::string& path);
  void Remove(const std::string& path);
  // The bytes of the file at `path`; nothing when no file is there.
  std::optional<std::string> Contents(const std::string& path) const;
  // Every Replace fails with this errno (and changes nothing) while it is not 0.
  void set_replace_error(int code) { replace_error_ = code; }
  // The paths Replace wrote, in order.
  const std::vector<std::string>& replaced() const { return replaced_; }

  std::unique_ptr<InputFile> OpenForReading(const std::string& path,
                                            std::string* error) override;
  FileKind Stat(const std::string& path) override;
  bool ListFolder(const std::string& folder,
                  const std::function<bool(std::string_view name)>& visit) override;
  using FileSystem::Replace;
  int Replace(const std::string& path, std::string_view bytes,
              const ReplaceFileOptions& options) override;

  // The path as this file system keys it ("/a/b" for "a//./c/../b").
  static std::string Normalize(const std::string& path);

 private:
  struct Entry {
    FileKind kind = FileKind::kRegular;
    std::string bytes;
  };
  void MakeFolders(const std::string& key);
  static std::string Parent(const std::string& key);

  std::map<std::string, Entry> entries_;
  int replace_error_ = 0;
  std::vector<std::string> replaced_;
};

}  // namespace platform
