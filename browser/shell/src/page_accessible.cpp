// The page's elements for screen readers: one accessible object per element under the main
// window's.
#include "browser/shell/page_accessible.h"

#include <QAccessibleActionInterface>
#include <QWindow>
#include <algorithm>

#include "browser/shell/main_window.h"

namespace browser::shell {
namespace {

QAccessible::Role RoleOf(AccessibleRole role) {
  switch (role) {
    case AccessibleRole::kButton:
      return QAccessible::Button;
    case AccessibleRole::kStaticText:
      return QAccessible::StaticText;
    case AccessibleRole::kImage:
      break;
  }
  return QAccessible::Graphic;
}

// One element, named by its serial: every question reads the page as it is now.
class ElementAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
 public:
  ElementAccessible(PageAccessibility& page, int32_t serial) : page_(page), serial_(serial) {}

  bool isValid() const override { return Item().has_value(); }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return page_.window().windowHandle(); }
  QAccessibleInterface* focusChild() const override { return nullptr; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QAccessibleInterface* parent() const override {
    return QAccessible::queryAccessibleInterface(&page_.window());
  }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QString text(QAccessible::Text t) const override {
    const auto item = Item();
    if (!item || t != QAccessible::Name) return {};
    return QString::fromStdString(item->name);
  }
  void setText(QAccessible::Text, const QString&) override {}
  QRect rect() const override {
    const auto item = Item();
    if (!item) return {};
    const Rect& b = item->bounds;
    const QPoint origin = page_.window().mapToGlobal(QPoint(b.left, b.top));
    return QRect(origin, QSize(b.right - b.left, b.bottom - b.top));
  }
  QAccessible::Role role() const override {
    const auto item = Item();
    return item ? RoleOf(item->role) : QAccessible::NoRole;
  }
  QAccessible::State state() const override {
    QAccessible::State state;
    const auto item = Item();
    if (!item) {
      state.invalid = true;
      return state;
    }
    if (item->role == AccessibleRole::kButton) {
      state.focusable = true;
      const CElement* focused = page_.window().main_wnd().focused();
      state.focused =
          focused != nullptr && focused->serial() == serial_ && page_.window().isActiveWindow();
    }
    return state;
  }
  int32_t serial() const { return serial_; }

  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::ActionInterface && role() == QAccessible::Button) {
      return static_cast<QAccessibleActionInterface*>(this);
    }
    return nullptr;
  }

  // QAccessibleActionInterface
  QStringList actionNames() const override { return {pressAction()}; }
  void doAction(const QString& name) override {
    if (name == pressAction()) page_.window().main_wnd().Press(serial_);
  }
  QStringList keyBindingsForAction(const QString&) const override { return {}; }

 private:
  std::optional<AccessibleItem> Item() const {
    return page_.window().main_wnd().AccessibleItemOf(serial_);
  }

  PageAccessibility& page_;
  int32_t serial_;
};

// The main window: a window named by its title, the page's elements first.
class WindowAccessible : public QAccessibleWidget {
 public:
  explicit WindowAccessible(MainWindow* window)
      : QAccessibleWidget(window, QAccessible::Window), window_(window) {}

  int childCount() const override {
    return static_cast<int>(Page().Items().size()) + QAccessibleWidget::childCount();
  }
  QAccessibleInterface* child(int index) const override {
    if (index < 0) return nullptr;
    const std::vector<AccessibleItem> items = Page().Items();
    if (static_cast<size_t>(index) < items.size()) {
      return Page().ElementObject(items[static_cast<size_t>(index)].serial);
    }
    return QAccessibleWidget::child(index - static_cast<int>(items.size()));
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    const std::vector<AccessibleItem> items = Page().Items();
    if (const auto* element = dynamic_cast<const ElementAccessible*>(child)) {
      for (size_t i = 0; i < items.size(); ++i) {
        if (items[i].serial == element->serial()) return static_cast<int>(i);
      }
      return -1;
    }
    const int widget = QAccessibleWidget::indexOfChild(child);
    return widget < 0 ? -1 : widget + static_cast<int>(items.size());
  }
  QAccessibleInterface* childAt(int x, int y) const override {
    if (QAccessibleInterface* widget = QAccessibleWidget::childAt(x, y)) return widget;
    const QPoint at = window_->mapFromGlobal(QPoint(x, y));
    const std::vector<AccessibleItem> items = Page().Items();
    // The last element painted is the one on top.
    for (auto it = items.rbegin(); it != items.rend(); ++it) {
      const Rect& b = it->bounds;
      if (at.x() >= b.left && at.x() < b.right && at.y() >= b.top && at.y() < b.bottom) {
        return Page().ElementObject(it->serial);
      }
    }
    return nullptr;
  }
  QAccessibleInterface* focusChild() const override {
    const CElement* focused = window_->main_wnd().focused();
    if (focused != nullptr) return Page().ElementObject(focused->serial());
    return QAccessibleWidget::focusChild();
  }

 private:
  PageAccessibility& Page() const { return window_->accessibility(); }
  MainWindow* window_;
};

QAccessibleInterface* MakeWindowAccessible(const QString&, QObject* object) {
  if (auto* window = qobject_cast<MainWindow*>(object)) return new WindowAccessible(window);
  return nullptr;
}

}  // namespace

PageAccessibility::~PageAccessibility() {
  for (const auto& [serial, id] : objects_) QAccessible::deleteAccessibleInterface(id);
}

void PageAccessibility::Install() {
  static const bool installed = [] {
    QAccessible::installFactory(&MakeWindowAccessible);
    return true;
  }();
  (void)installed;
}

std::vector<AccessibleItem> PageAccessibility::Items() const {
  return window_.main_wnd().AccessibleItems();
}

QAccessibleInterface* PageAccessibility::ElementObject(int32_t serial) {
  if (const auto known = objects_.find(serial); known != objects_.end()) {
    return QAccessible::accessibleInterface(known->second);
  }
  auto* object = new ElementAccessible(*this, serial);
  objects_[serial] = QAccessible::registerAccessibleInterface(object);
  return object;
}

void PageAccessibility::FocusMoved() {
  const std::vector<AccessibleItem> items = Items();
  bool gone = false;
  for (auto it = objects_.begin(); it != objects_.end();) {
    const int32_t serial = it->first;
    if (std::any_of(items.begin(), items.end(),
                    [serial](const AccessibleItem& item) { return item.serial == serial; })) {
      ++it;
      continue;
    }
    QAccessible::deleteAccessibleInterface(it->second);
    it = objects_.erase(it);
    gone = true;
  }
  if (!QAccessible::isActive()) return;
  if (gone) {
    QAccessibleEvent reorder(&window_, QAccessible::ObjectReorder);
    QAccessible::updateAccessibility(&reorder);
  }
  const CElement* focused = window_.main_wnd().focused();
  if (focused == nullptr || !window_.isActiveWindow()) return;
  if (QAccessibleInterface* object = ElementObject(focused->serial())) {
    QAccessibleEvent focus(object, QAccessible::Focus);
    QAccessible::updateAccessibility(&focus);
  }
}

}  // namespace browser::shell
