#include "formkit_print/watched_mail_sender.h"

#include <QElapsedTimer>
#include <QProcess>
#include <memory>

namespace formkit {

WatchedMailSender::WatchedMailSender(QString program, int watch_ms, QObject* parent)
    : QObject(parent), program_(std::move(program)), watch_ms_(watch_ms) {}

bool WatchedMailSender::Send(const MailMessage& message, std::string* error) {
  // Not parented: the composer outlives the sender and the window; it deletes itself when
  // it ends.
  auto* process = new QProcess;
  process->setProgram(program_);
  process->setArguments({QStringLiteral("--utf8"), QStringLiteral("--subject"),
                         QString::fromStdString(message.subject), QStringLiteral("--body"),
                         QString::fromStdString(LfLineEnds(message.body))});
  process->setProcessChannelMode(QProcess::SeparateChannels);
  process->setStandardOutputFile(QProcess::nullDevice());
  process->start();
  if (!process->waitForStarted()) {
    if (error) *error = "cannot start " + program_.toStdString() + ": " +
                        process->errorString().toStdString();
    delete process;
    return false;
  }
  auto clock = std::make_shared<QElapsedTimer>();
  clock->start();
  const int watch_ms = watch_ms_;
  connect(process, &QProcess::finished, this,
          [this, process, clock, watch_ms](int code, QProcess::ExitStatus status) {
            const bool failure = status != QProcess::NormalExit || code != 0;
            if (failure && clock->elapsed() <= watch_ms && failed) {
              std::string why = process->readAllStandardError().trimmed().toStdString();
              if (why.empty()) why = program_.toStdString() + " ended with status " +
                                     std::to_string(code);
              failed(why);
            }
          });
  connect(process, &QProcess::finished, process, &QObject::deleteLater);
  return true;
}

}  // namespace formkit
