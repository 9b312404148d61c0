#include "lint.h"

#include <algorithm>
#include <filesystem>
#include <map>
#include <optional>
#include <set>

#include "browser/doc/data_file.h"
#include "browser/doc/no_case.h"
#include "browser/doc/section_names.h"
#include "browser/page/picture_source.h"
#include "browser/script/script_item.h"
#include "browser/script/vocabulary.h"
#include "platform/ascii_case.h"
#include "platform/paths.h"
#include "platform/program_start.h"

namespace cdztool {
namespace {

using browser::CDataFile;
using browser::EqualsNoCase;
using browser::ObjectKind;
namespace keys = browser::keys;

using Names = std::vector<std::string>;

// The names of the keys `kind` reads, in the vocabulary's order (the closest of equally close
// suggestions is the first).
Names KindKeys(ObjectKind kind) {
  Names names;
  browser::ForEachKey(kind,
                      [&](const browser::KeyEntry& entry) { names.emplace_back(entry.key.name); });
  return names;
}

Names ActionKeys(const browser::ActionVocabulary* action) {
  Names names;
  if (action != nullptr) {
    for (const browser::KeyEntry& entry : action->keys) names.emplace_back(entry.key.name);
  }
  return names;
}

Names ActionTypeNames() {
  Names names;
  for (const browser::ActionVocabulary& action : browser::Actions()) {
    names.emplace_back(action.name);
  }
  return names;
}

Names ElementTypeNames() {
  Names names;
  for (const browser::ElementType& type : browser::ElementTypes()) {
    names.emplace_back(type.prefix);
  }
  return names;
}

size_t EditDistance(const std::string& a, const std::string& b) {
  std::vector<size_t> row(b.size() + 1);
  for (size_t j = 0; j <= b.size(); ++j) row[j] = j;
  for (size_t i = 1; i <= a.size(); ++i) {
    size_t diagonal = row[0];
    row[0] = i;
    for (size_t j = 1; j <= b.size(); ++j) {
      const size_t above = row[j];
      row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
      diagonal = above;
    }
  }
  return row[b.size()];
}

struct Item {
  std::string section;
  std::string_view action;  // the action's type name, as the run loop compares it
};

struct Reference {  // an action that finds an object by id
  std::string section;
  std::string action;
  std::string id;
  std::string property;
  std::optional<int32_t> frame;  // a constant "frame" being set
  bool check_id = true;          // false for the assignments of a multi-property SetProperty
};

class Linter {
 public:
  Linter(const CDataFile& file, const LintPlace& place) : file_(file), place_(place) {}

  std::vector<Finding> Run() {
    LintMain();
    LintReferences();
    LintLayout();
    std::stable_sort(
        findings_.begin(), findings_.end(),
        [this](const Finding& a, const Finding& b) { return Order(a.section) < Order(b.section); });
    return std::move(findings_);
  }

 private:
  void Add(Finding::Level level, const std::string& section, const std::string& key,
           std::string message) {
    findings_.push_back({level, file_.Name(), section, key, std::move(message)});
  }
  void Error(const std::string& section, const std::string& key, std::string message) {
    Add(Finding::Level::kError, section, key, std::move(message));
  }
  void Warning(const std::string& section, const std::string& key, std::string message) {
    Add(Finding::Level::kWarning, section, key, std::move(message));
  }
  size_t Order(const std::string& section) const {
    if (section.empty()) return 0;
    auto at = file_.FindSection(section);
    return at ? *at + 1 : file_.Lines().size() + 1;
  }

  bool Has(const std::string& section) const { return file_.FindSection(section).has_value(); }
  std::string String(const std::string& section, browser::Key key) const {
    std::string value;
    file_.ReadString(section, key.name, value);
    return value;
  }
  int32_t Int(const std::string& section, browser::Key key, int32_t fallback = 0) const {
    file_.ReadInt(section, key.name, fallback);
    return fallback;
  }
  // The sections that `count_key` of `owner` promises, numbered from `first` and named by
  // `section_of`, up to the first that is missing: that one is an error of the count.
  std::vector<std::string> CountedSections(const std::string& owner, browser::Key count_key,
                                           int first,
                                           std::string (*section_of)(std::string_view, int)) {
    const int count = Int(owner, count_key);
    std::vector<std::string> sections;
    for (int i = 0; i < count; ++i) {
      std::string section = section_of(owner, first + i);
      if (!Has(section)) {
        const std::string key(count_key.name);
        Error(owner, key,
              key + " is " + std::to_string(count) + " but there is no [" + section + "]");
        break;
      }
      sections.push_back(std::move(section));
    }
    return sections;
  }

