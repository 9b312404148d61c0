// Loads arbitrary bytes as a document's data file, builds the main page and its elements,
// runs the PreLoad scripts and fires the page's and each element's events.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "browser/script/id_manager.h"
#include "browser/script/preload.h"
#include "browser/script/scriptable_object.h"
#include "browser/script/variables.h"
#include "browser/doc/section_names.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  browser::CDataFile file;
  std::string line;
  for (size_t i = 0; i < size; ++i) {
    const char c = static_cast<char>(data[i]);
    if (c == '\n') {
      file.Lines().push_back(std::move(line));
      line.clear();
    } else {
      line += c;
    }
  }
  file.Lines().push_back(std::move(line));

  browser::CVariableStore variables;
  browser::CIdManager ids;
  browser::ScriptContext context{variables, ids};
  browser::AddPredefinedVariables(variables, {"/cd/", "/", "/usr/", "/usr/lib/"});
  browser::LoadContext load(ids);
  browser::RunPreLoadScripts(file, load, context);

  browser::CScriptableObject page("Main", nullptr);
  page.Load(file, load);
  context.main_page = &page;
  std::vector<std::unique_ptr<browser::CScriptableObject>> elements;
  for (int i = 1; i <= 8; ++i) {
    elements.push_back(
        std::make_unique<browser::CScriptableObject>(browser::ElementSection("Main", i), &page));
    elements.back()->Load(file, load);
  }
  variables.PushLocalFrame();
  for (const char* event : {"OnLoad", "OnMouseIn", "OnMouseDown", "OnMouseUp", "OnUnload"}) {
    page.RunScriptByName(event, context);
    for (auto& element : elements) element->RunScriptByName(event, context);
  }
  variables.PopLocalFrame();
  return 0;
}
