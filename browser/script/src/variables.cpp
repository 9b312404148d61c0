#include "browser/script/variables.h"

#include "browser/script/script_item.h"

namespace browser {
namespace {

Variable* FindIn(std::deque<Variable>& list, std::string_view name) {
  for (Variable& v : list) {
    if (v.name == name) return &v;
  }
  return nullptr;
}

}  // namespace

Variable* CVariableStore::FindVariable(std::string_view name) {
  if (Variable* v = FindIn(override_, name)) return v;
  if (!local_frames_.empty()) {
    if (Variable* v = FindIn(*local_frames_.back(), name)) return v;
  }
  return FindIn(global_, name);
}

Variable* CVariableStore::FindOrCreateInScope(int scope, std::string_view name,
                                             ActionResult& result) {
  std::deque<Variable>* list = nullptr;
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
  if (Variable* v = FindIn(*list, name)) return v;
  list->push_back({std::string(name), platform::Variant()});
  return &list->back();
}

Variable* CVariableStore::AppendGlobal(std::string_view name) {
  global_.push_back({std::string(name), platform::Variant()});
  return &global_.back();
}

void CVariableStore::PushLocalFrame() {
  local_frames_.push_back(std::make_unique<std::deque<Variable>>());
}

void CVariableStore::PopLocalFrame() {
  if (!local_frames_.empty()) local_frames_.pop_back();
}

const std::deque<Variable>* CVariableStore::top_local() const {
  return local_frames_.empty() ? nullptr : local_frames_.back().get();
}

}  // namespace browser
