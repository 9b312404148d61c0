#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "browser/page/display_object.h"

namespace browser {

// The element for a page entry's "type", by the vocabulary's rule (ElementKindOf): the first
// of "Text", "ImageList", "Image" and "ActiveX" that starts the type, without regard to case
// ("textbox" is a text, "ImageList" an image list, not an image). nullptr for any other type.
std::unique_ptr<CDisplayObject> CreateDisplayElement(std::string_view type, std::string section,
                                                     CElement* parent);

}  // namespace browser
