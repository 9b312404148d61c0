#include "drag_file_action.h"

#include "browser/script/key_reader.h"
#include "browser/script/system_services.h"
#include "platform/paths.h"
#include "platform/registry.h"

namespace browser {
namespace {

// The registry text is read into a buffer of 260 bytes with its terminator.
constexpr size_t kRegistryPathBytes = 260;

}  // namespace

bool CDragAction::ReadKeys(const KeyReader& read, LoadContext& context) {
  std::string flag;
  read.Text(keys::kFlag, flag);
  if (flag == "registry") {
    std::string key, value_name;
    read.Text(keys::kRegistryKey, key);
    read.Text(keys::kRegistryValueName, value_name);
    const auto text =
        context.registry == nullptr ? std::nullopt : context.registry->ReadString(key, value_name);
    if (text && text->size() < kRegistryPathBytes) path_ = *text;
  } else {
    read.Text(keys::kPath, path_);
  }
  // As written, relative to the current folder; a "\" separates folders as "/" does.
  path_ = platform::AsWrittenPath(path_);
  return true;
}

std::unique_ptr<CScriptItem> MakeDragFile(std::string section, CElement* parent) {
  return std::make_unique<CDragAction>(std::move(section), parent);
}

ActionResult CDragAction::Execute(ScriptContext& context) {
  if (path_.size() > kMaxDragPath) {
    Perform(context.system, request::Report{"drag refused, the path has more than " +
                                            std::to_string(kMaxDragPath) + " bytes: " + path_});
    return ActionResult::kContinue;
  }
  Perform(context.system,
          request::DragFile{path_, request::kDropEffectCopy | request::kDropEffectLink});
  return ActionResult::kContinue;
}

}  // namespace browser
