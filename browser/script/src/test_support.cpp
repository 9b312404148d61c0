#include "test_support.h"

#include "browser/doc/section_names.h"
#include "browser/script/preload.h"
#include "platform/text_lines.h"

namespace browser::testing {

CDataFile ParseDocument(std::string_view text) {
  CDataFile file;
  for (std::string_view line : platform::TextLines(text)) {
    while (!line.empty() && line.front() == ' ') line.remove_prefix(1);
    if (!line.empty()) file.Lines().emplace_back(line);
  }
  return file;
}

void AddScript(CDataFile& file, const std::string& object_section, int number,
               const std::string& event, std::initializer_list<std::string> items) {
  const std::string section = ScriptSection(object_section, number);
  file.WriteString(section, "name", event);
  file.WriteInt(section, "numScriptItems", static_cast<int32_t>(items.size()));
  int n = 0;
  for (const std::string& item : items) {
    const std::string s = ScriptItemSection(section, ++n);
    const size_t blank = item.find(' ');
    const std::string word = item.substr(0, blank);
    const std::string arg = blank == std::string::npos ? "" : item.substr(blank + 1);
    if (word == "SET") {
      file.WriteString(s, "name", "SetVariable");
      file.WriteString(s, "varName", arg);
      file.WriteString(s, "value", "ran");
    } else if (word == "IF") {
      file.WriteString(s, "name", "IF/WHILE Statement");
      file.WriteString(s, "leftName", arg);
      file.WriteInt(s, "operator", 1);
    } else if (word == "ELSE") {
      file.WriteString(s, "name", "ELSE Statement");
    } else if (word == "ENDIF") {
      file.WriteString(s, "name", "ENDIF Statement");
    } else if (word == "CALL") {
      file.WriteString(s, "name", "ExecuteGlobalScript");
      file.WriteString(s, "scriptName", arg);
    } else if (word == "STOP") {
      if (arg == "11") {
        file.WriteString(s, "name", "Modify Variable");
        file.WriteString(s, "targetVar", "never set");
        file.WriteString(s, "mainOp", "Equals");
      } else {
        file.WriteString(s, "name", "SetVariable");
        file.WriteString(s, "varName", "x");
        file.WriteString(s, "scope", arg == "9" ? "2" : "5");
      }
    } else {
      file.WriteString(s, "name", item);
    }
  }
}

std::vector<std::string> Fixture::Ran() const {
  std::vector<std::string> names;
  for (const Variable& v : variables.global()) {
    if (v.value.TextUtf8() == "ran") names.push_back(v.name);
  }
  return names;
}

std::string Fixture::Text(std::string_view name) {
  const Variable* v = variables.FindVariable(name);
  if (v == nullptr) return "<missing>";
  return v->value.TextUtf8().value_or("<no text>");
}

void BudgetRecorder::ItemExecuted(const CScriptItem& item, ActionResult result) {
  ++items;
  if (keep_results) results.emplace_back(item.name(), result);
}

long BudgetRecorder::Count(std::string_view name, ActionResult result) const {
  long n = 0;
  for (const auto& [item, r] : results) n += item == name && r == result;
  return n;
}

namespace {

// Hears the items' results on the way to the context's own host.
class OutcomeHost : public ScriptHost {
 public:
  explicit OutcomeHost(ScriptHost* inner) : inner_(inner) {}
  void PostRequest(PageRequest request) override {
    if (inner_ != nullptr) inner_->PostRequest(std::move(request));
  }
  void Minimize() override {
    if (inner_ != nullptr) inner_->Minimize();
  }
  void ItemExecuted(const CScriptItem& item, ActionResult result) override {
    last = result;
    if (inner_ != nullptr) inner_->ItemExecuted(item, result);
  }
  void EventFired(std::string_view event, std::string_view section, std::string_view id,
                  bool ran) override {
    if (inner_ != nullptr) inner_->EventFired(event, section, id, ran);
  }
  void BudgetSpent(std::string_view event) override {
    if (inner_ != nullptr) inner_->BudgetSpent(event);
  }
  ScriptHost* inner() const { return inner_; }
  ActionResult last = ActionResult::kContinue;

 private:
  ScriptHost* inner_;
};

}  // namespace

ActionResult RunScript(CScript& script, ScriptContext& context) {
  OutcomeHost outcome(context.host);
  context.host = &outcome;
  script.Run(context);
  context.host = outcome.inner();
  if (context.budget.spent()) return ActionResult::kBudgetSpent;
  // The last item heard is the one that ended the run, or one after which the run went on
  // to its end.
  switch (outcome.last) {
    case ActionResult::kContinue:
    case ActionResult::kConditionTrue:
    case ActionResult::kConditionFalse:
      return ActionResult::kContinue;
    default:
      return outcome.last;
  }
}

namespace {
constexpr const char* kEvents[] = {"OnLoad", "OnMouseIn", "OnMouseDown", "OnMouseUp", "OnUnload"};
}  // namespace

DocumentRun::DocumentRun(std::string_view bytes) {
  size_t pos = 0;
  while (pos <= bytes.size()) {
    size_t end = bytes.find('\n', pos);
    if (end == std::string_view::npos) end = bytes.size();
    file_.Lines().emplace_back(bytes.substr(pos, end - pos));
    pos = end + 1;
  }
  context.host = &host;
}

void DocumentRun::Load() {
  AddPredefinedVariables(variables, {"/cd/", "/", "/usr/", "/usr/lib/"});
  RunPreLoadScripts(file_, load_, context);
  page_ = std::make_unique<CScriptableObject>("Main", nullptr);
  page_->Load(file_, load_);
  context.main_page = page_.get();
  for (int i = 1; i <= 8; ++i) {
    elements_.push_back(std::make_unique<CScriptableObject>(ElementSection("Main", i), page_.get()));
    elements_.back()->Load(file_, load_);
  }
  variables.PushLocalFrame();
}

bool DocumentRun::FireNext() {
  const size_t objects = elements_.size() + 1;
  if (next_ >= objects * std::size(kEvents)) return false;
  const char* event = kEvents[next_ / objects];
  const size_t object = next_ % objects;
  ++next_;
  (object == 0 ? page_.get() : elements_[object - 1].get())->RunScriptByName(event, context);
  return true;
}

}  // namespace browser::testing
