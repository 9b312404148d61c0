#include "browser/page/element_factory.h"

#include "browser/doc/no_case.h"
#include "browser/page/activex_element.h"
#include "browser/page/image_element.h"
#include "browser/page/image_list.h"
#include "browser/page/text_element.h"

namespace browser {

std::unique_ptr<CDisplayObject> CreateDisplayElement(std::string_view type, std::string section,
                                                     CElement* parent) {
  // "ImageList" before "Image": the first prefix that matches decides.
  if (StartsWithNoCase(type, "Text")) return std::make_unique<CTextElement>(section, parent);
  if (StartsWithNoCase(type, "ImageList")) return std::make_unique<CImageList>(section, parent);
  if (StartsWithNoCase(type, "Image")) return std::make_unique<CImageElement>(section, parent);
  if (StartsWithNoCase(type, "ActiveX")) {
    return std::make_unique<CActiveXElement>(section, parent);
  }
  return nullptr;
}

}  // namespace browser
