#include "browser/doc/multi_file_cdz.h"

#include "browser/doc/cdz_reader.h"
#include "browser/doc/no_case.h"

namespace browser {

CMultiFileCdz::~CMultiFileCdz() = default;

Status CMultiFileCdz::LoadAll(const std::string& path) {
  CdzReader reader;
  Status s = reader.Open(path);
  while (s.ok()) {
    CdzMemberHeader header;
    bool at_end = false;
    s = reader.NextMember(&header, &at_end);
    if (!s.ok() || at_end) break;
    auto file = std::make_unique<CDataFile>();
    file->SetName(std::move(header.name));
    s = reader.ReadLines(&file->Lines());
    files_.push_back(std::move(file));
  }
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

CDataFile* CMultiFileCdz::Append(std::unique_ptr<CDataFile> file) {
  files_.push_back(std::move(file));
  return files_.back().get();
}

}  // namespace browser
