#include "browser/script/variables.h"

#include "browser/script/script_item.h"

namespace browser {

Variable* CVariableStore::List::Find(std::string_view name) {
  if (first.empty()) return nullptr;
  const auto it = first.find(name);
  return it == first.end() ? nullptr : it->second;
}

Variable* CVariableStore::List::Append(std::string_view name) {
  entries.push_back({std::string(name), platform::Variant()});
  // A deque keeps its elements in place as it grows, so the index may point into it; a
  // repeated name keeps pointing at its first entry.
  first.try_emplace(entries.back().name, &entries.back());
  return &entries.back();
}

Variable* CVariableStore::FindVariable(std::string_view name) {
  if (Variable* v = override_.Find(name)) return v;
  if (!local_frames_.empty()) {
    if (Variable* v = local_frames_.back()->Find(name)) return v;
  }
  return global_.Find(name);
}

Variable* CVariableStore::FindOrCreateInScope(int scope, std::string_view name,
                                             ActionResult& result) {
  List* list = nullptr;
  switch (scope) {
    case 0:
      list = &global_;
      break;
    case 1:
      list = &override_;
      break;
    case 2:
      if (local_frames_.empty()) {
        result = ActionResult::kNoLocalScope;
        return nullptr;
      }
      list = local_frames_.back().get();
      break;
    default:
      result = ActionResult::kUnknownScope;
      return nullptr;
  }
  result = ActionResult::kContinue;
  if (Variable* v = list->Find(name)) return v;
  return list->Append(name);
}

Variable* CVariableStore::AppendGlobal(std::string_view name) { return global_.Append(name); }

bool CVariableStore::Store(Variable& variable, platform::Variant value) {
  const size_t size = value.TextValue().size();
  const size_t others = held_text_ - variable.counted_text;
  if (size > kMaxVariableText - others) return false;
  variable.value = std::move(value);
  variable.counted_text = size;
  held_text_ = others + size;
  return true;
}

void CVariableStore::PushLocalFrame() { local_frames_.push_back(std::make_unique<List>()); }

void CVariableStore::PopLocalFrame() {
  if (local_frames_.empty()) return;
  for (const Variable& v : local_frames_.back()->entries) held_text_ -= v.counted_text;
  local_frames_.pop_back();
}

const std::deque<Variable>* CVariableStore::top_local() const {
  return local_frames_.empty() ? nullptr : &local_frames_.back()->entries;
}

}  // namespace browser
