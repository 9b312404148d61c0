#pragma once

#include <memory>
#include <string>

#include "browser/page/element_container.h"
#include "browser/page/picture.h"
#include "browser/page/region.h"

namespace browser {

class PictureSource;

// A page ("Main"): a background picture, the window-type settings that concern the page,
// and the display elements.
class CBrowser : public CElementContainer {
 public:
  using CElementContainer::CElementContainer;
  ~CBrowser() override;

  // Reads the page keys and creates the elements of "numElements" by their "type" ("Text",
  // "ImageList", "Image", "ActiveX": the first that starts the type without regard to case;
  // other types create nothing), loads them in order until one fails, then the container
  // keys and the background. Always true.
  bool Load(const CDataFile& file, LoadContext& context) override;
  bool CanContain(const CElement*) const override { return true; }
  // White (or the captured screen), the background stretched or tiled, then the children.
  // The first paint after a load of a transparent page makes the window's region.
  bool Paint(Canvas& canvas, const Rect& update) override;
  void StopAnimations() override;

  // Window type 4: a new copy of the screen under the window. Otherwise the watermark, once.
  void LoadBackground();

  const std::string& watermark() const { return watermark_; }
  bool tiled() const { return tiled_; }
  bool appbar() const { return appbar_; }
  const std::string& position() const { return position_; }
  const std::string& start_sound() const { return start_sound_; }
  bool captures_screen() const { return capture_; }
  bool transparent() const { return transparent_; }
  bool region_pending() const { return region_pending_; }
  bool mouse_move() const { return mouse_move_; }
  uint32_t trans_color() const { return trans_color_; }
  uint32_t tolerance() const { return tolerance_; }
  const Picture* background() const { return background_.get(); }

 private:
  void MakeRegion();

  std::string watermark_;
  bool tiled_ = false;
  bool appbar_ = false;
  std::string position_;
  std::string start_sound_;
  bool capture_ = false;
  bool transparent_ = false;
  bool region_pending_ = false;
  bool mouse_move_ = false;
  uint32_t trans_color_ = 0xFF00FF;
  uint32_t tolerance_ = 0;
  std::unique_ptr<Picture> background_;
  std::string background_path_;
  PictureSource* pictures_ = nullptr;
};

}  // namespace browser
