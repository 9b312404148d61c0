// The controls panorel could host for a document, for `cdztool lint`: its built-in classes and
// the control plug-ins in the folders it searches.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "lint.h"

namespace cdztool {

// The folders panorel searches for a document in `document_dir`: `controls/` beside the
// program (on a CD, beside its document), the build's own plug-in folder, and the user's
// plug-in folder ($XDG_DATA_HOME/panorel/controls, else $HOME/.local/share/panorel/controls).
std::vector<std::string> PluginFoldersFor(const std::string& document_dir);

// Reads the plug-ins' names without loading them; nullptr where this build hosts no controls
// (nothing can then be said about them).
std::unique_ptr<LintControls> MakePluginControls(std::vector<std::string> folders);

}  // namespace cdztool
