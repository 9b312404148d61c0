// The browser's temporary folder, which documents write to with SaveToFile: per user, as the
// system's temporary folder is where the documents were first written.
#pragma once

#include <sys/types.h>

#include <string>
#include <string_view>

namespace browser::shell {

// `tmpdir` (the user's TMPDIR) when it is set. Otherwise a private folder of the user's own
// under `base` (normally /tmp): base/panorel-UID, made with mode 0700 when missing. One that
// is there already must be a directory (not a link) of this user that no one else may enter;
// when it is not (another user made it), a new private folder base/panorel-UID-XXXXXX for
// this run is made instead. Answers the folder ending with "/", or an empty text when no
// folder could be had (`why` says why).
std::string UserTempFolder(std::string_view tmpdir, const std::string& base, uid_t uid,
                           std::string* why = nullptr);

}  // namespace browser::shell
