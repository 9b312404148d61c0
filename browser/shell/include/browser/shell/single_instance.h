#pragma once

#include <QLockFile>
#include <QObject>
#include <QSocketNotifier>
#include <QString>
#include <memory>
#include <string>
#include <vector>

namespace browser::shell {

// One running copy per user and document title. The first copy holds a lock file
// "Vistrel_<title>.lock" and listens on a local socket "Vistrel_<title>" in the user's
// runtime directory ($XDG_RUNTIME_DIR, else the temporary directory); a second copy finds
// the lock held, writes one line to the socket and steps back. A lock left by a copy that
// crashed is taken over (its process no longer exists).
class SingleInstance : public QObject {
  Q_OBJECT
 public:
  explicit SingleInstance(QObject* parent = nullptr);
  ~SingleInstance() override;

  // False when this copy is the first for `title` (it now holds the title); true when
  // another copy holds it, which has then been told. A title this copy already holds is
  // answered false again.
  bool OtherInstanceRuns(const std::string& title);

  // "Vistrel_" and the title, with every character that cannot stand in a file name (and
  // control characters) as "_", cut to a length every socket path can hold; a cut name ends
  // with a hash of the whole title, so two long titles stay apart.
  static QString NameFor(const std::string& title);
  // The folder of the lock files and sockets.
  static QString Directory();

 signals:
  // A second copy was started for a title this copy holds.
  void otherInstanceStarted();

 private:
  struct Held {
    QString name;
    std::unique_ptr<QLockFile> lock;
    QString socket_path;
    int socket = -1;  // listening; -1 where no socket could be made
    std::unique_ptr<QSocketNotifier> knocks;
  };
  void OnConnection(Held& held);
  std::vector<Held> held_;
};

}  // namespace browser::shell
