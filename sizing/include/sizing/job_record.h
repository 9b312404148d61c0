// The sizing job record as stored in .siz files: 27 values in form order, all control texts
// except the fuel list position (value 3, a whole number).
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "formkit/job_file.h"
#include "sizing/frm_sizing.h"

namespace sizing {

struct JobRecord {
  int fuel = 0;
  // Values 1, 2 and 4 to 27, by control name (value 11 is the caption of lblBarometricPres).
  std::array<std::string, 26> texts;
};

// The controls behind the text values, in file order.
const std::array<const char*, 26>& JobRecordControls();

JobRecord JobRecordFromForm(const FrmSizing& form);
// One line, CR LF ended.
std::string WriteJobRecord(const JobRecord& job);
// Reads the first 27 values (a line end separates values like a comma; extra values are
// ignored). None when fewer than 27 values are there or the fuel position is not 0..5.
std::optional<JobRecord> ReadJobRecord(std::string_view file_text);
// Puts a complete record into the controls. The induced draft choice, its diameter, the
// combined vent box and the results are not part of a job and stay as they are; selecting
// the fuel does not rewrite the CO2 text.
void ApplyJobRecord(FrmSizing& form, const JobRecord& job);

// The job file: a text ReadJobRecord gives none for is refused with its words, when opened
// and on the command line alike.
inline constexpr formkit::JobFile<FrmSizing, JobRecord> kJobFile{
    &ReadJobRecord,
    &WriteJobRecord,
    &JobRecordFromForm,
    &ApplyJobRecord,
    "not a sizing job (it needs 27 values and a fuel position of 0 to 5)",
    " - Sizing Program",
    " - Corvane Sizing Program"};

}  // namespace sizing