  void Visit(const std::string& section, ObjectKind kind, const std::string& action = {}) {
    visited_.emplace(section, std::make_pair(kind, action));
    std::string id;
    if (file_.ReadString(section, keys::kId.name, id) && !id.empty())
      ids_.push_back({id, section, kind});
  }

  void LintMain() {
    const std::string main(browser::kMainSection);
    if (!Has(main)) {
      Error("", "", "there is no [Main] section: the browser shows nothing");
      return;
    }
    Visit(main, ObjectKind::kMain);
    const int window_type = Int(main, keys::kWindowType);
    if (window_type != 4) CheckPicture(main, "watermark", String(main, keys::kWatermark), false);
    const std::string icon = String(main, keys::kIcon);
    if (!icon.empty() && place_.files != nullptr &&
        place_.files->KindOf(Resolve(icon)) != LintFiles::Kind::kFile) {
      Warning(main, "icon",
              "no file '" + icon + "' (" + Resolve(icon) + "): the program's own icon is shown");
    }
    for (const std::string& section :
         CountedSections(main, keys::kNumElements, 1, browser::ElementSection)) {
      LintElement(section);
    }
    LintScripts(main, true);
  }

  void LintElement(const std::string& section) {
    const std::string type = String(section, keys::kType);
    const std::optional<ObjectKind> element_kind = browser::ElementKindOf(type);
    if (!element_kind) {
      Error(section, "type",
            "element type '" + type +
                "' creates nothing, and every later element then reads the "
                "section before its own" +
                Suggest(type, ElementTypeNames()));
      visited_.emplace(section, std::make_pair(ObjectKind::kImage, std::string()));
      return;
    }
    const ObjectKind kind = *element_kind;
    Visit(section, kind);
    if (kind == ObjectKind::kImage) {
      // An animated image plays the file as a GIF whatever its name.
      if (Int(section, keys::kAnimated) == 0) {
        CheckPicture(section, "src", String(section, keys::kSrc), true);
      } else {
        CheckFile(section, "src", String(section, keys::kSrc), "picture");
      }
    } else if (kind == ObjectKind::kImageList) {
      CheckPicture(section, "src", String(section, keys::kSrc), false);
      LintFrames(section);
    } else if (kind == ObjectKind::kActiveX) {
      CheckControl(section);
    }
    LintScripts(section, false);
  }

  void LintFrames(const std::string& section) {
    int count = 0;
    for (;; ++count) {
      const std::string frame = browser::FrameSection(section, count);
      int32_t v = 0;
      if (!file_.ReadLong(frame, keys::kTop.name, v) ||
          !file_.ReadLong(frame, keys::kLeft.name, v) ||
          !file_.ReadLong(frame, keys::kBottom.name, v) ||
          !file_.ReadLong(frame, keys::kRight.name, v)) {
        break;
      }
      Visit(frame, ObjectKind::kFrame);
    }
    const int32_t frame = Int(section, keys::kFrame);
    if (count == 0) {
      Error(section, "",
            "an image list without frames ([" + browser::FrameSection(section, 0) +
                "] with left, top, right and bottom) fails to load, and the page "
                "loads no later element");
    } else if (frame < 0 || frame >= count) {
      Error(section, "frame",
            "frame " + std::to_string(frame) + " is out of range: there are " +
                std::to_string(count) +
                " frames; the image list fails to load, and the page loads "
                "no later element");
    }
    std::string id;
    if (file_.ReadString(section, keys::kId.name, id)) frames_[id] = count;
  }

  void LintScripts(const std::string& object, bool is_main) {
    const std::vector<std::string> sections =
        CountedSections(object, keys::kNumScripts, 1, browser::ScriptSection);
    std::set<std::string> names;
    for (size_t i = 0; i < sections.size(); ++i) {
      const std::string& section = sections[i];
      Visit(section, ObjectKind::kScript);
      const std::string name = String(section, keys::kName);
      LintEventName(section, name, is_main, static_cast<int>(i) + 1);
      if (!names.insert(name).second) {
        Warning(section, "name",
                "a script named '" + name + "' comes earlier in this object: only the first runs");
      }
      if (is_main) main_scripts_.insert(name);
      LintItems(section);
    }
  }

