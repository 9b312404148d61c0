// Writing the programs' files so that a failed write never destroys the file that was there.
#pragma once

#include <string>

namespace formkit {

// Writes `bytes` to a new file beside `path` and replaces `path` with it only when every
// byte was written and flushed. On failure the old file is untouched and `error` (when
// given) says what went wrong.
bool WriteFileReplacing(const std::string& path, const std::string& bytes,
                        std::string* error = nullptr);

// `path` made absolute and normal, as the programs show a job file in their caption; the
// path as given when that fails.
std::string FullPath(const std::string& path);

}  // namespace formkit
