// Replacing a file's contents so that no reader, crash or full disk ever sees half a file:
// the bytes are written beside the file under a fresh name, flushed to the disk and renamed
// over it. On failure the old file is unchanged and nothing new is left behind.
//
// Renaming needs only the folder's permission, the file's own is asked for too: a file the
// user may not write is never changed (EACCES), and a file the user may write in a folder
// the user may not is rewritten in place (there a reader can see it half written). A
// symbolic link is replaced by the file, its target left untouched.
#pragma once

#include <string>
#include <string_view>

namespace platform {

struct ReplaceFileOptions {
  // Creates the folders on the way to the file first.
  bool create_folders = false;
  // A new file is readable by its owner only (settings); otherwise it gets the usual
  // permissions of the user's umask. A file that exists keeps its own permissions.
  bool private_file = false;
};

// 0 when the file holds `bytes`, else the errno of the step that failed.
int ReplaceFile(const std::string& path, std::string_view bytes,
                const ReplaceFileOptions& options = {});

}  // namespace platform
