// The files of the machine as the browser's layers see them: opening for reading, asking what
// is at a path, reading a folder's names and replacing a file's contents. The program hands in
// the disk (DiskFileSystem); tests hand in files kept in memory (MemoryFileSystem), so that
// what a document does with files is tested without a disk.
#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "platform/replace_file.h"

namespace platform {

// A file open for reading from its start to its end.
class InputFile {
 public:
  virtual ~InputFile() = default;
  // Up to `n` bytes into `out`; fewer only at the end of the file. 0 at the end; -1 when the
  // read failed, with the system's text in *error.
  virtual long Read(char* out, size_t n, std::string* error) = 0;
};

enum class FileKind { kNone, kRegular, kDirectory, kOther };

class FileSystem {
 public:
  virtual ~FileSystem() = default;

  // Files named by a document's words are opened through this. A FIFO would block the
  // opening or the reading for ever, a device such as /dev/zero would never end, and neither
  // is a file a document can mean: only a regular file is opened, and opening never waits.
  // Otherwise nullptr and why: the system's text ("No such file or directory") or "not a
  // regular file".
  virtual std::unique_ptr<InputFile> OpenForReading(const std::string& path,
                                                    std::string* error) = 0;
  // What is at `path`, symbolic links followed; kNone when nothing is (or it cannot be asked).
  virtual FileKind Stat(const std::string& path) = 0;
  // Hands each name in `folder` to `visit` (the folder's own "." and ".." among them, as a
  // directory search finds them) until `visit` answers false. False when the folder cannot
  // be read.
  virtual bool ListFolder(const std::string& folder,
                          const std::function<bool(std::string_view name)>& visit) = 0;
  // Replaces the file's contents as platform::ReplaceFile does (see replace_file.h): the path
  // holds either its old contents or the whole new ones. 0, or the errno of the failed step.
  virtual int Replace(const std::string& path, std::string_view bytes,
                      const ReplaceFileOptions& options) = 0;

  bool Exists(const std::string& path) { return Stat(path) != FileKind::kNone; }
  int Replace(const std::string& path, std::string_view bytes) {
    return Replace(path, bytes, ReplaceFileOptions{});
  }
  // The whole file when it opens as above and holds at most `max_bytes`; otherwise false and
  // why (as OpenForReading, a read error, or "larger than N bytes"), with *bytes empty.
  bool ReadFile(const std::string& path, size_t max_bytes, std::string* bytes,
                std::string* error);
};

// Reads `file` to its end into *bytes, refusing more than `max_bytes` ("larger than N bytes").
bool ReadAll(InputFile& file, size_t max_bytes, std::string* bytes, std::string* error);

}  // namespace platform
