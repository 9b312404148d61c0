// Job files (.siz) and the stored background colour (background.dat, current directory).
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "sizing/frm_sizing.h"

namespace sizing {

inline constexpr const char* kSaveFilter = "Sizing Files(*.siz)|*.siz";
inline constexpr const char* kOpenFilter = "Sizing Files(*.siz)|*.siz|All Files(*.*)|*.*";
inline constexpr const char* kBackgroundFile = "background.dat";

// Writes the job record; the file that was there survives a failed save, and the form's
// caption becomes the full path followed by " - Sizing Program" only after a good one.
bool SaveJob(FrmSizing& form, const std::string& path, std::string* error = nullptr);

// Reads the whole record first; only a complete record changes the caption (the full path
// followed by " - Corvane Sizing Program") and the controls. False when the file cannot be
// read, holds fewer than 27 values or a fuel position outside the list.
bool OpenJob(FrmSizing& form, const std::string& path, std::string* error = nullptr);

// The colour as 0x00BBGGRR; none when the file is missing or holds no whole number.
std::optional<uint32_t> ReadBackgroundColor(const std::string& path = kBackgroundFile);
bool WriteBackgroundColor(uint32_t color, const std::string& path = kBackgroundFile,
                          std::string* error = nullptr);

}  // namespace sizing
