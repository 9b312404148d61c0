#include "browser/script/element.h"

#include <atomic>

#include "browser/script/id_manager.h"
#include "browser/script/load_context.h"

namespace browser {
namespace {
std::atomic<int32_t> next_serial{0};
}  // namespace

CElement::CElement(std::string section, CElement* parent)
    : section_(std::move(section)), parent_(parent), serial_(++next_serial) {}

CElement::~CElement() = default;

bool CElement::Load(const CDataFile& file, LoadContext& context) {
  std::string id;
  if (file.ReadString(section_, "id", id) && !id.empty()) context.ids.Register(id, this);
  id_ = std::move(id);
  file.ReadString(section_, "type", type_);
  file.ReadString(section_, "name", name_);
  file.ReadLong(section_, "xpos", x_);
  file.ReadLong(section_, "ypos", y_);
  cursor_ = "arrow";
  file.ReadString(section_, "cursor", cursor_);
  return true;
}

CElement* CElement::AddElement(std::unique_ptr<CElement>) { return nullptr; }

CElement* CElement::FindBySerial(int32_t serial) { return serial == serial_ ? this : nullptr; }

}  // namespace browser
