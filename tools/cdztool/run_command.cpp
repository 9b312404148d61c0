// cdztool run: a document's scripts without a window.
#include <filesystem>
#include <iostream>
#include <memory>
#include <vector>

#include "browser/doc/data_file.h"
#include "browser/script/action_factory.h"
#include "browser/script/id_manager.h"
#include "browser/script/preload.h"
#include "browser/script/scriptable_object.h"
#include "browser/script/variables.h"
#include "browser/doc/section_names.h"
#include "cdztool.h"

namespace cdztool {
namespace {

constexpr char kTool[] = "cdztool: ";

// The objects of the main page that this build knows: the page and its elements, each as a
// plain scriptable object (scripts, id and position).
struct Page {
  std::unique_ptr<browser::CScriptableObject> main;
  std::vector<std::unique_ptr<browser::CScriptableObject>> elements;
};

Page BuildPage(const browser::CDataFile& file, browser::LoadContext& ids) {
  Page page;
  page.main = std::make_unique<browser::CScriptableObject>(std::string(browser::kMainSection),
                                                           nullptr);
  page.main->Load(file, ids);
  int32_t count = 0;
  file.ReadInt(browser::kMainSection, "numElements", count);
  for (int i = 1; i <= count; ++i) {
    const std::string section = browser::ElementSection(browser::kMainSection, i);
    // Past the last element section nothing more can be found.
    if (!file.FindSection(section)) break;
    page.elements.push_back(
        std::make_unique<browser::CScriptableObject>(section, page.main.get()));
  }
  for (auto& element : page.elements) element->Load(file, ids);
  return page;
}

// Names the script items whose actions this build does not have yet.
void ReportSkippedActions(const browser::CDataFile& file, std::ostream& err) {
  for (const std::string& line : file.Lines()) {
    if (!browser::IsSectionHeader(line) || line.find("_ScriptItem_") == std::string::npos) {
      continue;
    }
    const std::string section = line.substr(1, line.size() - 2);
    std::string type;
    if (!file.ReadString(section, "name", type)) continue;
    if (browser::GetActionTypeStatus(type) == browser::ActionTypeStatus::kNotBuiltYet) {
      err << kTool << "skipped action '" << type << "' in [" << section
          << "]: not available in this build\n";
    }
  }
}

void PrintScope(const char* name, const std::deque<browser::Variable>* list, std::ostream& out) {
  out << "  " << JsonString(name) << ": [";
  bool first = true;
  if (list != nullptr) {
    for (const browser::Variable& v : *list) {
      out << (first ? "\n" : ",\n") << "    {\"name\": " << JsonString(v.name)
          << ", \"type\": " << v.value.type() << ", \"value\": ";
      auto text = v.value.TextUtf8();
      out << (text ? JsonString(*text) : std::string("null")) << "}";
      first = false;
    }
  }
  out << (first ? "]" : "\n  ]");
}

}  // namespace

int Run(const RunOptions& options, std::ostream& out, std::ostream& err) {
  browser::CDataFile file;
  browser::Status s = file.Load(options.document, options.member);
  if (file.Lines().empty()) {
    err << kTool << options.document << ": " << (s.ok() ? "empty document" : s.message())
        << "\n";
    return 1;
  }
  bool clean = s.ok();
  if (!clean) err << kTool << s.message() << "\n";
  if (!options.member.empty() && file.Name() != options.member) {
    err << kTool << options.document << ": no member named '" << options.member
        << "', running '" << file.Name() << "'\n";
  }
  ReportSkippedActions(file, err);

  browser::CVariableStore variables;
  browser::CIdManager ids;
  browser::ScriptContext context{variables, ids};
  std::error_code ec;
  const auto path = std::filesystem::absolute(options.document, ec);
  browser::AddPredefinedVariables(
      variables, browser::DirectoriesForDocument(path.parent_path().string(),
                                                 platform::SystemDirectories{}));
  browser::LoadContext load{ids};

  // As the browser loads a document: PreLoad scripts before the pages are built.
  browser::RunPreLoadScripts(file, load, context);
  Page page = BuildPage(file, load);
  context.main_page = page.main.get();

  for (const std::string& event : options.events) {
    const size_t at = event.rfind('@');
    const std::string name = event.substr(0, at);
    browser::CScriptableObject* target = page.main.get();
    if (at != std::string::npos) {
      const std::string id = event.substr(at + 1);
      target = dynamic_cast<browser::CScriptableObject*>(ids.Lookup(id));
      if (target == nullptr) {
        err << kTool << options.document << ": no object with id '" << id << "' for event '"
            << name << "'\n";
        clean = false;
        continue;
      }
    }
    target->RunScriptByName(name, context);
  }

  if (options.print_variables) {
    out << "{\n";
    PrintScope("global", &variables.global(), out);
    out << ",\n";
    PrintScope("override", &variables.overrides(), out);
    out << ",\n";
    PrintScope("local", variables.top_local(), out);
    out << "\n}\n";
  }
  return clean ? 0 : 1;
}

}  // namespace cdztool
