#pragma once

#include <optional>
#include <string>

#include "browser/script/event_budget.h"

namespace platform {
class FileSystem;
}

namespace browser {

// True when a file or directory matches `pattern` ("\" and "/" both separate components;
// relative to the current directory). "*" and "?" are wildcards in the last component only,
// as in a directory search; in a folder's name they stand for themselves. Every name the
// search reads is charged to `budget` as an item: nothing when it is spent.
std::optional<bool> PathMatchExists(platform::FileSystem& files, const std::string& pattern,
                                    EventBudget& budget);

}  // namespace browser
