#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "browser/doc/data_file.h"
#include "browser/doc/memory_budget.h"
#include "browser/doc/multi_file_cdz.h"
#include "browser/doc/status.h"

namespace platform {
class FileSystem;
}

namespace browser {

// A document as its author keeps it: a folder, or a single data file as text.
//
// A document folder's members are its data files: the entries whose names end in ".cdb" (any
// case) and do not begin with "." (editors keep their locks and copies there), in the order of
// their names compared byte by byte, which is the order `cdztool pack OUT DIR` packs them in.
// Pictures, sounds and other files lie beside them. A data file is text: lines end in LF (CR LF
// allowed), and it reads exactly as its member would once packed into a container.
//
// A folder is written by someone else, as a container is: only regular files are opened and
// opening never waits (a FIFO named x.cdb is refused, not read), the lines are taken from the
// document's memory budget, a file larger than CDataFile::kMaxTextFileBytes is refused, and only
// the first kMaxCdzMembers data files by name are read, however many the folder holds.
//
// Folders and data files are reached through `files`; nullptr: the disk. (A container found on
// the way is read as CMultiFileCdz and CDataFile::Load read it.)

struct FolderMember {
  std::string name;  // the file name, which becomes the member name
  std::string path;
};

// The data files of the folder `dir`. Corruption when it holds more than kMaxCdzMembers (the
// first kMaxCdzMembers by name are listed); IOError when it cannot be read.
Status ListFolderMembers(const std::string& dir, std::vector<FolderMember>* members,
                         platform::FileSystem* files = nullptr);

// What makes the text of a data file unreadable as one, or OK: a NUL byte (no text file), a
// line that begins with "[" but is no section header (it must end in "]"), no [Main] section.
// The Corruption names `name` and the line: "page.cdb: line 12: ...".
Status CheckDataFileText(std::string_view name, std::string_view text);

// Replaces `file`'s lines with `text`, checked (CheckDataFileText, naming `name`) and split as
// the container reader splits a member's text: LF ends a line (a CR before it is dropped), a
// line longer than kMaxCdzLineSize goes on as the next, empty lines stay. The lines are taken
// from `budget`; *taken says how much. On any failure the lines are empty and nothing is taken.
Status ParseDataFileText(std::string_view name, std::string text, CDataFile* file,
                         MemoryBudget* budget, uint64_t* taken);

// Replaces `file`'s lines with the data file at `path`, read as text and parsed
// (ParseDataFileText), and names it by its file name. The lines are taken from `budget` (none: a
// budget of kDocumentMemoryBudget of its own); *taken says how much, for the caller to give
// back. On any failure the lines are empty.
Status ReadDataFileText(const std::string& path, CDataFile* file, MemoryBudget* budget,
                        uint64_t* taken, platform::FileSystem* files = nullptr);

// True when the file at `path` is a container (its bytes begin with "VTRL", or with gzip's
// magic), false for a data file as text or no readable file.
bool IsContainerFile(const std::string& path, platform::FileSystem* files = nullptr);

// Appends every data file of the document at `path` to `cdz`, taking from the container's
// budget: a folder's data files, a container's members, or a data file as text. OK when every
// one was read whole and passed the check; otherwise the first failure, with those read cleanly
// before and after it appended (a container stops at its first damaged record, as LoadAll does).
Status LoadDocumentFiles(const std::string& path, CMultiFileCdz* cdz,
                         platform::FileSystem* files = nullptr);

// One data file of the document at `path`, chosen as CDataFile::Load chooses a container's
// member: the one named `member_name` (without regard to case), else the one named after the
// document (its file name with the extension ".cdb"), else the first. A data file as text is
// that file. Lines taken from `budget` as ReadDataFileText takes them.
Status LoadDocumentMember(const std::string& path, const std::string& member_name,
                          CDataFile* file, MemoryBudget* budget, uint64_t* taken,
                          platform::FileSystem* files = nullptr);

}  // namespace browser
