#include "cdztool.h"

#include <cstdio>
#include <filesystem>
#include <iostream>
#include <set>

#include "browser/doc/cdz_reader.h"
#include "browser/doc/cdz_writer.h"
#include "browser/doc/folder_document.h"
#include "browser/doc/multi_file_cdz.h"
#include "platform/ascii_case.h"
#include "platform/disk_file_system.h"
#include "platform/regular_file.h"

namespace cdztool {
namespace {

constexpr char kTool[] = "cdztool: ";

std::string FileName(const std::string& path) {
  size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// A member's text is at most what its 4-byte size can say.
constexpr size_t kMaxMemberBytes = 0xFFFFFFFEu;

// The data files to pack: those named, or a folder's (as the browser reads the folder).
bool PackedFiles(const std::vector<std::string>& named, std::vector<std::string>* files,
                 bool* from_folder, std::ostream& err) {
  std::error_code ec;
  *from_folder = named.size() == 1 && std::filesystem::is_directory(named[0], ec);
  if (!*from_folder) {
    *files = named;
    return true;
  }
  std::vector<browser::FolderMember> members;
  platform::DiskFileSystem disk;
  const browser::Status s = browser::ListFolderMembers(disk, named[0], &members);
  if (!s.ok() || members.empty()) {
    err << kTool << (s.ok() ? named[0] + ": no data files (*.cdb)" : PrintableText(s.message()))
        << "; nothing written\n";
    return false;
  }
  for (const browser::FolderMember& member : members) files->push_back(member.path);
  return true;
}

// Loads the whole container; reports damage but keeps what could be read.
bool LoadContainer(const std::string& path, browser::CMultiFileCdz& cdz, std::ostream& err) {
  platform::DiskFileSystem disk;
  browser::Status s = cdz.LoadAll(disk, path);
  if (!s.ok()) err << kTool << PrintableText(s.message()) << "\n";
  return s.ok();
}

// The member named MEMBER of the loaded container, or nullptr once err says it is missing.
const browser::CDataFile* FindMember(const browser::CMultiFileCdz& cdz,
                                     const std::string& container, const std::string& member,
                                     std::ostream& err) {
  const browser::CDataFile* file = cdz.FindMember(member);
  if (file == nullptr) err << kTool << container << ": no member named '" << member << "'\n";
  return file;
}

}  // namespace

int Pack(const std::string& out_path, const std::vector<std::string>& files, bool gzip,
         std::ostream& err) {
  std::vector<browser::CdzMember> members;
  std::set<std::string> names;
  std::vector<std::string> packed;
  bool from_folder = false;
  if (!PackedFiles(files, &packed, &from_folder, err)) return 1;
  for (const std::string& file : packed) {
    browser::CdzMember member{FileName(file), {}};
    // Opening never waits: a FIFO is no data file.
    std::string why;
    if (!platform::ReadRegularFile(file, from_folder ? browser::CDataFile::kMaxTextFileBytes
                                                     : kMaxMemberBytes,
                                   &member.text, &why)) {
      err << kTool << file << ": cannot read (" << why << "); nothing written\n";
      return 1;
    }
    // A folder's data files are packed as the browser would show them, or not at all.
    browser::Status s = from_folder ? browser::CheckDataFileText(file, member.text)
                                    : browser::Status::OK();
    if (!s.ok()) {
      err << kTool << PrintableText(s.message()) << "; nothing written\n";
      return 1;
    }
    s = browser::CheckCdzMember(member);
    if (!s.ok()) {
      err << kTool << file << ": " << s.message() << "; nothing written\n";
      return 1;
    }
    if (!names.insert(platform::UpperAscii(member.name)).second) {
      err << kTool << file << ": a member named '" << member.name
          << "' is already packed (names ignore case); nothing written\n";
      return 1;
    }
    // Readers never take a member's last byte as text: it must be a line end.
    if (member.text.empty() || member.text.back() != '\n') member.text += '\n';
    members.push_back(std::move(member));
  }
  platform::DiskFileSystem disk;
  browser::Status s = browser::WriteCdz(disk, out_path, members, gzip);
  if (!s.ok()) {
    err << kTool << PrintableText(s.message()) << "\n";
    return 1;
  }
  return 0;
}

int List(const std::string& container, bool json, std::ostream& out, std::ostream& err) {
  browser::CdzReader reader;
  platform::DiskFileSystem disk;
  browser::Status s = reader.Open(disk, container);
  if (json) out << "[";
  bool first = true;
  while (s.ok()) {
    browser::CdzMemberHeader header;
    bool at_end = false;
    s = reader.NextMember(&header, &at_end);
    if (!s.ok() || at_end) break;
    if (json) {
      out << (first ? "\n" : ",\n") << "  {\"name\": " << JsonString(header.name)
          << ", \"size\": " << header.size << "}";
    } else {
      out << PrintableText(header.name) << "\t" << header.size << "\n";
    }
    first = false;
    s = reader.SkipText();
  }
  if (json) out << (first ? "]\n" : "\n]\n");
  if (!s.ok()) err << kTool << PrintableText(s.message()) << "\n";
  return s.ok() ? 0 : 1;
}

int Cat(const std::string& container, const std::string& member, std::ostream& out,
        std::ostream& err) {
  browser::CMultiFileCdz cdz;
  bool clean = LoadContainer(container, cdz, err);
  const browser::CDataFile* file = FindMember(cdz, container, member, err);
  if (file == nullptr) return 1;
  for (const std::string& line : file->Lines()) out << line << "\n";
  return clean ? 0 : 1;
}

int Get(const std::string& container, const std::string& member, const std::string& section,
        const std::string& key, std::ostream& out, std::ostream& err) {
  browser::CMultiFileCdz cdz;
  bool clean = LoadContainer(container, cdz, err);
  const browser::CDataFile* file = FindMember(cdz, container, member, err);
  if (file == nullptr) return 1;
  std::string value;
  if (!file->ReadString(section, key, value)) {
    err << kTool << container << ": member '" << file->Name() << "' has no key '" << key
        << "' in section [" << section << "]\n";
    return 1;
  }
  out << value << "\n";
  return clean ? 0 : 1;
}

}  // namespace cdztool
