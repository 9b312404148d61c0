#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "browser/doc/data_file.h"

namespace browser {

class CIdManager;
struct LoadContext;

struct Point {
  int32_t x = 0;
  int32_t y = 0;
};
struct Rect {
  int32_t left = 0, top = 0, right = 0, bottom = 0;
};

// The root of every object a document describes: pages, display elements, scripts and the
// steps of scripts. Each object reads its keys from its own section of the data file; the
// section name is given when the object is created. Every object gets a serial number from
// a process-wide counter, unique for the run.
class CElement {
 public:
  CElement(std::string section, CElement* parent);
  CElement(const CElement&) = delete;
  CElement& operator=(const CElement&) = delete;
  virtual ~CElement();

  virtual bool IsValid() const { return true; }
  // Called on the element that was under the mouse when another one takes its place.
  virtual void HoverEnded() {}
  // A new copy owned by the caller, or nullptr for classes that are never copied.
  virtual std::unique_ptr<CElement> Clone() const { return nullptr; }
  virtual bool HitTest(Point) const { return false; }
  // left = X, top = Y, right = bottom = 0.
  virtual Rect GetBounds() const { return {x_, y_, 0, 0}; }
  // Reads "id" (registered with `ids` when not empty), "type", "name", "xpos", "ypos" and
  // "cursor" ("arrow" when absent) from Section. An absent "id" empties Id; any other
  // absent key leaves its field. Answers true.
  virtual bool Load(const CDataFile& file, LoadContext& context);
  // Takes ownership of `element`: answers it when this object keeps it as a child, nullptr
  // when this object holds no children (the element is destroyed then).
  virtual CElement* AddElement(std::unique_ptr<CElement> element);
  // Destroys the child; false when it is not a child of this object.
  virtual bool RemoveElement(CElement*) { return false; }
  virtual int GetElementCount() const { return 0; }
  virtual void Renumber() {}
  virtual bool CanContain(const CElement*) const { return false; }
  // Itself when `serial` is its Serial, else nullptr (containers search their children).
  virtual CElement* FindBySerial(int32_t serial);
  virtual bool IsPressed() const { return pressed_; }

  int32_t x() const { return x_; }
  int32_t y() const { return y_; }
  void set_position(int32_t x, int32_t y) { x_ = x, y_ = y; }
  const std::string& id() const { return id_; }
  const std::string& section() const { return section_; }
  const std::string& type() const { return type_; }
  // For a script its event name, for a script item its action type name.
  const std::string& name() const { return name_; }
  const std::string& cursor() const { return cursor_; }
  CElement* parent() const { return parent_; }
  void set_parent(CElement* parent) { parent_ = parent; }
  void set_section(std::string section) { section_ = std::move(section); }
  void set_pressed(bool pressed) { pressed_ = pressed; }
  int32_t mouse_moveable() const { return mouse_moveable_; }
  int32_t serial() const { return serial_; }

 protected:
  int32_t x_ = 0;
  int32_t y_ = 0;
  std::string id_;
  std::string section_;
  std::string type_;
  std::string name_;
  std::string cursor_;
  CElement* parent_ = nullptr;  // not owned
  bool pressed_ = false;
  int32_t mouse_moveable_ = 0;
  int32_t serial_ = 0;
};

}  // namespace browser
