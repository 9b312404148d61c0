// What passes between the web control in the browser and the web engine's own process
// (panorel_web): one JSON object per line, both ways.
//
//   to the engine:    {"call": METHOD, "args": [...]}   a method of the control
//                     {"key": {"press", "key", "modifiers", "text", "repeat"}}  a key the
//                                                       browser's control was given
//   from the engine:  {"window": ID}                    its window, to be embedded
//                     {"focus": true}                   the user clicked into the page
//                     {"state": {"url", "title", "busy"}}  the page as it now stands
//                     {"event": NAME, "args": [...]}    one of the control's events
//                     {"external": NAME, "args": [...]}  a call of the page's window.external
#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <optional>

namespace panorel_web {

// One message as a line.
QByteArray MessageLine(const QJsonObject& message);

// Cuts a byte stream into messages. A line that is no JSON object is skipped; a line longer
// than kMaxLine is dropped whole, so a runaway peer cannot grow the buffer without end.
class MessageReader {
 public:
  static constexpr qsizetype kMaxLine = qsizetype{16} << 20;

  void Feed(const QByteArray& bytes);
  // The next complete message, or nothing until more bytes come.
  std::optional<QJsonObject> Next();

 private:
  QByteArray buffer_;
  bool skipping_ = false;  // inside a line too long to keep
};

}  // namespace panorel_web
