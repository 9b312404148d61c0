#include "browser/shell/control_host.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QOpenGLContext>
#include <QVBoxLayout>

#include "browser/shell/control_fallback.h"
#include "platform/plugin_control_libraries.h"
#include "platform/test_control.h"

// Qt's context that all others share with (exported by Qt GUI, declared in its private
// headers).
QOpenGLContext* qt_gl_global_share_context();
void qt_gl_set_global_share_context(QOpenGLContext* context);

namespace browser::shell {
namespace {

// A plug-in may draw through OpenGL and then needs Qt's shared context, made before the
// library is loaded. Making it loads the OpenGL driver (with a
// software renderer some 60 MB resident and 40 ms), so it is made only for a plug-in whose
// metadata says it draws through OpenGL, never for other documents and controls.
void EnsureShareContext() {
  if (qt_gl_global_share_context() != nullptr || qApp == nullptr) return;
  auto* context = new QOpenGLContext(qApp);
  context->create();
  qt_gl_set_global_share_context(context);
}

QRect ToQRect(const Rect& r) { return QRect(r.left, r.top, r.right - r.left, r.bottom - r.top); }

}  // namespace

void AddressRelay::Follow(QObject* control) {
  if (control == nullptr ||
      control->metaObject()->indexOfSignal("NewWindowRequested(QString)") < 0) {
    return;
  }
  QObject::connect(control, SIGNAL(NewWindowRequested(QString)), this, SLOT(Open(QString)));
}

ControlHost::ControlHost(QWidget* window, QStringList plugin_folders,
                         std::function<void(const QString&)> complain, NotCreated not_created)
    : window_(window),
      registry_(std::move(plugin_folders), std::move(complain)),
      not_created_(std::move(not_created)),
      relay_(nullptr, {}) {
  platform::AddTestControl(registry_);
}

ControlHost::~ControlHost() {
  web_windows_.clear();
  controls_.clear();
}

QStringList ControlHost::PluginFolders(const std::string& program_path,
                                       const std::string& xdg_data_home,
                                       const std::string& home) {
  const QString dir = QFileInfo(QString::fromStdString(program_path)).absolutePath();
  return {dir + QStringLiteral("/controls"),
          QString::fromStdString(
              platform::PluginControlLibraries::UserPluginFolder(xdg_data_home, home))};
}

uint64_t ControlHost::Create(const std::string& name, const Rect& bounds, bool drop_target) {
  Hosted hosted;
  if (registry_.DrawsThroughOpenGL(name)) EnsureShareContext();
  hosted.control = registry_.Create(name, window_);
  QWidget* widget = hosted.control ? hosted.control->widget() : nullptr;
  if (widget == nullptr) {
    hosted.control.reset();
    hosted.fallback = std::make_unique<ControlFallback>(QString::fromStdString(name), window_);
    widget = hosted.fallback.get();
    if (not_created_) {
      not_created_(name, registry_.Knows(name) ? "its plug-in could not start it"
                                               : "no control plug-in provides it");
    }
  }
  if (hosted.control) relay_.Follow(widget);
  widget->setObjectName(QString::fromStdString(name));
  widget->setGeometry(ToQRect(bounds));
  widget->setAcceptDrops(drop_target);
  widget->show();
  const uint64_t id = ++next_;
  controls_.emplace(id, std::move(hosted));
  return id;
}

void ControlHost::Move(uint64_t control, const Rect& bounds) {
  const auto it = controls_.find(control);
  if (it == controls_.end()) return;
  QWidget* widget =
      it->second.control ? it->second.control->widget() : it->second.fallback.get();
  if (widget == nullptr) return;
  widget->setGeometry(ToQRect(bounds));
  widget->update();
}

void ControlHost::Destroy(uint64_t control) { controls_.erase(control); }

platform::Control* ControlHost::Object(uint64_t control) {
  const auto it = controls_.find(control);
  return it == controls_.end() ? nullptr : it->second.control.get();
}

bool ControlHost::OpenWebWindow(const std::string& address) {
  if (!registry_.Knows(kWebControl)) return false;
  if (registry_.DrawsThroughOpenGL(kWebControl)) EnsureShareContext();
  WebWindow web;
  web.window = std::make_unique<QWidget>(nullptr, Qt::Window);
  web.window->setObjectName(QStringLiteral("panorel-web-window"));
  web.control = registry_.Create(kWebControl, web.window.get());
  if (!web.control) return false;
  relay_.Follow(web.control->widget());
  auto* layout = new QVBoxLayout(web.window.get());
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(web.control->widget());
  // The window is named after the page it shows.
  QObject::connect(web.control->widget(), SIGNAL(TitleChange(QString)), web.window.get(),
                   SLOT(setWindowTitle(QString)));
  web.window->resize(610, 300);
  web.window->move(30, 100);
  platform::Variant unused;
  web.control->Call("Navigate", {platform::Variant::Utf8(address)}, &unused);
  web.window->show();
  // Windows the user closed are let go when the next one opens.
  std::erase_if(web_windows_, [](const WebWindow& w) { return !w.window->isVisible(); });
  web_windows_.push_back(std::move(web));
  return true;
}

void HostedSystemServices::Tell(std::string line) {
  machine_.Perform(request::Report{std::move(line)});
}

bool HostedSystemServices::Perform(const SystemRequest& request) {
  if (const auto* web = std::get_if<request::OpenWebWindow>(&request)) {
    Tell("web window: " + web->address);
    return controls_.OpenWebWindow(web->address);
  }
  if (const auto* drag = std::get_if<request::DragFile>(&request)) {
    Tell(drag->Line());
    const bool dropped = drag_ && drag_(*drag);
    Tell(drag->EndLine(dropped));
    return dropped;
  }
  return machine_.Perform(request);
}

}  // namespace browser::shell
