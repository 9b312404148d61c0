#include "drag_file_action.h"

#include <new>

#include "browser/script/key_reader.h"
#include "browser/script/system_services.h"
#include "platform/paths.h"
#include "platform/registry.h"

namespace browser {
namespace {

// The registry text is read into a buffer of 260 bytes with its terminator.
constexpr size_t kRegistryPathBytes = 260;

void Report(ScriptContext& context, const std::string& line) {
  if (context.system != nullptr) context.system->Report(line);
}

}  // namespace

CDragAction::CDragAction(std::string section, CElement* parent)
    : CScriptItem(std::move(section), parent), drop_source_(new (std::nothrow) CImpIDropSource) {}

CDragAction::~CDragAction() {
  if (drop_source_ != nullptr) drop_source_->Release();
}

bool CDragAction::Load(const CDataFile& file, LoadContext& context) {
  const KeyReader read(file, section_, context);
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
  return CElement::Load(file, context);
}

ActionResult CDragAction::Execute(ScriptContext& context) {
  if (path_.size() > kMaxDragPath) {
    Report(context, "drag refused, the path has more than " + std::to_string(kMaxDragPath) +
                        " bytes: " + path_);
    return ActionResult::kContinue;
  }
  if (context.dragger == nullptr || drop_source_ == nullptr) return ActionResult::kContinue;
  auto* data = new (std::nothrow) CImpIDataObject(path_);
  // Without a data object there is no drag; the script goes on.
  if (data == nullptr) return ActionResult::kContinue;
  FormatEtc format;
  format.format = kCfHdrop;
  StgMedium medium;
  medium.tymed = kTymedHGlobal;
  data->SetData(&format, &medium, true);
  Report(context, "drag: " + path_);
  const uint32_t effect =
      context.dragger->DoDragDrop(*data, *drop_source_, kDropEffectCopy | kDropEffectLink);
  data->Release();
  // No effect: Escape, or a place that takes no file.
  Report(context, std::string("drag end: ") + (effect != 0 ? "dropped " : "cancelled ") + path_);
  return ActionResult::kContinue;
}

}  // namespace browser
