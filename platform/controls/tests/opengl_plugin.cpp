// A control library whose metadata says its controls draw through OpenGL; its control is a
// plain widget.
#include <QWidget>

#include "platform/control_plugin.h"

class OpenGlFactory : public QObject, public platform::ControlFactory {
  Q_OBJECT
  Q_PLUGIN_METADATA(IID CORVANE_CONTROL_FACTORY_IID FILE "opengl_plugin.json")
  Q_INTERFACES(platform::ControlFactory)

 public:
  QWidget* CreateControl(const QString&, QWidget* parent) override { return new QWidget(parent); }
};

#include "opengl_plugin.moc"
