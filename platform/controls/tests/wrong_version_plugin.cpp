// A plug-in that claims a control name under an interface identifier of another version:
// the registry must skip it without loading it.
#include <QObject>
#include <QtPlugin>

class WrongVersionFactory : public QObject {
  Q_OBJECT
  Q_PLUGIN_METADATA(IID "org.corvane.panorel.ControlFactory/0" FILE "wrong_version_plugin.json")
};

#include "wrong_version_plugin.moc"