  void LintEventName(const std::string& section, const std::string& name, bool is_main, int i) {
    if (name.empty()) {
      Warning(section, "name", "the script has no name: no event runs it");
      return;
    }
    if (EqualsNoCase(name, "PreLoad")) {
      if (!is_main || i > 3) {
        Error(section, "name",
              "a PreLoad script only runs from [Script_1], [Script_2] or "
              "[Script_3] of [Main]");
      }
      return;  // PreLoad is found without regard to case
    }
    for (std::string_view event_name : browser::EventNames()) {
      const std::string event(event_name);
      if (name != event && EqualsNoCase(name, event)) {
        Error(section, "name",
              "'" + name + "' never runs: the event is '" + event +
                  "' (script names compare exactly)");
      }
    }
  }

  void LintItems(const std::string& script) {
    std::vector<Item> items;
    for (const std::string& section :
         CountedSections(script, keys::kNumScriptItems, 1, browser::ScriptItemSection)) {
      const std::string type = String(section, keys::kName);
      Visit(section, ObjectKind::kItem, type);
      const browser::ActionVocabulary* action = browser::FindAction(type);
      if (action == nullptr) {
        // A dropped item reads nothing: one finding on its name says so.
        dropped_.insert(section);
        Error(section, "name",
              "no action is named '" + type + "': the item is dropped" +
                  Suggest(type, ActionTypeNames()));
        continue;
      }
      items.push_back({section, action->name});
      LintAction(section, type);
    }
    LintBlocks(script, items);
  }

  // IF opens a block, ELSE splits it once, ENDIF closes it.
  void LintBlocks(const std::string& script, const std::vector<Item>& items) {
    struct Open {
      std::string section;
      bool has_else;
    };
    std::vector<Open> open;
    for (const Item& item : items) {
      if (item.action == browser::kIfName) {
        open.push_back({item.section, false});
      } else if (item.action == browser::kElseName) {
        if (open.empty()) {
          Error(item.section, "name", "ELSE without an IF: it skips to the next ENDIF");
        } else if (open.back().has_else) {
          Error(item.section, "name",
                "a second ELSE for the IF in [" + open.back().section +
                    "]: it skips to the next ENDIF");
        } else {
          open.back().has_else = true;
        }
      } else if (item.action == browser::kEndIfName) {
        if (open.empty()) {
          Warning(item.section, "name", "ENDIF without an IF");
        } else {
          open.pop_back();
        }
      }
    }
    for (const Open& o : open) {
      Error(o.section, "name",
            "this IF has no ENDIF in [" + script +
                "]: when it is false the rest of the script is skipped");
    }
  }

  void LintAction(const std::string& section, const std::string& type) {
    using Target = browser::ActionTarget;
    const Target target = browser::FindAction(type)->target;
    if (target == Target::kPropertyWrite || target == Target::kPropertyRead ||
        target == Target::kControlMethod) {
      Reference ref{
          section, type, String(section, keys::kControlId), String(section, keys::kProperty), {}};
      if (target == Target::kPropertyWrite) {
        std::string multi;
        if (file_.ReadString(section, keys::kMulti.name, multi)) {
          for (int n = 0;; ++n) {
            const std::string property = browser::PropertySection(section, n);
            std::string name;
            if (!file_.ReadString(property, keys::kProperty.name, name)) break;
            Visit(property, ObjectKind::kProperty);
            references_.push_back(
                {property, type, ref.id, name, ConstantFrame(property, name), false});
          }
          references_.push_back({section, type, ref.id, "", {}});
          return;
        }
        ref.frame = ConstantFrame(section, ref.property);
      }
      if (target == Target::kControlMethod) {
        for (const std::string& param :
             CountedSections(section, keys::kNumParameters, 0, browser::ParamSection)) {
          Visit(param, ObjectKind::kParam);
        }
      }
      references_.push_back(ref);
    } else if (target == Target::kSoundFile) {
      CheckFile(section, "path", String(section, keys::kPath), "sound");
    } else if (target == Target::kFolder) {
      CheckFile(section, "path", String(section, keys::kPath), "folder");
    } else if (target == Target::kProgram) {
      if (String(section, keys::kFlag) != "registry")
        CheckProgram(section, type, String(section, keys::kPath));
    } else if (target == Target::kPage) {
      if (String(section, keys::kVariableName).empty())
        CheckPage(section, String(section, keys::kPath));
    } else if (target == Target::kWindowCommand) {
      LintCommand(section);
    } else if (target == Target::kGlobalScript) {
      global_calls_.emplace_back(section, String(section, keys::kScriptName));
    } else if (target == Target::kDraggedFile) {
      if (String(section, keys::kFlag) != "registry")
        CheckDragPath(section, String(section, keys::kPath));
    }
  }

