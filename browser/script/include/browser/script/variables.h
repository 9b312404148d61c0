#pragma once

#include <deque>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/paths.h"
#include "platform/variant.h"

namespace browser {

enum class ActionResult : int;

struct Variable {
  std::string name;  // compared exactly
  platform::Variant value;
};

// The document's variables in three scopes: 0 global, 1 override, 2 the local frame of the
// running control event. Lists only grow; a pointer to a variable stays valid while the
// store (for a local variable: its frame) exists.
class CVariableStore {
 public:
  // Override first, then the top local frame, then global; the first entry of the name.
  Variable* FindVariable(std::string_view name);

  // The variable `name` in the store of scope `scope`, appended with an empty value when the
  // store has none. `result` gets 0, or 9 (scope 2 without a local frame) or 10 (unknown
  // scope), and nullptr is returned then.
  Variable* FindOrCreateInScope(int scope, std::string_view name, ActionResult& result);

  // Appends a new global entry even when the name exists (the predefined variables).
  Variable* AppendGlobal(std::string_view name);

  void PushLocalFrame();
  void PopLocalFrame();

  const std::deque<Variable>& global() const { return global_; }
  const std::deque<Variable>& overrides() const { return override_; }
  // The top local frame, or nullptr when no control event runs.
  const std::deque<Variable>* top_local() const;

 private:
  std::deque<Variable> global_;
  std::deque<Variable> override_;
  std::vector<std::unique_ptr<std::deque<Variable>>> local_frames_;
};

// Replaces each reference |NAME| by the text of variable NAME. A reference to a missing
// variable or one whose value is not a text stays as written; an inserted value is not
// searched again. Texts shorter than three characters are returned unchanged. A reference
// whose value would make the text longer than kMaxExpandedText characters stays as
// written too, so a document that doubles a text on every run cannot exhaust memory.
inline constexpr size_t kMaxExpandedText = size_t{1} << 20;
std::u16string ExpandReferences(CVariableStore& store, std::u16string_view text);

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

// Appends NULL, CD_ROOT, WIN, SYS, APPPATH, TRUE and FALSE to the global scope (every
// document load does; earlier entries of the same names keep winning).
void AddPredefinedVariables(CVariableStore& store, const DocumentDirectories& dirs);

}  // namespace browser
