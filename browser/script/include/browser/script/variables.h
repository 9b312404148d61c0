#pragma once

#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/paths.h"
#include "platform/variant.h"

namespace browser {

enum class ActionResult : int;
class EventBudget;

struct Variable {
  std::string name;  // compared exactly
  platform::Variant value;
  // The characters of text the store has counted for this variable (see CVariableStore::Store).
  size_t counted_text = 0;
};

// The characters of text all variables may hold together: a document cannot make the
// browser hold more than 64 MB of variable text, however many variables it fills.
inline constexpr size_t kMaxVariableText = size_t{32} << 20;

// The document's variables in three scopes: 0 global, 1 override, 2 the local frame of the
// running control event. Lists only grow; a pointer to a variable stays valid while the
// store (for a local variable: its frame) exists.
class CVariableStore {
 public:
  CVariableStore() = default;
  CVariableStore(const CVariableStore&) = delete;
  CVariableStore& operator=(const CVariableStore&) = delete;

  // Override first, then the top local frame, then global; the first entry of the name.
  Variable* FindVariable(std::string_view name);

  // The variable `name` in the store of scope `scope`, appended with an empty value when the
  // store has none. `result` gets 0, or 9 (scope 2 without a local frame) or 10 (unknown
  // scope), and nullptr is returned then.
  Variable* FindOrCreateInScope(int scope, std::string_view name, ActionResult& result);

  // Appends a new global entry even when the name exists.
  Variable* AppendGlobal(std::string_view name);
  // The first global entry of the name, or nullptr.
  Variable* FindGlobal(std::string_view name) { return global_.Find(name); }

  // Stores `value` into `variable` (one of this store's) unless the text all variables hold
  // would pass kMaxVariableText; false then, and the variable keeps its value. Scripts store
  // through here; a value written into a variable directly is counted when it is next
  // stored through here.
  bool Store(Variable& variable, platform::Variant value);
  // The characters of text counted for all variables.
  size_t held_text() const { return held_text_; }

  void PushLocalFrame();
  void PopLocalFrame();

  const std::deque<Variable>& global() const { return global_.entries; }
  const std::deque<Variable>& overrides() const { return override_.entries; }
  // The top local frame, or nullptr when no control event runs.
  const std::deque<Variable>* top_local() const;

 private:
  // One scope's list with an index of the first entry of each name, so that looking a name
  // up costs the same however many variables a document made.
  struct Hash {
    using is_transparent = void;
    size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
  };
  struct List {
    std::deque<Variable> entries;
    std::unordered_map<std::string, Variable*, Hash, std::equal_to<>> first;

    Variable* Find(std::string_view name);
    Variable* Append(std::string_view name);
  };

  List global_;
  List override_;
  std::vector<std::unique_ptr<List>> local_frames_;
  size_t held_text_ = 0;
};

// Replaces each reference |NAME| by the text of variable NAME. A reference to a missing
// variable or one whose value is not a text stays as written; an inserted value is not
// searched again. Texts shorter than three characters are returned unchanged. A reference
// whose value would make the text longer than kMaxExpandedText characters stays as
// written too, so a document that doubles a text on every run cannot exhaust memory.
// The work is linear in the text read and the text produced.
inline constexpr size_t kMaxExpandedText = size_t{1} << 20;
std::u16string ExpandReferences(CVariableStore& store, std::u16string_view text);
// The same, charging the characters read and produced to `budget`; nothing when they do not
// fit (the budget is spent then).
std::optional<std::u16string> ExpandReferences(CVariableStore& store, std::u16string_view text,
                                               EventBudget& budget);

// The directories behind the predefined variables, each ending with a separator.
struct DocumentDirectories {
  std::string document;    // APPPATH
  std::string drive_root;  // CD_ROOT: the root of the file system that holds the document
  std::string windows;     // WIN
  std::string system;      // SYS
};
// The directories for a document directory: its mount point as the drive root, and the
// machine's stand-ins for the Windows and system directories.
DocumentDirectories DirectoriesForDocument(const std::string& document_dir,
                                           const platform::SystemDirectories& system);

// Appends NULL, CD_ROOT, WIN, SYS, APPPATH, TRUE and FALSE to the global scope, each unless
// the scope has one of that name already (every document load calls this, and the earliest
// entries keep winning, so a document that changes pages for ever holds seven of them).
void AddPredefinedVariables(CVariableStore& store, const DocumentDirectories& dirs);

}  // namespace browser
