#include "browser/shell/single_instance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalSocket>
#include <QFile>

#include <unistd.h>

namespace browser::shell {
namespace {

// A socket path holds 107 bytes: the directory, "/", the name and ".lock" must fit.
constexpr int kMaxNameBytes = 64;

bool Unsafe(char32_t c) {
  return c < 0x20 || c == 0x7F || c == '/' || c == '\\' || c == ':' || c == '*' || c == '?' ||
         c == '"' || c == '<' || c == '>' || c == '|';
}

}  // namespace

SingleInstance::SingleInstance(QObject* parent) : QObject(parent) {}
SingleInstance::~SingleInstance() = default;

QString SingleInstance::Directory() {
  const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
  if (!runtime.isEmpty() && QDir(runtime).exists()) return runtime;
  // The temporary folder is shared by all users: each gets a private folder of its own.
  const QString dir = QDir::tempPath() + QStringLiteral("/vistrel-") + QString::number(getuid());
  if (QDir().mkpath(dir)) {
    QFile::setPermissions(dir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  }
  return dir;
}

QString SingleInstance::NameFor(const std::string& title) {
  QString name = QStringLiteral("Vistrel_");
  for (char32_t c : QString::fromStdString(title).toUcs4()) {
    name += Unsafe(c) ? QStringLiteral("_") : QString::fromUcs4(&c, 1);
  }
  if (name.toUtf8().size() <= kMaxNameBytes) return name;
  const QByteArray hash =
      QCryptographicHash::hash(QByteArray::fromStdString(title), QCryptographicHash::Sha1)
          .toHex()
          .left(12);
  // Cut whole characters until the name and "_<hash>" fit.
  while (name.toUtf8().size() > kMaxNameBytes - hash.size() - 1) name.chop(1);
  if (!name.isEmpty() && name.back().isHighSurrogate()) name.chop(1);
  return name + QLatin1Char('_') + QString::fromLatin1(hash);
}

bool SingleInstance::OtherInstanceRuns(const std::string& title) {
  const QString name = NameFor(title);
  for (const Held& held : held_) {
    if (held.name == name) return false;
  }
  const QString path = Directory() + QLatin1Char('/') + name;
  auto lock = std::make_unique<QLockFile>(path + QStringLiteral(".lock"));
  // The first copy runs for hours: only a dead owner makes its lock stale, never its age.
  lock->setStaleLockTime(0);
  if (!lock->tryLock(0)) {
    if (lock->error() != QLockFile::LockFailedError) {
      // No lock can be made here at all (a read-only folder): nothing tells copies apart, so
      // this copy runs on its own rather than not at all.
      return false;
    }
    QLocalSocket socket;
    socket.connectToServer(path);
    if (socket.waitForConnected(1000)) {
      socket.write("other-instance\n");
      socket.waitForBytesWritten(1000);
      socket.disconnectFromServer();
    }
    return true;
  }
  auto server = std::make_unique<QLocalServer>();
  // A socket file left by a copy that crashed would make listen fail; the lock says it is
  // ours now.
  QLocalServer::removeServer(path);
  server->setSocketOptions(QLocalServer::UserAccessOption);
  server->listen(path);
  QLocalServer* raw = server.get();
  connect(raw, &QLocalServer::newConnection, this, [this, raw] { OnConnection(raw); });
  held_.push_back({name, std::move(lock), std::move(server)});
  return false;
}

void SingleInstance::OnConnection(QLocalServer* server) {
  while (QLocalSocket* socket = server->nextPendingConnection()) {
    // The message is only a knock: whatever the other copy wrote, it asks us forward.
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    socket->disconnectFromServer();
    emit otherInstanceStarted();
  }
}

}  // namespace browser::shell
