// The machine's own disk behind FileSystem: the one implementation that reaches it.
#pragma once

#include "platform/file_system.h"

namespace platform {

// Relative paths are taken from the process's current folder. Opening for reading is
// OpenRegularFile's (regular_file.h) and replacing is ReplaceFile's (replace_file.h).
class DiskFileSystem : public FileSystem {
 public:
  std::unique_ptr<InputFile> OpenForReading(const std::string& path,
                                            std::string* error) override;
  FileKind Stat(const std::string& path) override;
  bool ListFolder(const std::string& folder,
                  const std::function<bool(std::string_view name)>& visit) override;
  using FileSystem::Replace;
  int Replace(const std::string& path, std::string_view bytes,
              const ReplaceFileOptions& options) override;
};

}  // namespace platform