  // The path is offered as written; a relative one is found from the document's folder (the
  // CD's root when its autorun started the browser), where the file should be.
  void CheckDragPath(const std::string& section, const std::string& path) {
    if (path.empty() || path[0] == '/' || path[0] == '\\' || path.find(':') != std::string::npos) {
      return;
    }
    if (place_.files == nullptr) return;
    const std::string resolved = Resolve(path);
    if (!place_.files->Exists(resolved)) {
      Warning(section, "path",
              "the drag offers '" + path + "', which names no file in the document's folder (" +
                  resolved + "): the drop target gets a file that is not there");
    }
  }

  // The control the element creates: "CLSID" when present, else "controlName".
  void CheckControl(const std::string& section) {
    std::string name, key = "controlName";
    file_.ReadString(section, keys::kControlName.name, name);
    if (file_.ReadString(section, keys::kClsid.name, name)) key = "CLSID";
    if (place_.controls == nullptr) return;
    if (name.empty()) {
      Warning(section, "controlName", "the element names no control: it stays empty");
      return;
    }
    if (!place_.controls->Provides(name)) {
      Warning(section, key,
              "no plug-in provides the control '" + name + "' (looked in " +
                  place_.controls->Where() +
                  "): the element shows an empty rectangle and calls to it do "
                  "nothing");
    }
  }

  std::optional<int32_t> ConstantFrame(const std::string& section, const std::string& property) {
    if (!EqualsNoCase(property, "frame") || !String(section, keys::kVariableName).empty())
      return {};
    int32_t value = 0;
    if (!file_.ReadLong(section, keys::kValue.name, value)) return {};
    return value;
  }

  void LintCommand(const std::string& section) {
    const std::string command = String(section, keys::kCommand);
    if (command == "Exit") return;
    for (const char* known : {"ChangePage", "NextPage", "PrevPage", "Minimize"}) {
      if (EqualsNoCase(command, known)) {
        if (EqualsNoCase(command, "ChangePage"))
          CheckPageChange(section, String(section, keys::kParameters));
        return;
      }
    }
    if (EqualsNoCase(command, "Exit")) {
      Error(section, "command", "'" + command + "' does nothing: 'Exit' is compared exactly");
      return;
    }
    Error(section, "command",
          "the command '" + command + "' does nothing" +
              Suggest(command, {"Exit", "ChangePage", "NextPage", "PrevPage", "Minimize"}));
  }

  void CheckPageChange(const std::string& section, const std::string& target) {
    if (target.empty()) {
      Error(section, "parameters", "ChangePage needs the document's name in 'parameters'");
      return;
    }
    if (place_.member_names.empty()) return;
    const std::string member = platform::ReplaceExtension(platform::FilePart(target), ".cdb");
    for (const std::string& name : place_.member_names) {
      if (EqualsNoCase(name, member)) return;
    }
    if (place_.files != nullptr && place_.files->Exists(Resolve(target))) return;
    Error(section, "parameters",
          "ChangePage to '" + target + "': the container has no member '" + member +
              "' and there is no such file");
  }

  std::string Resolve(const std::string& name) const {
    return platform::ResolvePath(name, place_.document_dir, place_.document_dir);
  }

