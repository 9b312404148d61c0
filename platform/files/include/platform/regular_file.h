#pragma once

#include <cstddef>
#include <string>

namespace platform {

// Files named by a document's words are opened through these. A FIFO would block the opening
// or the reading for ever, a device such as /dev/zero would never end, and neither is a file
// a document can mean: only a regular file is opened, and opening never waits.

// A descriptor open for reading (close-on-exec; the caller closes it), or -1 and why: the
// system's text ("No such file or directory") or "not a regular file".
struct OpenedFile {
  int fd = -1;
  std::string error;
};
OpenedFile OpenRegularFile(const std::string& path);

// The whole file when it is a regular file of at most `max_bytes`; otherwise false and why
// (as OpenRegularFile, or "larger than N bytes").
bool ReadRegularFile(const std::string& path, size_t max_bytes, std::string* bytes,
                     std::string* error);

}  // namespace platform
