#include "browser/doc/folder_document.h"

#include <algorithm>
#include <cstring>
#include <set>

#include "browser/doc/cdz_reader.h"
#include "browser/doc/no_case.h"
#include "platform/disk_file_system.h"
#include "platform/file_system.h"
#include "platform/paths.h"

namespace browser {
namespace {

// What a member costs a budget besides its lines: its data file object and its place in the
// container's lists.
uint64_t MemberCost(const std::string& name) {
  return sizeof(CDataFile) + sizeof(BudgetShare) + 2 * sizeof(void*) + name.size();
}

bool IsDataFileName(std::string_view name) {
  return name.size() > 4 && name.front() != '.' &&
         EqualsNoCase(name.substr(name.size() - 4), ".cdb");
}

// The disk, where no other files are handed in.
class Files {
 public:
  explicit Files(platform::FileSystem* files) : files_(files != nullptr ? *files : disk_) {}
  platform::FileSystem* operator->() { return &files_; }
  platform::FileSystem* get() { return &files_; }

 private:
  platform::DiskFileSystem disk_;
  platform::FileSystem& files_;
};

std::string Trimmed(std::string_view line) {
  while (!line.empty() && (line.back() == '\r' || line.back() == '\n')) line.remove_suffix(1);
  return std::string(line);
}

// The text split into lines as the container reader splits a member's text: a read stops after
// LF or at kMaxCdzLineSize characters, CR and LF at a line's end are removed, empty lines stay,
// and the text's last byte (its final line end) is never text.
Status SplitLines(const std::string& name, std::string_view text, std::vector<std::string>* lines,
                  MemoryBudget* budget, uint64_t* taken) {
  size_t pos = 0;
  while (text.size() - pos > 1) {
    const size_t max = std::min(text.size() - pos - 1, kMaxCdzLineSize);
    std::string_view chunk = text.substr(pos, max);
    if (const size_t lf = chunk.find('\n'); lf != std::string_view::npos) {
      chunk = chunk.substr(0, lf + 1);
    }
    pos += chunk.size();
    std::string line = Trimmed(chunk);
    const uint64_t cost = CdzLineCost(line.size());
    if (!budget->Take(cost, "lines of " + name + " not read")) {
      return Status::Corruption(name + ": lines exceed the memory budget of " +
                                std::to_string(budget->limit() >> 20) + " MiB");
    }
    *taken += cost;
    lines->push_back(std::move(line));
  }
  return Status::OK();
}

// A data file read on its own, or the one chosen in a folder.
Status ReadOne(const std::string& path, CDataFile* file, MemoryBudget* budget, uint64_t* taken,
               platform::FileSystem* files) {
  MemoryBudget own;
  return ReadDataFileText(path, file, budget != nullptr ? budget : &own, taken, files);
}

Status LoadFolder(const std::string& dir, CMultiFileCdz* cdz, platform::FileSystem* files) {
  std::vector<FolderMember> members;
  Status first = ListFolderMembers(dir, &members, files);
  if (first.ok() && members.empty()) return Status::NotFound(dir + ": no data files (*.cdb)");
  MemoryBudget own;
  MemoryBudget* budget = cdz->budget() != nullptr ? cdz->budget() : &own;
  for (const FolderMember& member : members) {
    const uint64_t member_cost = MemberCost(member.name);
    if (!budget->Take(member_cost, "data files of " + dir + " not read")) {
      if (first.ok()) {
        first = Status::Corruption(dir + ": data files exceed the memory budget of " +
                                   std::to_string(budget->limit() >> 20) + " MiB");
      }
      break;
    }
    auto file = std::make_unique<CDataFile>();
    uint64_t taken = 0;
    const Status s = ReadDataFileText(member.path, file.get(), budget, &taken, files);
    if (!s.ok()) {
      budget->Give(member_cost);
      if (first.ok()) first = s;
      continue;
    }
    // Given back when the container goes.
    cdz->Append(std::move(file), BudgetShare(budget, taken + member_cost));
  }
  return first;
}

}  // namespace

Status ListFolderMembers(const std::string& dir, std::vector<FolderMember>* members,
                         platform::FileSystem* files) {
  members->clear();
  // Only the first names are kept, however many the folder holds.
  std::set<std::string> names;
  size_t count = 0;
  const bool listed = Files(files)->ListFolder(dir, [&](std::string_view name) {
    if (!IsDataFileName(name)) return true;
    ++count;
    names.emplace(name);
    if (names.size() > kMaxCdzMembers) names.erase(std::prev(names.end()));
    return true;
  });
  if (!listed) return Status::IOError(dir + ": cannot read the folder");
  std::string base = dir;
  if (base.empty() || base.back() != '/') base += '/';
  for (const std::string& name : names) members->push_back({name, base + name});
  if (count > kMaxCdzMembers) {
    return Status::Corruption(dir + ": " + std::to_string(count) + " data files, more than " +
                              std::to_string(kMaxCdzMembers) + ": only the first by name are read");
  }
  return Status::OK();
}

Status CheckDataFileText(std::string_view name, std::string_view text) {
  const auto at_line = [&](size_t offset, const std::string& what) {
    const size_t line = 1 + static_cast<size_t>(std::count(text.begin(), text.begin() + offset, '\n'));
    return Status::Corruption(std::string(name) + ": line " + std::to_string(line) + ": " + what);
  };
  if (const size_t nul = text.find('\0'); nul != std::string_view::npos) {
    return at_line(nul, "a NUL byte: this is no data file written as text");
  }
  bool has_main = false;
  for (size_t start = 0; start < text.size();) {
    size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    const std::string line = Trimmed(text.substr(start, end - start));
    // A line longer than the browser reads at once is split; its first part is no header.
    if (!line.empty() && line.front() == '[' && line.size() <= kMaxCdzLineSize) {
      if (!IsSectionHeader(line)) {
        return at_line(start, "'" + line + "' is no section header: a line that begins with '[' "
                              "must end with ']' and name a section");
      }
      has_main = has_main || line == "[Main]";
    }
    start = end + 1;
  }
  if (!has_main) return Status::Corruption(std::string(name) + ": no [Main] section: nothing to show");
  return Status::OK();
}

Status ParseDataFileText(std::string_view name, std::string text, CDataFile* file,
                         MemoryBudget* budget, uint64_t* taken) {
  file->Clear();
  *taken = 0;
  Status s = CheckDataFileText(name, text);
  if (!s.ok()) return s;
  // Packing gives a text without its final line end one.
  if (text.empty() || text.back() != '\n') text += '\n';
  s = SplitLines(std::string(name), text, &file->Lines(), budget, taken);
  if (!s.ok()) {
    file->Clear();
    budget->Give(*taken);
    *taken = 0;
  }
  return s;
}

Status ReadDataFileText(const std::string& path, CDataFile* file, MemoryBudget* budget,
                        uint64_t* taken, platform::FileSystem* files) {
  file->Clear();
  *taken = 0;
  std::string text, error;
  if (!Files(files)->ReadFile(path, CDataFile::kMaxTextFileBytes, &text, &error)) {
    return Status::IOError(path + ": " + error);
  }
  MemoryBudget own;
  Status s = ParseDataFileText(path, std::move(text), file, budget != nullptr ? budget : &own,
                               taken);
  if (s.ok()) file->SetName(std::string(platform::FilePart(path)));
  return s;
}

bool IsContainerFile(const std::string& path, platform::FileSystem* files) {
  std::string error;
  const std::unique_ptr<platform::InputFile> in = Files(files)->OpenForReading(path, &error);
  if (in == nullptr) return false;
  char head[4] = {};
  const long n = in->Read(head, sizeof head, &error);
  if (n == 4 && std::memcmp(head, kCdzMagic, 4) == 0) return true;
  return n >= 2 && head[0] == '\x1f' && head[1] == '\x8b';
}

Status LoadDocumentFiles(const std::string& path, CMultiFileCdz* cdz,
                         platform::FileSystem* files) {
  if (Files(files)->Stat(path) == platform::FileKind::kDirectory) {
    return LoadFolder(path, cdz, files);
  }
  if (IsContainerFile(path, files)) return cdz->LoadAll(path);
  auto file = std::make_unique<CDataFile>();
  uint64_t taken = 0;
  Status s = ReadOne(path, file.get(), cdz->budget(), &taken, files);
  if (!s.ok()) return s;
  cdz->Append(std::move(file), BudgetShare(cdz->budget(), taken));
  return s;
}

Status LoadDocumentMember(const std::string& path, const std::string& member_name,
                          CDataFile* file, MemoryBudget* budget, uint64_t* taken,
                          platform::FileSystem* files) {
  *taken = 0;
  if (Files(files)->Stat(path) != platform::FileKind::kDirectory) {
    if (IsContainerFile(path, files)) return file->Load(path, member_name, budget, taken);
    return ReadOne(path, file, budget, taken, files);
  }
  std::vector<FolderMember> members;
  Status listed = ListFolderMembers(path, &members, files);
  if (members.empty()) {
    file->Clear();
    return listed.ok() ? Status::NotFound(path + ": no data files (*.cdb)") : listed;
  }
  std::string folder = path;
  while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
  const std::string own_name = std::string(platform::FilePart(folder)) + ".cdb";
  const auto named = [&](const std::string& name) {
    return std::find_if(members.begin(), members.end(),
                        [&](const FolderMember& m) { return EqualsNoCase(m.name, name); });
  };
  auto chosen = named(member_name);
  if (chosen == members.end()) chosen = named(own_name);
  if (chosen == members.end()) chosen = members.begin();
  return ReadOne(chosen->path, file, budget, taken, files);
}

}  // namespace browser
