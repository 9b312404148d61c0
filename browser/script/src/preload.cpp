#include "browser/script/preload.h"

#include "browser/doc/no_case.h"
#include "browser/doc/section_names.h"
#include "browser/script/id_manager.h"
#include "browser/script/key_reader.h"
#include "browser/script/script.h"
#include "browser/script/script_host.h"

namespace browser {

int RunPreLoadScripts(const CDataFile& file, const LoadContext& load, ScriptContext& context) {
  int ran = 0;
  for (int i = 1; i <= 3; ++i) {
    const std::string section = ScriptSection(kMainSection, i);
    std::string name;
    if (!KeyReader(file, section, load).Text(keys::kName, name) ||
        !EqualsNoCase(name, "PreLoad")) {
      continue;
    }
    CScript script(section, nullptr);
    // The script dies after its run: ids of its items must not outlive it in the registry.
    CIdManager scratch_ids;
    LoadContext scratch{scratch_ids, load.paths, load.registry, load.pictures};
    // The user's own folders: a temporary file goes where the program's others go.
    scratch.system_dirs = load.system_dirs;
    scratch.key_log = load.key_log;
    script.Load(file, scratch);
    if (context.host != nullptr) context.host->EventFired("PreLoad", kMainSection, {}, true);
    if (context.depth == 0) context.event = "PreLoad";
    script.Run(context);
    ++ran;
  }
  // Told as every other event is, also when the document has no script for it.
  if (ran == 0 && context.host != nullptr) context.host->EventFired("PreLoad", kMainSection, {}, false);
  return ran;
}

}  // namespace browser