  // A picture is read by its name: ".gif" anywhere makes it a GIF, ".jpg" (lower case, and
  // only for an image element) a JPEG, and anything else is read as a Windows bitmap.
  void CheckPicture(const std::string& section, const char* key, const std::string& name,
                    bool jpeg_allowed) {
    if (name.empty()) return;
    if (browser::PictureKindOf(name, jpeg_allowed) == browser::PictureKind::kBitmap) {
      const std::string_view file = platform::FilePart(name);
      const size_t dot = file.rfind('.');
      const std::string_view extension = dot == std::string_view::npos ? "" : file.substr(dot);
      if (!EqualsNoCase(extension, ".bmp") && !EqualsNoCase(extension, ".dib")) {
        Warning(section, key,
                "'" + name + "' is read as a Windows bitmap (only a name with '.gif'" +
                    (jpeg_allowed ? std::string(", or '.jpg' in lower case,") : std::string()) +
                    " is read otherwise): a picture of another kind draws as a push button");
      }
    }
    if (place_.files == nullptr) return;
    const std::string path = Resolve(name);
    const LintFiles::Kind kind = place_.files->KindOf(path);
    if (kind == LintFiles::Kind::kMissing) {
      Error(section, key, "no picture '" + name + "' (" + path + ")");
    } else if (kind != LintFiles::Kind::kFile) {
      // Something stands at the path, but nothing a picture is read from.
      const char* what = kind == LintFiles::Kind::kFolder
                             ? "a folder, not a picture"
                             : "a device, pipe or socket, not a picture file";
      Warning(section, key,
              "'" + name + "' (" + path + ") is " + what + ": the picture is missing");
    }
  }

  void CheckFile(const std::string& section, const char* key, const std::string& name,
                 const char* what) {
    if (name.empty() || place_.files == nullptr) return;
    const std::string path = Resolve(name);
    if (!place_.files->Exists(path)) {
      Error(section, key, std::string("no ") + what + " '" + name + "' (" + path + ")");
    }
  }

  // `type` names the action that would start the program.
  void CheckProgram(const std::string& section, const std::string& type, const std::string& name) {
    if (name.empty()) {
      Error(section, "path", type + " needs the program in 'path'");
      return;
    }
    if (place_.files == nullptr) return;
    const std::string path = Resolve(name);
    if (!place_.files->IsProgram(path) && !place_.files->Exists(path)) {
      Error(section, "path", "no program or file '" + name + "' (" + path + ")");
    }
  }

  // A local page named through the document's folder; web addresses are not checked.
  void CheckPage(const std::string& section, std::string address) {
    if (address.empty() || place_.files == nullptr) return;
    for (const char* name : {"|APPPATH|", "|CD_ROOT|"}) {
      if (address.rfind(name, 0) == 0)
        address = place_.document_dir + address.substr(std::string(name).size());
    }
    if (address.find('|') != std::string::npos || address.find(':') != std::string::npos) return;
    if (!place_.files->Exists(address)) {
      Error(section, "path", "no page '" + address + "'");
    }
  }

  void LintReferences() {
    std::map<std::string, const IdEntry*> first;
    for (const IdEntry& entry : ids_) {
      auto [it, fresh] = first.emplace(entry.id, &entry);
      if (!fresh) {
        Error(entry.section, "id",
              "the id '" + entry.id + "' is also [" + it->second->section +
                  "]'s, and actions find that one");
      }
    }
    for (const Reference& ref : references_) {
      auto it = first.find(ref.id);
      if (it == first.end()) {
        if (ref.check_id) {
          Error(ref.section, "controlId",
                "no object has the id '" + ref.id + "': " + ref.action + " stops the script");
        }
        continue;
      }
      if (ref.action == "CallActiveXMethod" && it->second->kind != ObjectKind::kActiveX) {
        Error(ref.section, "controlId",
              "'" + ref.id + "' is no control element: the call stops the script");
      }
      if (ref.frame && it->second->kind == ObjectKind::kImageList) {
        const int count = frames_[ref.id];
        if (*ref.frame < 0 || *ref.frame >= count) {
          Error(ref.section, "value",
                "frame " + std::to_string(*ref.frame) + " of '" + ref.id +
                    "' is out of range: it has " + std::to_string(count) + " frames");
        }
      }
    }
    for (const auto& [section, name] : global_calls_) {
      if (!main_scripts_.contains(name)) {
        Error(section, "scriptName", "the page has no script named '" + name + "'");
      }
    }
  }

