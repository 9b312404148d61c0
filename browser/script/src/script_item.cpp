#include "browser/script/script_item.h"

#include "browser/script/key_reader.h"

namespace browser {

bool CScriptItem::Load(const CDataFile& file, LoadContext& context) {
  if (!ReadKeys(KeyReader(file, section_, context), context)) return false;
  return CElement::Load(file, context);
}

bool CScriptItem::ReadKeys(const KeyReader&, LoadContext&) { return true; }

}  // namespace browser
