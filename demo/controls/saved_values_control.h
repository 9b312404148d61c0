// The CD's own control: reads back what the document's "SaveToFile" actions kept, so a page
// script can act on a value saved in an earlier run (the CD opens on the last page seen).
// Hosted without a size, it shows nothing.
//
//   Methods:  ReadSaved(QString Name, QString Key) -> QString: the value of Key in the
//             "VTRL Archive" section of the temporary folder's (TMPDIR's) Name.kps (the file a SaveToFile
//             with "useTemDir" true and "path" Name writes); empty when there is none.
#pragma once

#include <QString>
#include <QWidget>

#include "platform/control_plugin.h"

namespace corvane_cd {

class SavedValuesControl : public QWidget {
  Q_OBJECT

 public:
  // `folder` is the temporary folder, ending with "/".
  SavedValuesControl(QString folder, QWidget* parent) : QWidget(parent), folder_(std::move(folder)) {}

 public slots:
  QString ReadSaved(const QString& Name, const QString& Key) const;

 private:
  QString folder_;
};

class SavedValuesFactory : public QObject, public platform::ControlFactory {
  Q_OBJECT
  Q_PLUGIN_METADATA(IID CORVANE_CONTROL_FACTORY_IID FILE "saved_values_control.json")
  Q_INTERFACES(platform::ControlFactory)

 public:
  QWidget* CreateControl(const QString& name, QWidget* parent) override;
};

}  // namespace corvane_cd
