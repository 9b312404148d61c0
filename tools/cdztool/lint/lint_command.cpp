// cdztool lint: reading the document and printing the findings.
#include <cstdio>
#include <filesystem>
#include <ostream>

#include "browser/doc/data_file.h"
#include "browser/doc/folder_document.h"
#include "browser/doc/multi_file_cdz.h"
#include "json_string.h"
#include "lint.h"
#include "platform/disk_file_system.h"

namespace cdztool {
namespace {

const char* LevelName(Finding::Level level) {
  return level == Finding::Level::kError ? "error" : "warning";
}

}  // namespace

int LintCommand(const std::string& document, bool json, std::ostream& out, std::ostream& err,
                const std::function<std::unique_ptr<LintControls>(const std::string& document_dir)>&
                    controls_for) {
  std::vector<const browser::CDataFile*> files;
  browser::CMultiFileCdz cdz;
  browser::CDataFile plain;
  platform::DiskFileSystem machine_files;
  const bool folder = machine_files.Stat(document) == platform::FileKind::kDirectory;
  // A folder's data files read as the browser reads them; one that cannot is named.
  const browser::Status s = folder ? browser::LoadDocumentFiles(machine_files, document, &cdz)
                                   : cdz.LoadAll(machine_files, document);
  if (cdz.Count() > 0 || folder) {
    if (!s.ok()) err << "cdztool: " << PrintableText(s.message()) << "\n";
    for (size_t i = 0; i < cdz.Count(); ++i) files.push_back(cdz.At(i));
  } else if (plain.LoadText(machine_files, document)) {
    // Not a container: a data file as its author writes it.
    plain.SetName(std::filesystem::path(document).filename().string());
    files.push_back(&plain);
  } else {
    err << "cdztool: " << document << ": " << (s.ok() ? "empty document" : s.message()) << "\n";
    return 1;
  }

  std::error_code ec;
  const std::filesystem::path absolute = std::filesystem::absolute(document, ec);
  std::string dir = (folder ? absolute : absolute.parent_path()).string();
  if (dir.empty() || dir.back() != '/') dir += '/';
  const DiskLintFiles disk;
  const std::unique_ptr<LintControls> controls = controls_for ? controls_for(dir) : nullptr;
  LintPlace place{dir, {}, &disk, controls.get()};
  for (const browser::CDataFile* file : files) place.member_names.push_back(file->Name());

  bool failed = !s.ok() && (cdz.Count() > 0 || folder);
  bool first = true;
  if (json) out << "[";
  for (const browser::CDataFile* file : files) {
    for (const Finding& f : LintDataFile(*file, place)) {
      failed = failed || f.level == Finding::Level::kError;
      if (json) {
        out << (first ? "\n" : ",\n") << "  {\"level\": " << JsonString(LevelName(f.level))
            << ", \"member\": " << JsonString(f.member) << ", \"section\": " << JsonString(f.section)
            << ", \"key\": " << JsonString(f.key) << ", \"message\": " << JsonString(f.message) << "}";
      } else {
        out << PrintableText(f.member);
        if (!f.section.empty()) out << " [" << PrintableText(f.section) << "]";
        if (!f.key.empty()) out << " " << PrintableText(f.key);
        out << ": " << LevelName(f.level) << ": " << PrintableText(f.message) << "\n";
      }
      first = false;
    }
  }
  if (json) out << (first ? "]\n" : "\n]\n");
  return failed ? 1 : 0;
}

}  // namespace cdztool
