#pragma once

#include <string>
#include <vector>

#include "browser/doc/status.h"

namespace platform {
class FileSystem;
}

namespace browser {

struct CdzMember {
  std::string name;
  std::string text;  // stored as it stands; readers expect it to end with a line end
};

// InvalidArgument when the member cannot be stored: a name over kMaxCdzNameSize bytes or
// a text of 4 GiB or more.
Status CheckCdzMember(const CdzMember& member);

// The bytes as one gzip member (RFC 1952) at the highest compression level, as containers
// are packed; empty only when zlib fails.
std::string GzipBytes(const std::string& bytes);

// Writes a container holding `members` in order through `files`, gzip-compressed when `gzip`
// is set. All members are checked first; on any failure `path` is left as it was.
Status WriteCdz(platform::FileSystem& files, const std::string& path,
                const std::vector<CdzMember>& members, bool gzip);

}  // namespace browser
