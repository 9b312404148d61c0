#include "cdztool.h"

#include <cstdio>
#include <fstream>
#include <iostream>
#include <set>
#include <sstream>

#include "browser/doc/cdz_reader.h"
#include "browser/doc/cdz_writer.h"
#include "browser/doc/multi_file_cdz.h"
#include "platform/ascii_case.h"
#include "platform/disk_file_system.h"

namespace cdztool {
namespace {

constexpr char kTool[] = "cdztool: ";

std::string FileName(const std::string& path) {
  size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool ReadWholeFile(const std::string& path, std::string& text) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::ostringstream buffer;
  buffer << in.rdbuf();
  text = buffer.str();
  return !in.bad();
}

// Loads the whole container; reports damage but keeps what could be read.
bool LoadContainer(const std::string& path, browser::CMultiFileCdz& cdz, std::ostream& err) {
  platform::DiskFileSystem disk;
  browser::Status s = cdz.LoadAll(disk, path);
  if (!s.ok()) err << kTool << PrintableText(s.message()) << "\n";
  return s.ok();
}

}  // namespace

int Pack(const std::string& out_path, const std::vector<std::string>& files, bool gzip,
         std::ostream& err) {
  std::vector<browser::CdzMember> members;
  std::set<std::string> names;
  for (const std::string& file : files) {
    browser::CdzMember member{FileName(file), {}};
    if (!ReadWholeFile(file, member.text)) {
      err << kTool << file << ": cannot read\n";
      return 1;
    }
    browser::Status s = browser::CheckCdzMember(member);
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
  const browser::CDataFile* file = cdz.FindMember(member);
  if (file == nullptr) {
    err << kTool << container << ": no member named '" << member << "'\n";
    return 1;
  }
  for (const std::string& line : file->Lines()) out << line << "\n";
  return clean ? 0 : 1;
}

int Get(const std::string& container, const std::string& member, const std::string& section,
        const std::string& key, std::ostream& out, std::ostream& err) {
  browser::CMultiFileCdz cdz;
  bool clean = LoadContainer(container, cdz, err);
  const browser::CDataFile* file = cdz.FindMember(member);
  if (file == nullptr) {
    err << kTool << container << ": no member named '" << member << "'\n";
    return 1;
  }
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
