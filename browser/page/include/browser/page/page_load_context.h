#pragma once

#include "browser/script/load_context.h"

namespace browser {

class PictureSource;

// What the page layer's objects reach while they load, besides what every object does: the
// pictures for pages and elements.
struct PageLoadContext : LoadContext {
  explicit PageLoadContext(CIdManager& ids_in, DocumentPaths paths_in = {},
                           const platform::RegistryStore* registry_in = nullptr,
                           PictureSource* pictures_in = nullptr)
      : LoadContext(ids_in, std::move(paths_in), registry_in), pictures(pictures_in) {}

  // None loads no picture.
  PictureSource* pictures = nullptr;
};

// The pictures of a page layer's load; none for any other load.
inline PictureSource* PicturesOf(const LoadContext& context) {
  const auto* page = dynamic_cast<const PageLoadContext*>(&context);
  return page != nullptr ? page->pictures : nullptr;
}

}  // namespace browser
