#pragma once

#include <string>
#include <string_view>

#include "platform/paths.h"

namespace platform {
class UserRegistry;
}

namespace browser {

class CIdManager;
class KeyLog;
class PictureSource;  // the page layer's picture loading (browser/page/picture_source.h)

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
// hands in its services, tests hand in fakes.
struct LoadContext {
  explicit LoadContext(CIdManager& ids_in, DocumentPaths paths_in = {},
                       const platform::UserRegistry* registry_in = nullptr,
                       PictureSource* pictures_in = nullptr)
      : ids(ids_in), paths(std::move(paths_in)), registry(registry_in), pictures(pictures_in) {}

  CIdManager& ids;
  DocumentPaths paths;
  // Values that actions read while the document loads; none reads as missing.
  const platform::UserRegistry* registry = nullptr;
  // Pictures for pages and elements; none loads no picture.
  PictureSource* pictures = nullptr;
  // The temporary and system directories the actions prepare their paths with.
  platform::SystemDirectories system_dirs;
  // Told every key the loaders read; none in the program.
  KeyLog* key_log = nullptr;
};

}  // namespace browser
