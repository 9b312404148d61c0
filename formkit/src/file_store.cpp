#include "formkit/file_store.h"

#include "formkit/form.h"
#include "formkit/text_io.h"
#include "platform/replace_file.h"

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

namespace formkit {
namespace {

std::string Folder(const std::string& path) {
  const std::string folder = std::filesystem::path(path).parent_path().string();
  return folder.empty() ? "." : folder;
}

// Why a file could not be written, in words a user can act on.
std::string Reason(int code, const std::string& path) {
  switch (code) {
    case ENOENT: return "the folder " + Folder(path) + " does not exist";
    case ENOTDIR: return "a part of " + Folder(path) + " is not a folder";
    case EACCES:
    case EPERM: return "you do not have permission to write in the folder " + Folder(path);
    case EROFS: return "the folder " + Folder(path) + " is on a disk that cannot be written to";
    case ENOSPC:
    case EDQUOT: return "there is no room left on the disk";
    case EFBIG: return "the file would be larger than this system allows";
    case EISDIR: return path + " is a folder";
    case ENAMETOOLONG: return "the name is too long";
    default: return std::string("the system reported: ") + std::strerror(code);
  }
}

bool Fail(std::string* error, const std::string& path) {
  if (error) *error = "it could not be written to " + path + ", because " + Reason(errno, path);
  return false;
}

}  // namespace

std::string NotSavedText(const std::string& what, const std::string& error) {
  std::string detail = error;
  if (!detail.empty()) detail[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(detail[0])));
  return "The " + what + " was not saved.\r\n\r\n" + detail + ".";
}

bool WriteFileReplacing(const std::string& path, const std::string& bytes, std::string* error) {
  const int code = platform::ReplaceFile(path, bytes);
  if (code == 0) return true;
  errno = code;
  return Fail(error, path);
}

std::string FullPath(const std::string& path) {
  std::error_code ec;
  const auto full = std::filesystem::absolute(path, ec);
  return ec ? path : full.lexically_normal().string();
}

bool SaveFormFile(Form& form, const std::string& path, const std::string& bytes,
                  const std::string& caption_suffix, std::string* error) {
  if (!WriteFileReplacing(path, bytes, error)) return false;
  form.SetCaption(FullPath(path) + caption_suffix);
  return true;
}

std::optional<std::string> ReadFormFile(const std::string& path, std::string* error) {
  auto text = ReadTextFile(path);
  if (!text && error) *error = path + ": cannot be read";
  return text;
}

}  // namespace formkit
