#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "browser/doc/data_file.h"

namespace browser {

// The numbers n from 1 to `count` for which the section "<prefix>n" exists, in ascending
// order. Answered from the data file's index of numbered sections (built in one pass for all
// objects), so a hostile count costs nothing and a document of many objects loads in time
// linear in its size: objects of sections that do not exist would be empty anyway.
std::vector<int> ExistingNumberedSections(const CDataFile& file, std::string_view prefix,
                                          int count);

}  // namespace browser
