#include "browser/page/element_factory.h"

#include "browser/page/activex_element.h"
#include "browser/page/image_element.h"
#include "browser/page/image_list.h"
#include "browser/page/text_element.h"
#include "browser/script/vocabulary.h"

namespace browser {

std::unique_ptr<CDisplayObject> CreateDisplayElement(std::string_view type, std::string section,
                                                     CElement* parent) {
  const std::optional<ObjectKind> kind = ElementKindOf(type);
  if (!kind) return nullptr;
  switch (*kind) {
    case ObjectKind::kText:
      return std::make_unique<CTextElement>(section, parent);
    case ObjectKind::kImageList:
      return std::make_unique<CImageList>(section, parent);
    case ObjectKind::kImage:
      return std::make_unique<CImageElement>(section, parent);
    case ObjectKind::kActiveX:
      return std::make_unique<CActiveXElement>(section, parent);
    default:
      return nullptr;  // no element type makes another kind
  }
}

}  // namespace browser
