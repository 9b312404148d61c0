#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "browser/doc/data_file.h"
#include "browser/doc/memory_budget.h"
#include "browser/doc/status.h"

namespace platform {
class FileSystem;
}

namespace browser {

// The data files of one or more document containers, in the order they were read. The
// container owns them; pointers it hands out stay valid until it is destroyed.
class CMultiFileCdz {
 public:
  CMultiFileCdz() = default;
  CMultiFileCdz(const CMultiFileCdz&) = delete;
  CMultiFileCdz& operator=(const CMultiFileCdz&) = delete;
  virtual ~CMultiFileCdz();

  // Appends every member of the container file (gzip-compressed or plain), read through
  // `files`. OK when the
  // file ended cleanly after its last member. On a missing file or a bad magic nothing is
  // added. A damaged record ends the reading: the members before it stay, and so do the
  // lines read so far of a member whose text is cut short. Reading stops, as at a damaged
  // record, past kMaxCdzMembers members or when the budget (if any) refuses a line or a
  // member; what was taken from the budget is given back when the container is destroyed.
  Status LoadAll(platform::FileSystem& files, const std::string& path);
  // The budget LoadAll and Append take from; it must outlive the container.
  void set_budget(MemoryBudget* budget) { budget_ = budget; }
  MemoryBudget* budget() const { return budget_; }

  // The first data file whose Name equals `name` without regard to case; an empty name
  // finds nothing.
  CDataFile* FindMember(std::string_view name) const;
  // With more than one data file and `current` among them: the one after it (the first
  // after the last). Otherwise nullptr.
  CDataFile* Next(const CDataFile* current) const;
  // As Next, backwards (the last before the first).
  CDataFile* Previous(const CDataFile* current) const;
  // Takes a data file loaded elsewhere, with what its loading took from the budget; returns
  // the last element of the list.
  CDataFile* Append(std::unique_ptr<CDataFile> file, BudgetShare share = {});
  size_t Count() const { return files_.size(); }
  // Exchanges the data files, and what they took from their budgets, with `other`'s.
  void Swap(CMultiFileCdz& other) noexcept {
    std::swap(budget_, other.budget_);
    shares_.swap(other.shares_);
    files_.swap(other.files_);
  }
  CDataFile* At(size_t index) const { return files_.at(index).get(); }

 private:
  MemoryBudget* budget_ = nullptr;
  // Declared before the files, so that they are freed before the budget is given back.
  std::vector<BudgetShare> shares_;
  std::vector<std::unique_ptr<CDataFile>> files_;
};

}  // namespace browser
