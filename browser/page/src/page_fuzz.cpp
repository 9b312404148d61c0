// libFuzzer target: a page loaded from a document, painted, shaped and clicked, as the main
// window does it, with every picture name answering a small picture.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "browser/page/browser_document.h"
#include "browser/page/headless_canvas.h"
#include "browser/page/headless_window.h"
#include "browser/page/multi_resolution.h"
#include "browser/page/page_load_context.h"
#include "browser/page/picture_source.h"
#include "browser/script/id_manager.h"
#include "browser/script/preload.h"
#include "browser/script/script_item.h"

namespace {

// Any name gives a 5 x 4 picture with a magenta corner, so masks and regions get work.
class SmallPictures : public browser::PictureSource {
 public:
  std::unique_ptr<browser::Picture> LoadBitmap(const std::string&) override { return Make(); }
  std::unique_ptr<browser::Picture> LoadJpeg(const std::string&) override { return Make(); }
  browser::GifPicture LoadGif(const std::string&, int mode) override {
    browser::GifPicture gif;
    gif.image = Make();
    if (mode == 0) gif.mask = std::make_unique<browser::Picture>(5, 4, 0xFF000000);
    return gif;
  }

 private:
  static std::unique_ptr<browser::Picture> Make() {
    auto p = std::make_unique<browser::Picture>(5, 4, 0xFF336699);
    p->SetPixel(0, 0, 0xFFFF00FF);
    return p;
  }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  browser::CDataFile file =
      browser::CDataFile::FromText({reinterpret_cast<const char*>(data), size});

  browser::CMultiResolution resolution;
  resolution.ApplyResolution(file, 1024, 768);

  browser::HeadlessWindow window({640, 480});
  SmallPictures pictures;
  browser::CIdManager ids;
  browser::CBrowserDocument document;
  document.set_host(&window);
  browser::ScriptContext context(document.variables(), ids);
  context.host = nullptr;
  browser::PageLoadContext load(ids, {"/cd/", "/opt/"}, nullptr, &pictures);
  browser::RunPreLoadScripts(file, load, context);
  document.Load(file, load);
  context.main_page = document.main_page();
  if (browser::CBrowser* page = document.main_page()) {
    // The window cuts big pages down before it paints them.
    const browser::Size size = page->GetSize();
    page->SetSize({std::min(size.width, 2048), std::min(size.height, 2048)});
    browser::HeadlessCanvas canvas;
    document.Paint(canvas, {0, 0, 2048, 2048});
    for (const auto& child : page->children()) {
      const browser::Rect b = child->GetBounds();
      if (auto* element = document.ElementAt({b.left, b.top})) {
        if (auto* object = dynamic_cast<browser::CScriptableObject*>(element)) {
          object->RunScriptByName("OnMouseDown", context);
        }
      }
    }
    page->RunScriptByName("OnLoad", context);
  }
  document.Unload(context);
  return 0;
}
