// Hands the address a hosted control asks a new window for (the web control's
// NewWindowRequested) to a function of the host: panorel gives it to the desktop's web
// browser as LaunchHtml does.
#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <string>

namespace browser::shell {

class AddressRelay : public QObject {
  Q_OBJECT
 public:
  AddressRelay(QObject* parent, std::function<void(const std::string&)> open)
      : QObject(parent), open_(std::move(open)) {}

  void set_open(std::function<void(const std::string&)> open) { open_ = std::move(open); }
  // Connects `control`'s NewWindowRequested(QString) signal, when it has one.
  void Follow(QObject* control);

 public slots:
  void Open(const QString& address) {
    if (open_) open_(address.toStdString());
  }

 private:
  std::function<void(const std::string&)> open_;
};

}  // namespace browser::shell
