#pragma once

#include <string>

#include "browser/page/browser_page.h"
#include "browser/script/variables.h"

namespace browser {

// The loaded document: one page, "Main", and the document's variables, which outlive the
// pages (a page change keeps them).
class CBrowserDocument : public CElementContainer {
 public:
  CBrowserDocument();
  ~CBrowserDocument() override;

  // Appends the predefined variables, creates the page "Main" and loads it. True when every
  // page loaded.
  bool Load(const CDataFile& file, LoadContext& context) override;
  // Only pages; a page keeps its section name.
  CElement* AddElement(std::unique_ptr<CElement> element) override;
  void Renumber() override;
  bool CanContain(const CElement* element) const override;
  bool Paint(Canvas& canvas, const Rect& update) override;
  CElement* ElementAt(Point point) const override;

  // Fires "OnUnload" on the main page, then destroys the pages and clears the ids.
  void Unload(ScriptContext& context);

  // The first page, or nullptr.
  CBrowser* main_page() const;
  CVariableStore& variables() { return variables_; }
  void set_directories(DocumentDirectories dirs) { directories_ = std::move(dirs); }
  void set_host(PageHost* host) { host_ = host; }

 protected:
  PageHost* OwnHost() const override { return host_; }

 private:
  CVariableStore variables_;
  DocumentDirectories directories_;
  PageHost* host_ = nullptr;
};

}  // namespace browser
