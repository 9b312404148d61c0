#pragma once

#include <string>
#include <vector>

#include "browser/doc/status.h"

namespace browser {

struct CdzMember {
  std::string name;
  std::string text;  // stored as it stands; readers expect it to end with a line end
};

// InvalidArgument when the member cannot be stored: a name over kMaxCdzNameSize bytes or
// a text of 4 GiB or more.
Status CheckCdzMember(const CdzMember& member);

// Writes a container holding `members` in order, gzip-compressed when `gzip` is set. All
// members are checked first; on any failure nothing is left at `path`.
Status WriteCdz(const std::string& path, const std::vector<CdzMember>& members, bool gzip);

}  // namespace browser
