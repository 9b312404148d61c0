#pragma once

#include "browser/doc/data_file.h"
#include "browser/script/load_context.h"
#include "browser/script/script_item.h"

namespace browser {

// Runs the document's "PreLoad" scripts: of the sections Script_1 to Script_3 only, each whose
// "name" is "PreLoad" without regard to case is loaded as a script without parent, run once
// and destroyed. The scripts load with `load`'s services but ids of their own, so nothing of
// them outlives the run. Answers how many ran.
int RunPreLoadScripts(const CDataFile& file, const LoadContext& load, ScriptContext& context);

}  // namespace browser
