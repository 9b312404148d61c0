// The exhaust job record as stored in .exh files: the twenty job box texts in tab order,
// each written in double quotes, on one CR LF ended line.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "exhaust/frm_exhaust.h"
#include "formkit/job_file.h"

namespace exhaust {

using JobRecord = std::array<std::string, kJobBoxes.size()>;

JobRecord JobRecordFromForm(const FrmExhaust& form);
std::string WriteJobRecord(const JobRecord& job);
// Reads the first twenty fields (a line end separates fields like a comma; further fields
// are ignored). None when the text ends before the twentieth field.
std::optional<JobRecord> ReadJobRecord(std::string_view file_text);
// Puts a complete record into the twenty boxes; the result labels stay as they are.
void ApplyJobRecord(FrmExhaust& form, const JobRecord& job);

// The job file: a text ReadJobRecord gives none for is refused with its words, when opened
// and on the command line alike.
inline constexpr formkit::JobFile<FrmExhaust, JobRecord> kJobFile{
    &ReadJobRecord,
    &WriteJobRecord,
    &JobRecordFromForm,
    &ApplyJobRecord,
    "not an exhaust job (it needs 20 fields)",
    " - Exhaust Program",
    " - Corvane Exhaust Sizing Program"};

}  // namespace exhaust
