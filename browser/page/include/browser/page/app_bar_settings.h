#pragma once

#include <cstdint>
#include <string>

#include "browser/doc/data_file.h"

namespace platform {
class UserRegistry;
}

namespace browser {

class KeyLog;

// A document's app bar settings, from its section "Main" or, with "flag = registry", from
// the values of the user's registry key named by "registryKey" (when the key exists; else
// the document's own keys count).
struct AppBarSettings {
  bool registry_mode = false;
  int32_t width = 200;   // thickness of a left or right bar
  int32_t height = 200;  // thickness of a top or bottom bar
  bool appbar = true;
  bool on_top = true;
  std::string position;  // "top", "bottom", "left", "right"; anything else is right
  bool auto_hide = false;
};

// Reads the settings. `registry` may be null: the document's keys count. `log` is told the
// keys read.
AppBarSettings ReadAppBarSettings(const CDataFile& file, const platform::UserRegistry* registry,
                                  KeyLog* log = nullptr);

}  // namespace browser
