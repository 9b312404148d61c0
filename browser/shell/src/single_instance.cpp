#include "browser/shell/single_instance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>

namespace browser::shell {
namespace {

// A socket path holds 107 bytes: the directory, "/", the name and ".lock" must fit.
constexpr int kMaxNameBytes = 64;

bool Unsafe(char32_t c) {
  return c < 0x20 || c == 0x7F || c == '/' || c == '\\' || c == ':' || c == '*' || c == '?' ||
         c == '"' || c == '<' || c == '>' || c == '|';
}

// The socket's address; false when the path is too long for one.
bool Address(const QString& path, sockaddr_un* address) {
  const QByteArray bytes = QFile::encodeName(path);
  *address = {};
  address->sun_family = AF_UNIX;
  if (bytes.size() >= static_cast<qsizetype>(sizeof address->sun_path)) return false;
  std::memcpy(address->sun_path, bytes.constData(), static_cast<size_t>(bytes.size()));
  return true;
}

// A local stream socket listening at `path` for this user alone, or -1. A plain socket
// rather than Qt's network module: the module and the libraries it brings (Kerberos, proxy
// lookup) would be loaded at every start for one knock.
int Listen(const QString& path) {
  sockaddr_un address;
  if (!Address(path, &address)) return -1;
  const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
  if (fd < 0) return -1;
  // A socket file left by a copy that crashed would make bind fail; the lock says it is
  // ours now.
  ::unlink(address.sun_path);
  if (::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
      ::chmod(address.sun_path, S_IRUSR | S_IWUSR) != 0 || ::listen(fd, 8) != 0) {
    ::close(fd);
    return -1;
  }
  return fd;
}

// Tells the copy listening at `path` that another was started.
void Knock(const QString& path) {
  sockaddr_un address;
  if (!Address(path, &address)) return;
  const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) return;
  if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0) {
    static constexpr char kKnock[] = "other-instance\n";
    [[maybe_unused]] const ssize_t sent = ::send(fd, kKnock, sizeof kKnock - 1, MSG_NOSIGNAL);
  }
  ::close(fd);
}

}  // namespace

SingleInstance::SingleInstance(QObject* parent) : QObject(parent) {}

SingleInstance::~SingleInstance() {
  for (Held& held : held_) {
    held.knocks.reset();
    if (held.socket < 0) continue;
    ::close(held.socket);
    ::unlink(QFile::encodeName(held.socket_path).constData());
  }
}

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
    Knock(path);
    return true;
  }
  held_.push_back({name, std::move(lock), path, Listen(path), nullptr});
  Held& held = held_.back();
  if (held.socket >= 0) {
    held.knocks = std::make_unique<QSocketNotifier>(held.socket, QSocketNotifier::Read);
    // The vector may move its elements: the connection finds its entry by name.
    connect(held.knocks.get(), &QSocketNotifier::activated, this, [this, name] {
      for (Held& h : held_) {
        if (h.name == name) OnConnection(h);
      }
    });
  }
  return false;
}

void SingleInstance::OnConnection(Held& held) {
  // The message is only a knock: whatever the other copy wrote, it asks us forward.
  while (true) {
    const int peer = ::accept4(held.socket, nullptr, nullptr, SOCK_CLOEXEC);
    if (peer < 0) return;
    ::close(peer);
    emit otherInstanceStarted();
  }
}

}  // namespace browser::shell
