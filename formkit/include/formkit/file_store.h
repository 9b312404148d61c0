// Writing the programs' files so that a failed write never destroys the file that was there.
#pragma once

#include <optional>
#include <string>

namespace formkit {

// Writes `bytes` to a new file beside `path` and replaces `path` with it only when every
// byte was written and flushed. On failure the old file is untouched and `error` (when
// given) says in plain words where and why: "it could not be written to /jobs/a.siz,
// because the folder /jobs does not exist".
bool WriteFileReplacing(const std::string& path, const std::string& bytes,
                        std::string* error = nullptr);

// What the user is told when a save failed: "The job was not saved.", an empty line, then
// `error` as WriteFileReplacing gives it, as a sentence.
std::string NotSavedText(const std::string& what, const std::string& error);

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
