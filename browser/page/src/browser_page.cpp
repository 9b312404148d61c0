#include "browser/page/browser_page.h"

#include <algorithm>

#include "browser/doc/no_case.h"
#include "browser/doc/section_names.h"
#include "browser/page/element_factory.h"
#include "browser/page/page_host.h"
#include "browser/page/page_load_context.h"
#include "browser/page/picture_source.h"
#include "browser/script/key_reader.h"
#include "element_keys.h"
#include "browser/script/numbered_sections.h"

namespace browser {

CBrowser::~CBrowser() = default;

bool CBrowser::Load(const CDataFile& file, LoadContext& context) {
  const KeyReader read(file, section_, context);
  read.Text(keys::kWatermark, watermark_);
  read.Bool(keys::kTiled, tiled_);
  ReadSize(read, &KeyReader::Int, width_, height_);
  read.Bool(keys::kAppbar, appbar_);
  read.Text(keys::kPosition, position_);
  read.Text(keys::kStartSound, start_sound_);
  read.Bool(keys::kMouseMove, mouse_move_);
  int32_t window_type = 0;
  read.Int(keys::kWindowType, window_type);
  if (window_type == 4) {
    capture_ = true;
    watermark_.clear();
  } else if (window_type == 3) {
    int32_t trans_color = static_cast<int32_t>(trans_color_);
    int32_t tolerance = static_cast<int32_t>(tolerance_);
    read.Long(keys::kTransColor, trans_color);
    read.Long(keys::kTolerance, tolerance);
    transparent_ = true;
    const PageKey key = AdjustPageKey(trans_color, tolerance);
    trans_color_ = key.key;
    tolerance_ = key.tolerance;
  }

  int32_t count = 0;
  read.Int(keys::kNumElements, count);
  std::string prefix = ElementSection(section_, 0);
  prefix.pop_back();  // "Element_"
  // Only sections that exist can name a type: a hostile count costs nothing.
  for (int n : ExistingNumberedSections(file, prefix, count)) {
    const std::string section = ElementSection(section_, n);
    std::string type;
    KeyReader(file, section, context).Text(keys::kType, type);
    if (auto element = CreateDisplayElement(type, section, this)) AddElement(std::move(element));
  }
  // The children were renumbered by position: after a skipped entry each later element
  // reads the section of the number before its own.
  for (auto& child : children_) {
    if (!child->Load(file, context)) break;
  }
  CElementContainer::Load(file, context);
  width_ = std::max(width_, 0);
  height_ = std::max(height_, 0);

  pictures_ = PicturesOf(context);
  background_path_ = watermark_.empty() ? std::string() : context.paths.Resolve(watermark_);
  LoadBackground();
  region_pending_ = true;
  return true;
}

void CBrowser::LoadBackground() {
  if (capture_) {
    background_.reset();
    PageHost* h = host();
    if (h == nullptr) return;
    Rect r = h->WindowRect();
    const Size screen = h->ScreenSize();
    r.left = std::max(r.left, 0);
    r.top = std::max(r.top, 0);
    r.right = std::min(r.right, screen.width);
    r.bottom = std::min(r.bottom, screen.height);
    if (IsEmpty(r)) return;
    background_ = h->CaptureScreen(r);
    return;
  }
  if (background_ != nullptr || pictures_ == nullptr || background_path_.empty()) return;
  if (PictureKindOf(watermark_, false) == PictureKind::kGif) {
    // A transparent page keys its own colour: the GIF's transparency would only hide it.
    background_ = pictures_->LoadGif(background_path_, transparent_ ? 4 : 0).image;
  } else {
    background_ = pictures_->LoadBitmap(background_path_);
  }
  if (background_ != nullptr && background_->empty()) background_.reset();
}

void CBrowser::MakeRegion() {
  region_pending_ = false;
  PageHost* h = host();
  if (h == nullptr || !transparent_ || background_ == nullptr) return;
  const auto region = BuildRegion(*background_, {width_, height_},
                                  MakeKeyRange(trans_color_, tolerance_));
  if (region) h->SetShape(&*region);
}

bool CBrowser::Paint(Canvas& canvas, const Rect& update) {
  const Rect page{0, 0, width_, height_};
  if (background_ == nullptr) {
    // A fresh screen copy that failed shows what a new back buffer holds: black.
    canvas.FillRect(page, capture_ ? 0x000000 : 0xFFFFFF);
  } else if (capture_) {
    const Rect all{0, 0, background_->width(), background_->height()};
    canvas.DrawPicture(*background_, all, all);
  } else if (!tiled_) {
    canvas.DrawPicture(*background_, {0, 0, background_->width(), background_->height()}, page);
    if (region_pending_) MakeRegion();
  } else {
    const int32_t w = background_->width(), h = background_->height();
    const Rect source{0, 0, w, h};
    for (int32_t y = 0; y < height_; y += h) {
      for (int32_t x = 0; x < width_; x += w) {
        const Rect tile{x, y, x + w, y + h};
        if (Intersects(tile, update)) canvas.DrawPicture(*background_, source, tile);
      }
    }
  }
  for (auto& child : children_) {
    if (auto* display = dynamic_cast<CDisplayObject*>(child.get())) display->Paint(canvas, update);
  }
  return true;
}

void CBrowser::StopAnimations() {
  // Only image elements play animations.
  for (auto& child : children_) {
    if (!StartsWithNoCase(child->type(), "Image")) continue;
    if (auto* display = dynamic_cast<CDisplayObject*>(child.get())) display->StopAnimations();
  }
}

}  // namespace browser
