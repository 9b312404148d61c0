// "SaveToFile": keeps one value in a small data file of the single section "VTRL Archive":
// the value of the variable "variable" (when it exists), or the text "value" when no
// variable is named, under the key "key". The file is read, changed and written again as a
// whole even when nothing was changed. With "useTemDir" the file is "path" + ".kps" in the
// temporary directory; otherwise "path" as written. The file is read through the load
// context's files (none: it reads as missing). Always answers kContinue.
#include "browser/doc/data_file.h"
#include "browser/script/key_reader.h"
#include "browser/script/script_item.h"
#include "browser/script/system_services.h"
#include "browser/script/variables.h"
#include "platform/paths.h"

namespace browser {
namespace {

constexpr char kArchiveSection[] = "VTRL Archive";

class CSaveToFileAction : public CScriptItem {
 public:
  using CScriptItem::CScriptItem;

  ActionResult Execute(ScriptContext& context) override {
    if (context.system == nullptr) return ActionResult::kContinue;
    CDataFile file;
    // A missing file is an empty one; a target that is no regular file or too large to be a
    // settings file is left alone, not written over with one key.
    const Status read = files_ != nullptr ? file.ReadText(*files_, path_) : Status::NotFound(path_);
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

 private:
  bool ReadKeys(const KeyReader& read, LoadContext& context) override {
    read.Bool(keys::kUseTemDir, use_tem_dir_);
    read.Text(keys::kPath, path_);
    read.Text(keys::kArchiveKey, key_);
    read.Text(keys::kVariable, variable_);
    read.Text(keys::kValue, value_);
    if (use_tem_dir_) path_ = context.system_dirs.temp + path_ + ".kps";
    // As written, relative to the current folder; a "\" separates folders as "/" does.
    path_ = platform::AsWrittenPath(path_);
    files_ = context.files;
    return true;
  }

  platform::FileSystem* files_ = nullptr;
  bool use_tem_dir_ = false;
  std::string path_;
  std::string key_;
  std::string variable_;
  std::string value_;
};

}  // namespace

std::unique_ptr<CScriptItem> MakeSaveToFile(std::string section, CElement* parent) {
  return std::make_unique<CSaveToFileAction>(std::move(section), parent);
}

}  // namespace browser
