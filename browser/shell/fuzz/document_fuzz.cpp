// libFuzzer target: a whole document loaded as the program loads one. The input is a
// container; its first member is the data file and every other member is written beside it
// as a file of the member's name (its lines joined by line ends), so that the pictures,
// watermark and icon the data file names are read from the container's own bytes through the
// browser's real picture readers (BMP and JPEG through Qt, GIF through libframix32).
#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "browser/doc/multi_file_cdz.h"
#include "browser/page/headless_canvas.h"
#include "browser/page/headless_window.h"
#include "browser/page/main_wnd.h"
#include "browser/script/id_manager.h"
#include "browser/shell/picture_files.h"
#include "platform/disk_file_system.h"

namespace {

class FilePictures : public browser::PictureSource {
 public:
  std::unique_ptr<browser::Picture> LoadBitmap(const std::string& path) override {
    return browser::shell::ReadPictureFile(path, "bmp");
  }
  std::unique_ptr<browser::Picture> LoadJpeg(const std::string& path) override {
    return browser::shell::ReadPictureFile(path, "jpeg");
  }
  browser::GifPicture LoadGif(const std::string& path, int mode) override {
    return browser::shell::ReadGifFile(path, mode);
  }
  std::string Stamp(const std::string& path) override { return path; }
};

std::string MakeDirectory() {
  const char* base = std::getenv("TMPDIR");
  std::string pattern = std::string(base != nullptr ? base : "/tmp") + "/document_fuzz.XXXXXX";
  if (mkdtemp(pattern.data()) == nullptr) std::abort();
  return pattern;
}

// A member name as a plain file name in the directory, or "" when it is none.
std::string FileName(const std::string& member) {
  if (member.empty() || member.size() > 64 || member == "." || member == "..") return {};
  for (char c : member) {
    if (c == '/' || c == '\\' || c == '\0') return {};
  }
  return member;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const std::string dir = MakeDirectory();
  static const bool limited = (browser::shell::LimitImageAllocations(), true);
  (void)limited;
  const std::string path = dir + "/document.cdz";
  if (std::FILE* out = std::fopen(path.c_str(), "wb")) {
    std::fwrite(data, 1, size, out);
    std::fclose(out);
  }
  std::vector<std::string> written;
  platform::DiskFileSystem disk;
  {
    browser::CMultiFileCdz members;
    members.LoadAll(disk, path);
    for (size_t i = 1; i < members.Count() && i < 8; ++i) {
      const std::string name = FileName(members.At(i)->Name());
      if (name.empty() || name == "document.cdz") continue;
      std::string text;
      for (const std::string& line : members.At(i)->Lines()) text.append(line).append("\n");
      if (std::FILE* out = std::fopen((dir + "/" + name).c_str(), "wb")) {
        std::fwrite(text.data(), 1, text.size(), out);
        std::fclose(out);
        written.push_back(dir + "/" + name);
      }
    }
  }
  {
    browser::HeadlessWindow window({640, 480});
    FilePictures pictures;
    browser::CIdManager ids;
    browser::CMainWnd::Services services(window, disk);
    services.pictures = &pictures;
    services.program_path = dir + "/panorel";
    browser::CMainWnd wnd(ids, std::move(services));
    if (wnd.StartupLoad(path)) {
      browser::HeadlessCanvas canvas;
      const browser::Size page = wnd.PageSize();
      wnd.Paint(canvas, {0, 0, std::min(page.width, 2048), std::min(page.height, 2048)});
      wnd.MousePress({10, 10});
      wnd.MouseRelease({10, 10});
    }
    wnd.Destroy();
  }
  for (const std::string& file : written) std::remove(file.c_str());
  return 0;
}
