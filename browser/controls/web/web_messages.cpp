#include "web_messages.h"

#include <QJsonDocument>

namespace panorel_web {

QByteArray MessageLine(const QJsonObject& message) {
  return QJsonDocument(message).toJson(QJsonDocument::Compact) + '\n';
}

void MessageReader::Feed(const QByteArray& bytes) {
  buffer_ += bytes;
  if (buffer_.indexOf('\n') < 0 && buffer_.size() > kMaxLine) {
    buffer_.clear();
    skipping_ = true;
  }
}

std::optional<QJsonObject> MessageReader::Next() {
  while (true) {
    const qsizetype end = buffer_.indexOf('\n');
    if (end < 0) return std::nullopt;
    const QByteArray line = buffer_.left(end);
    buffer_.remove(0, end + 1);
    // The rest of a line whose start was dropped is no message.
    if (skipping_) {
      skipping_ = false;
      continue;
    }
    const QJsonDocument document = QJsonDocument::fromJson(line);
    if (document.isObject()) return document.object();
  }
}

}  // namespace panorel_web
