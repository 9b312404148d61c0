#pragma once

#include <memory>
#include <vector>

#include "browser/page/display_object.h"

namespace browser {

// An object that owns children in paint order (the last one is on top) and has a size.
class CElementContainer : public CDisplayObject {
 public:
  using CDisplayObject::CDisplayObject;
  ~CElementContainer() override;

  // Reads "width" and "height", then the keys of a scriptable object.
  bool Load(const CDataFile& file, LoadContext& context) override;
  // Takes the child when CanContain accepts it: it becomes this container's, is appended and
  // gets the section name of its position ("Element_n" in Main, else "<section>_Element_n").
  CElement* AddElement(std::unique_ptr<CElement> element) override;
  bool RemoveElement(CElement* element) override;
  int GetElementCount() const override { return static_cast<int>(children_.size()); }
  // Gives every child the section name of its position, and renumbers their children.
  void Renumber() override;
  CElement* FindBySerial(int32_t serial) override;
  void StopAnimations() override;

  virtual Size GetSize() const { return {width_, height_}; }
  virtual void SetSize(Size size) { width_ = size.width, height_ = size.height; }
  // The last child whose HitTest accepts the point, or nullptr.
  virtual CElement* ElementAt(Point point) const;

  const std::vector<std::unique_ptr<CElement>>& children() const { return children_; }
  // Destroys every child.
  void DestroyChildren() { children_.clear(); }

 protected:
  void NumberChild(CElement& child, size_t index) const;

  std::vector<std::unique_ptr<CElement>> children_;
  int32_t width_ = 0;
  int32_t height_ = 0;
};

}  // namespace browser
