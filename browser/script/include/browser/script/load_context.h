#pragma once

#include <string>
#include <string_view>

#include "platform/paths.h"

namespace platform {
class FileSystem;
class RegistryStore;
}  // namespace platform

namespace browser {

class CIdManager;
class KeyLog;

// Where a document's file names lead: the document directory (ending with "/", empty until a
// document has been found) and the program's own directory before that.
struct DocumentPaths {
  std::string document_dir;
  std::string program_dir;

  std::string Resolve(std::string_view name) const {
    return platform::ResolvePath(name, document_dir, program_dir);
  }
};

// What an object's Load reaches besides its data file. Nothing here is global: the program
// hands in its services, tests hand in fakes. The layers above extend it with services of
// their own (the page layer's pictures), which their objects look for by type.
struct LoadContext {
  explicit LoadContext(CIdManager& ids_in, DocumentPaths paths_in = {},
                       const platform::RegistryStore* registry_in = nullptr)
      : ids(ids_in), paths(std::move(paths_in)), registry(registry_in) {}
  // The services of `services` (not its extensions) with other ids.
  LoadContext(CIdManager& ids_in, const LoadContext& services)
      : ids(ids_in),
        paths(services.paths),
        registry(services.registry),
        files(services.files),
        system_dirs(services.system_dirs),
        key_log(services.key_log) {}
  LoadContext(const LoadContext&) = default;
  virtual ~LoadContext() = default;

  CIdManager& ids;
  DocumentPaths paths;
  // Values that actions read while the document loads; none reads as missing.
  const platform::RegistryStore* registry = nullptr;
  // The files the actions look for, read and save; none: no file exists and none is saved.
  platform::FileSystem* files = nullptr;
  // The temporary and system directories the actions prepare their paths with.
  platform::SystemDirectories system_dirs;
  // Told every key the loaders read; none in the program.
  KeyLog* key_log = nullptr;
};

}  // namespace browser
