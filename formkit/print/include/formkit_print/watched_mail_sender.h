// The desktop's mail composer, watched: the message goes to `xdg-email` (the user adds the
// recipients there), and a composer that fails within a few seconds (no mail program on the
// desktop, a message it refused) is reported, where starting it detached would have told
// nobody.
#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <string>

#include "formkit/mail.h"

namespace formkit {

class WatchedMailSender : public QObject, public MailSender {
 public:
  // `program` is called as the desktop's composer is: --utf8 --subject S --body B.
  explicit WatchedMailSender(QString program = QStringLiteral("xdg-email"), int watch_ms = 5000,
                             QObject* parent = nullptr);

  // Called (from the event loop) when a composer ends with a failure within the watch
  // time; `error` is what it wrote on its error output, or its exit status.
  std::function<void(const std::string& error)> failed;

  // True when the composer started; it runs on after the watch time, and after the sender.
  bool Send(const MailMessage& message, std::string* error) override;

 private:
  QString program_;
  int watch_ms_;
};

}  // namespace formkit
