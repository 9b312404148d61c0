#include "browser/doc/section_names.h"

namespace browser {
namespace {

std::string Child(std::string_view parent, std::string_view kind, int n) {
  std::string name(parent);
  name += '_';
  name += kind;
  name += '_';
  name += std::to_string(n);
  return name;
}

std::string ChildOfMainOrOther(std::string_view parent, std::string_view kind, int n) {
  if (parent == kMainSection) return std::string(kind) + "_" + std::to_string(n);
  return Child(parent, kind, n);
}

}  // namespace

std::string ElementSection(std::string_view container, int n) {
  return ChildOfMainOrOther(container, "Element", n);
}
std::string ScriptSection(std::string_view object, int n) {
  return ChildOfMainOrOther(object, "Script", n);
}
std::string ScriptItemSection(std::string_view script, int n) {
  return Child(script, "ScriptItem", n);
}
std::string FrameSection(std::string_view element, int n) { return Child(element, "Frame", n); }
std::string ParamSection(std::string_view action, int n) { return Child(action, "Param", n); }
std::string PropertySection(std::string_view action, int n) {
  return Child(action, "Property", n);
}

}  // namespace browser
