#include "browser/script/variables.h"
#include "platform/paths.h"

namespace browser {
DocumentDirectories DirectoriesForDocument(const std::string& document_dir,
                                           const platform::SystemDirectories& system) {
  DocumentDirectories dirs;
  dirs.document = document_dir;
  if (!dirs.document.empty() && dirs.document.back() != '/') dirs.document += '/';
  dirs.drive_root = platform::MountPoint(dirs.document);
  dirs.windows = system.windows;
  dirs.system = system.system;
  return dirs;
}

void AddPredefinedVariables(CVariableStore& store, const DocumentDirectories& dirs) {
  const auto append = [&](std::string_view name, platform::Variant value) {
    // An earlier entry of the name would keep winning over a new one: none is added.
    if (store.FindGlobal(name) != nullptr) return;
    Variable* v = store.AppendGlobal(name);
    v->value = std::move(value);
  };
  append("NULL", platform::Variant());
  append("CD_ROOT", platform::Variant::Utf8(dirs.drive_root));
  append("WIN", platform::Variant::Utf8(dirs.windows));
  append("SYS", platform::Variant::Utf8(dirs.system));
  append("APPPATH", platform::Variant::Utf8(dirs.document));
  append("TRUE", platform::Variant::I4(1));
  append("FALSE", platform::Variant::I4(0));
}

}  // namespace browser
