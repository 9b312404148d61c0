#include "browser/doc/multi_file_cdz.h"

#include "browser/doc/cdz_reader.h"
#include "browser/doc/no_case.h"

namespace browser {

CMultiFileCdz::~CMultiFileCdz() = default;

Status CMultiFileCdz::LoadAll(platform::FileSystem& files, const std::string& path) {
  CdzReader reader;
  if (budget_ != nullptr) reader.set_budget(budget_);
  uint64_t members_taken = 0;
  Status s = reader.Open(files, path);
  while (s.ok()) {
    CdzMemberHeader header;
    bool at_end = false;
    s = reader.NextMember(&header, &at_end);
    if (!s.ok() || at_end) break;
    // A member costs its data file object besides its lines.
    const uint64_t cost = sizeof(CDataFile) + sizeof(BudgetShare) + 2 * sizeof(void*) +
                          header.name.size();
    if (budget_ != nullptr && !budget_->Take(cost, "members of " + path + " not read")) {
      s = Status::Corruption(path + ": members exceed the memory budget of " +
                             std::to_string(budget_->limit() >> 20) + " MiB");
      break;
    }
    members_taken += cost;
    auto file = std::make_unique<CDataFile>();
    file->SetName(std::move(header.name));
    s = reader.ReadLines(&file->Lines());
    files_.push_back(std::move(file));
  }
  if (budget_ != nullptr) shares_.emplace_back(budget_, reader.taken() + members_taken);
  return s;
}

CDataFile* CMultiFileCdz::FindMember(std::string_view name) const {
  if (name.empty()) return nullptr;
  for (const auto& file : files_) {
    if (EqualsNoCase(file->Name(), name)) return file.get();
  }
  return nullptr;
}

CDataFile* CMultiFileCdz::Next(const CDataFile* current) const {
  if (files_.size() < 2) return nullptr;
  for (size_t i = 0; i < files_.size(); ++i) {
    if (files_[i].get() == current) return files_[(i + 1) % files_.size()].get();
  }
  return nullptr;
}

CDataFile* CMultiFileCdz::Previous(const CDataFile* current) const {
  if (files_.size() < 2) return nullptr;
  for (size_t i = 0; i < files_.size(); ++i) {
    if (files_[i].get() == current) {
      return files_[(i + files_.size() - 1) % files_.size()].get();
    }
  }
  return nullptr;
}

CDataFile* CMultiFileCdz::Append(std::unique_ptr<CDataFile> file, BudgetShare share) {
  shares_.push_back(std::move(share));
  files_.push_back(std::move(file));
  return files_.back().get();
}

}  // namespace browser
