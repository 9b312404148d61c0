// cdztool lint: what a document's author most often gets wrong, found by walking the data
// file the way the browser loads it (the page, its elements, their scripts and items) and
// comparing what the file says with what each object reads.
#pragma once

#include <functional>
#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

namespace browser {
class CDataFile;
}

namespace cdztool {

struct Finding {
  enum class Level { kError, kWarning };
  Level level = Level::kError;
  std::string member;   // the data file's name in its container
  std::string section;  // empty for the file as a whole
  std::string key;      // empty when the finding is about the section
  std::string message;
};

// What the lint asks of the disk, so that its rules are tested without one.
class LintFiles {
 public:
  enum class Kind { kMissing, kFile, kFolder, kOther /* a device, a pipe or a socket */ };
  virtual ~LintFiles() = default;
  // A file or folder at `path`.
  virtual bool Exists(const std::string& path) const = 0;
  // What is at `path`, found without opening it (a pipe would block a reader). By default a
  // file whenever something exists there.
  virtual Kind KindOf(const std::string& path) const {
    return Exists(path) ? Kind::kFile : Kind::kMissing;
  }
  // A program an action can start: an executable file at `path`, or at `path` without a
  // final ".exe".
  virtual bool IsProgram(const std::string& path) const = 0;
};

// The real disk.
class DiskLintFiles : public LintFiles {
 public:
  bool Exists(const std::string& path) const override;
  Kind KindOf(const std::string& path) const override;
  bool IsProgram(const std::string& path) const override;
};

// The controls the browser could host, as its plug-in folders hold them.
class LintControls {
 public:
  virtual ~LintControls() = default;
  // True when a built-in class or a plug-in answers `name` (a ProgID, or a CLSID in braces).
  virtual bool Provides(const std::string& name) const = 0;
  // Where the plug-ins were looked for, for the message ("A, B").
  virtual std::string Where() const = 0;
};

struct LintPlace {
  std::string document_dir;              // ends with a separator; files resolve against it
  std::vector<std::string> member_names;  // the container's members, for page changes
  const LintFiles* files = nullptr;       // nullptr: files are not checked
  const LintControls* controls = nullptr;  // nullptr: control names are not checked
};

// The findings for one data file, in the order of the file.
std::vector<Finding> LintDataFile(const browser::CDataFile& file, const LintPlace& place);

// The closest of `candidates` to `word` (letter case counts little), or "" when none is
// close enough to be a likely slip.
std::string Closest(const std::string& word, const std::vector<std::string>& candidates);

}  // namespace cdztool

namespace cdztool {

// cdztool lint DOCUMENT [--json]: a container (every member) or a plain data file, with the
// files it names looked for beside it. Findings go to `out`, one line each ("MEMBER [SECTION]
// KEY: error: MESSAGE"), or as a JSON array; exit status 1 when any is an error or the
// document cannot be read. `controls_for` gives the controls that could be hosted for a
// document in that folder (nullptr, or an answer of nullptr: control names are not checked).
int LintCommand(const std::string& document, bool json, std::ostream& out, std::ostream& err,
                const std::function<std::unique_ptr<LintControls>(const std::string& document_dir)>&
                    controls_for = nullptr);

// cdztool lint --watch DOCUMENT: as LintCommand, then again after every save of the document
// (its files as DocumentWatch counts them), until `stop` answers true (it is asked at least every
// 200 ms, and when a signal interrupts the wait). Between the rounds a line on `err` says what
// happens; with `clear_screen` each round clears a terminal's screen first. The exit status is
// the last round's.
int LintWatchCommand(const std::string& document, bool json, std::ostream& out, std::ostream& err,
                     const std::function<std::unique_ptr<LintControls>(const std::string&)>&
                         controls_for,
                     const std::function<bool()>& stop, bool clear_screen = false);

}  // namespace cdztool
