// Exhaust job files (.exh): saving and opening the twenty job texts.
#pragma once

#include <string>

#include "exhaust/frm_exhaust.h"

namespace exhaust {

inline constexpr const char* kSaveFilter = "Sizing Files(*.exh)|*.exh";
inline constexpr const char* kOpenFilter = "Sizing Files(*.exh)|*.exh|All Files(*.*)|*.*";

// Writes the job record to `path` as given (no extension is added). The file that was there
// survives a failed save; only a good one changes the caption, to the full path followed by
// " - Exhaust Program".
bool SaveJob(FrmExhaust& form, const std::string& path, std::string* error = nullptr);

// Reads the whole record before anything changes: only a file with twenty fields sets the
// caption (the full path followed by " - Corvane Exhaust Sizing Program") and the twenty
// boxes. The result labels stay as they are.
bool OpenJob(FrmExhaust& form, const std::string& path, std::string* error = nullptr);

}  // namespace exhaust
