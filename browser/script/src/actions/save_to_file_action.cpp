#include "save_to_file_action.h"

#include "browser/doc/data_file.h"
#include "browser/script/key_reader.h"
#include "browser/script/system_services.h"
#include "browser/script/variables.h"
#include "platform/paths.h"

namespace browser {
namespace {

constexpr char kArchiveSection[] = "VTRL Archive";

}  // namespace

bool CSaveToFileAction::Load(const CDataFile& file, LoadContext& context) {
  const KeyReader read(file, section_, context);
  read.Bool(keys::kUseTemDir, use_tem_dir_);
  read.Text(keys::kPath, path_);
  read.Text(keys::kArchiveKey, key_);
  read.Text(keys::kVariable, variable_);
  read.Text(keys::kValue, value_);
  if (use_tem_dir_) path_ = context.system_dirs.temp + path_ + ".kps";
  // As written, relative to the current folder; a "\" separates folders as "/" does.
  path_ = platform::AsWrittenPath(path_);
  return CElement::Load(file, context);
}

ActionResult CSaveToFileAction::Execute(ScriptContext& context) {
  if (context.system == nullptr) return ActionResult::kContinue;
  CDataFile file;
  // A missing file is an empty one; a target that is no regular file or too large to be a
  // settings file is left alone, not written over with one key.
  const Status read = file.ReadText(path_);
  if (!read.ok() && !read.IsNotFound()) return ActionResult::kContinue;
  bool written = false;
  if (!variable_.empty()) {
    if (const Variable* v = context.variables.FindVariable(variable_)) {
      written = file.WriteVariant(kArchiveSection, key_, v->value);
    }
  } else {
    written = file.WriteString(kArchiveSection, key_, value_);
  }
  request::SaveDataFile save{&file, path_, key_, {}, written};
  if (written) file.ReadString(kArchiveSection, key_, save.value);
  context.system->Perform(save);
  return ActionResult::kContinue;
}

}  // namespace browser
