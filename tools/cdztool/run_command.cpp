// cdztool run: a document's scripts without a window.
#include <filesystem>
#include <iostream>
#include <memory>
#include <vector>

#include "browser/doc/data_file.h"
#include "browser/doc/folder_document.h"
#include "browser/page/headless_window.h"
#include "browser/page/main_wnd.h"
#include "browser/script/id_manager.h"
#include "browser/script/variables.h"
#include "platform/registry.h"
#include "cdztool.h"
#include "system_services_for_run.h"

namespace cdztool {
namespace {

constexpr char kTool[] = "cdztool: ";

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
  // The document loads as the browser loads it (PreLoad scripts, the page and its
  // elements), in a window that shows nothing; OnLoad waits to be asked for.
  std::error_code ec;
  const std::string path = std::filesystem::absolute(options.document, ec).string();
  browser::HeadlessWindow window;
  browser::CIdManager ids;
  // The services of the system actions, as the program hands them to its main window.
  SystemServicesForRun system(options.live, out, err);
  const platform::UserRegistry registry(options.registry.empty()
                                            ? platform::UserRegistry::DefaultPath()
                                            : options.registry);
  browser::CMainWnd::Services services(window);
  services.program_path = path;
  services.system_services = &system.services();
  services.registry = &registry;
  services.system = DirectoriesForRun();
  browser::CMainWnd wnd(ids, std::move(services));

  // The document (a container, a folder of data files or a data file as text) is read whole,
  // as the browser reads the one beside it, and its member chosen the browser's way
  // (FindDocument, LoadDocument); --member names one instead.
  const browser::Status s = browser::LoadDocumentFiles(options.document, &wnd.container());
  if (wnd.container().Count() == 0) {
    err << kTool << options.document << ": " << (s.ok() ? "empty document" : s.message())
        << "\n";
    return 1;
  }
  bool clean = s.ok();
  if (!clean) err << kTool << PrintableText(s.message()) << "\n";
  wnd.FindDocument(path);
  browser::CDataFile* member =
      options.member.empty() ? nullptr : wnd.container().FindMember(options.member);
  const bool loaded =
      member != nullptr ? wnd.LoadDataFile(member, false, false) : wnd.LoadDocument(false, false);
  if (!loaded) {
    err << kTool << wnd.last_error() << "\n";
    return 1;
  }
  if (!options.member.empty() && member == nullptr) {
    err << kTool << options.document << ": no member named '" << options.member
        << "', running '" << wnd.current_file()->Name() << "'\n";
  }
  browser::ScriptContext& context = wnd.script_context();

  for (const std::string& event : options.events) {
    const size_t at = event.rfind('@');
    const std::string name = event.substr(0, at);
    browser::CScriptableObject* target = wnd.main_page();
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
    if (target != nullptr) target->RunScriptByName(name, context);
  }

  if (options.print_variables) {
    browser::CVariableStore& variables = wnd.document().variables();
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
