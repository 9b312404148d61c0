// Writing the programs' files so that a failed write never destroys the file that was there.
#pragma once

#include <optional>
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

class Form;

// Saves a form's record: replaces the file as WriteFileReplacing does and, only after a good
// save, sets the form's caption to the file's full path followed by `caption_suffix`.
bool SaveFormFile(Form& form, const std::string& path, const std::string& bytes,
                  const std::string& caption_suffix, std::string* error = nullptr);

// The text of a form's file; none (and `error` says so) when it cannot be read.
std::optional<std::string> ReadFormFile(const std::string& path, std::string* error = nullptr);

}  // namespace formkit
