#pragma once

#include <string>
#include <string_view>

namespace platform {

// Documents were written with Windows paths ("D:\Cd\setup.exe", "pics\logo.gif"). Here both
// "\" and "/" separate components, results are native paths (components joined with "/"),
// and a name with a colon (a drive letter or a scheme such as "http:") is never resolved.

// True for "\" and "/".
inline bool IsSeparator(char c) { return c == '\\' || c == '/'; }

// Folds "." and ".." out of a path: a component that begins with two full stops removes the
// last kept one (never the root or a drive), any other component that begins with a full
// stop is dropped, the rest are kept. A path that starts with a separator keeps the root
// "/"; one with a colon keeps the part before its first separator as its drive. A trailing
// separator is removed, except after the root or the drive.
//   "/cd/pics/../logo.gif" -> "/cd/logo.gif"     "C:\a\..\..\b" -> "C:/b"
std::string NormalizePath(std::string_view path);

// The full path of a file name found in a document or on the command line. A name with a
// colon comes back unchanged, and an absolute native path ("/media/cd/a.gif") only goes
// through NormalizePath. Otherwise the name is joined to `document_dir` (which ends with a
// separator) or, while no document has been found (`document_dir` empty), to
// `program_dir`, and the result goes through NormalizePath. A name that begins with "" is
// still relative to that directory, as it always was for documents.
std::string ResolvePath(std::string_view name, std::string_view document_dir,
                        std::string_view program_dir);

// A path used as written (not resolved): each "\" becomes "/" and nothing else changes, so a
// relative path stays relative to the current folder. An address with a scheme (two or more
// characters before its colon, as "http:" or "mailto:") is left alone.
//   "docs\manual.pdf" -> "docs/manual.pdf"     "C:\Docs\a.htm" -> "C:/Docs/a.htm"
std::string AsWrittenPath(std::string_view path);

// What follows the last separator (the whole path when there is none).
std::string_view FilePart(std::string_view path);
// The directory part including its final separator; empty when there is no separator.
std::string_view DirectoryPart(std::string_view path);
// The path with everything from the last full stop of its file part cut off (unchanged
// without one), then `extension` appended: ReplaceExtension("intro.cdz", ".cdb") is
// "intro.cdb", and a program "/opt/cd.v2/panorel" gives "/opt/cd.v2/panorel.cdz".
std::string ReplaceExtension(std::string_view path, std::string_view extension);

// True when something exists at exactly this path.
bool FileExists(const std::string& path);
// The mount point that holds `dir` (an absolute directory), with a trailing "/": the stand-in
// for the drive a document directory lies on. For a relative or missing directory, its
// first character (as the first three characters of a missing drive path would be).
std::string MountPoint(const std::string& dir);

// The directories the programs were written to expect, each ending with "/".
struct SystemDirectories {
  std::string windows = "/usr/";
  std::string system = "/usr/lib/";
  std::string temp = "/tmp/";
  // Where a control copied "to the system" goes (the user's own plug-in folder, where
  // registration installs controls); empty: `system`.
  std::string controls;
};

// The temporary directory a user chose (the value of TMPDIR, as the programs' own system took
// it from TMP), ending with "/"; "/tmp/" when none was chosen.
std::string TempDirectory(std::string_view chosen);

}  // namespace platform
