// The actions of one key, "path", handed to the machine as one request each. Each answers
// kContinue whatever the machine makes of it.
#include "browser/script/key_reader.h"
#include "browser/script/script_item.h"
#include "browser/script/system_services.h"
#include "platform/paths.h"

namespace browser {
namespace {

// The request an action makes of its "path", with the document's paths to resolve it by.
using PathRequest = SystemRequest (*)(const DocumentPaths& paths, const std::string& path);

class CPathAction : public CScriptItem {
 public:
  CPathAction(std::string section, CElement* parent, PathRequest request)
      : CScriptItem(std::move(section), parent), request_(request) {}

  ActionResult Execute(ScriptContext& context) override {
    Perform(context.system, request_(context.paths, path_));
    return ActionResult::kContinue;
  }

 private:
  bool ReadKeys(const KeyReader& read, LoadContext&) override {
    read.Text(keys::kPath, path_);
    return true;
  }

  PathRequest request_;
  std::string path_;
};

}  // namespace

// "ShellExecute": opens "path" as written, not resolved: a relative name is relative to the
// program's current directory.
std::unique_ptr<CScriptItem> MakeShellExecute(std::string section, CElement* parent) {
  return std::make_unique<CPathAction>(
      std::move(section), parent, [](const DocumentPaths&, const std::string& path) {
        return SystemRequest{request::ShellOpen{platform::AsWrittenPath(path)}};
      });
}

// "OpenFolder": opens the resolved "path".
std::unique_ptr<CScriptItem> MakeOpenFolder(std::string section, CElement* parent) {
  return std::make_unique<CPathAction>(
      std::move(section), parent, [](const DocumentPaths& paths, const std::string& path) {
        return SystemRequest{request::OpenFolder{paths.Resolve(path)}};
      });
}

// "PlaySound": starts the wave file at the resolved "path" and goes on at once.
std::unique_ptr<CScriptItem> MakePlaySound(std::string section, CElement* parent) {
  return std::make_unique<CPathAction>(
      std::move(section), parent, [](const DocumentPaths& paths, const std::string& path) {
        return SystemRequest{request::PlaySound{paths.Resolve(path)}};
      });
}

}  // namespace browser
