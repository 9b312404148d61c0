#include "browser/script/element.h"

#include <atomic>

#include "browser/script/id_manager.h"
#include "browser/script/key_reader.h"
#include "browser/script/load_context.h"

namespace browser {
namespace {
std::atomic<int32_t> next_serial{0};
}  // namespace

CElement::CElement(std::string section, CElement* parent)
    : section_(std::move(section)), parent_(parent), serial_(++next_serial) {}

CElement::~CElement() = default;

bool CElement::Load(const CDataFile& file, LoadContext& context) {
  const KeyReader read(file, section_, context);
  std::string id;
  if (read.Text(keys::kId, id) && !id.empty()) context.ids.Register(id, this);
  id_ = std::move(id);
  read.Text(keys::kType, type_);
  read.Text(keys::kName, name_);
  read.Long(keys::kXpos, x_);
  read.Long(keys::kYpos, y_);
  cursor_ = "arrow";
  read.Text(keys::kCursor, cursor_);
  return true;
}

CElement* CElement::AddElement(std::unique_ptr<CElement>) { return nullptr; }

CElement* CElement::FindBySerial(int32_t serial) { return serial == serial_ ? this : nullptr; }

}  // namespace browser
