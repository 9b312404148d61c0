// A program's job file: how its record is read from a file's text and written, taken from
// the form and put into it, and what the form's caption says after a file is saved or
// opened. Saving, opening and the command line's reading of jobs are made from it.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "formkit/file_store.h"

namespace formkit {

template <typename FormT, typename Record>
struct JobFile {
  std::optional<Record> (*read)(std::string_view file_text);
  std::string (*write)(const Record& job);
  Record (*from_form)(const FormT& form);
  void (*apply)(FormT& form, const Record& job);
  const char* not_a_job;       // why a text `read` gives none for is refused
  const char* saved_caption;   // after the path in the caption once saved: " - Sizing Program"
  const char* opened_caption;  // after the full path once opened: " - Corvane Sizing Program"
};

// Writes the form's job to `path` (SaveFormFile: the old file survives a failed write).
template <typename FormT, typename Record>
bool SaveJobFile(const JobFile<FormT, Record>& kind, FormT& form, const std::string& path,
                 std::string* error) {
  return SaveFormFile(form, path, kind.write(kind.from_form(form)), kind.saved_caption, error);
}

// Reads the job at `path` into the form, its full path in the caption; a file that cannot
// be read or holds no job changes nothing and `error` says why.
template <typename FormT, typename Record>
bool OpenJobFile(const JobFile<FormT, Record>& kind, FormT& form, const std::string& path,
                 std::string* error) {
  const auto text = ReadFormFile(path, error);
  if (!text) return false;
  const auto job = kind.read(*text);
  if (!job) {
    if (error) *error = path + ": " + kind.not_a_job;
    return false;
  }
  form.SetCaption(FullPath(path) + kind.opened_caption);
  kind.apply(form, *job);
  return true;
}

// Puts the job in a file's text into the form; none when it was one, else why not.
template <typename FormT, typename Record>
std::optional<std::string> ApplyJobText(const JobFile<FormT, Record>& kind, FormT& form,
                                        std::string_view text) {
  const auto job = kind.read(text);
  if (!job) return kind.not_a_job;
  kind.apply(form, *job);
  return std::nullopt;
}

}  // namespace formkit