  // Lines, sections and keys that nothing reads.
  void LintLayout() {
    std::string section;
    bool in_section = false;
    std::set<std::string> seen_sections;
    std::set<std::string> seen_keys;
    Names known;
    Names action_keys;
    for (const std::string& line : file_.Lines()) {
      if (browser::IsSectionHeader(line)) {
        section = line.substr(1, line.size() - 2);
        in_section = true;
        seen_keys.clear();
        known.clear();
        action_keys.clear();
        if (!seen_sections.insert(section).second) {
          Warning(section, "", "[" + section + "] appears again: only the first is read");
          in_section = false;
          continue;
        }
        auto it = visited_.find(section);
        if (it == visited_.end()) {
          Warning(section, "", "no object reads [" + section + "]");
          in_section = false;
          continue;
        }
        if (dropped_.contains(section)) {
          in_section = false;
          continue;
        }
        known = KindKeys(it->second.first);
        if (it->second.first == ObjectKind::kItem) {
          action_keys = ActionKeys(browser::FindAction(it->second.second));
        }
        continue;
      }
      if (line.empty() || line[0] == ';' || line[0] == '#') continue;
      const size_t eq = line.find(" = ");
      if (eq == std::string::npos) {
        if (in_section || section.empty()) {
          Warning(section, "",
                  "the line '" + line +
                      "' is no key line ('key = value', one blank "
                      "either side of '='): nothing reads it");
        }
        continue;
      }
      if (!in_section) {
        if (section.empty())
          Warning("", "",
                  "the line '" + line + "' comes before the first section: nothing reads it");
        continue;
      }
      const std::string key = line.substr(0, eq);
      if (!seen_keys.insert(platform::UpperAscii(key)).second) {
        Warning(section, key, "the key comes again in this section: only the first is read");
        continue;
      }
      auto is = [&](const Names& list) {
        return std::any_of(list.begin(), list.end(),
                           [&](const std::string& k) { return EqualsNoCase(k, key); });
      };
      if (is(known) || is(action_keys)) continue;
      Names candidates = known;
      candidates.insert(candidates.end(), action_keys.begin(), action_keys.end());
      Warning(section, key,
              "no object of this section reads '" + key + "'" + Suggest(key, candidates));
    }
  }

  std::string Suggest(const std::string& word, const std::vector<std::string>& candidates) const {
    const std::string closest = Closest(word, candidates);
    return closest.empty() ? std::string() : " (did you mean '" + closest + "'?)";
  }

  struct IdEntry {
    std::string id;
    std::string section;
    ObjectKind kind;
  };

  const CDataFile& file_;
  const LintPlace& place_;
  std::vector<Finding> findings_;
  std::map<std::string, std::pair<ObjectKind, std::string>> visited_;
  std::vector<IdEntry> ids_;
  std::map<std::string, int> frames_;  // image list id -> frame count
  std::vector<Reference> references_;
  std::set<std::string> main_scripts_;
  std::set<std::string> dropped_;  // items the browser drops
  std::vector<std::pair<std::string, std::string>> global_calls_;
};

}  // namespace

bool DiskLintFiles::Exists(const std::string& path) const { return platform::FileExists(path); }

LintFiles::Kind DiskLintFiles::KindOf(const std::string& path) const {
  std::error_code ec;
  const std::filesystem::file_status status = std::filesystem::status(path, ec);
  switch (status.type()) {
    case std::filesystem::file_type::regular:
      return Kind::kFile;
    case std::filesystem::file_type::directory:
      return Kind::kFolder;
    case std::filesystem::file_type::not_found:
    case std::filesystem::file_type::none:
      return Kind::kMissing;
    default:
      return Kind::kOther;
  }
}

bool DiskLintFiles::IsProgram(const std::string& path) const {
  return platform::ProgramFile(path).has_value();
}

std::string Closest(const std::string& word, const std::vector<std::string>& candidates) {
  std::string best;
  size_t best_distance = std::string::npos;
  const std::string folded = platform::UpperAscii(word);
  for (const std::string& candidate : candidates) {
    const size_t d = EditDistance(folded, platform::UpperAscii(candidate));
    if (d < best_distance) {
      best_distance = d;
      best = candidate;
    }
  }
  // A slip changes a few letters, not most of them.
  if (best.empty() || best_distance > std::max<size_t>(2, std::min(word.size(), best.size()) / 3)) {
    return {};
  }
  return best;
}

std::vector<Finding> LintDataFile(const CDataFile& file, const LintPlace& place) {
  return Linter(file, place).Run();
}

}  // namespace cdztool
