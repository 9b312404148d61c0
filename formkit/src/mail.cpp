#include "formkit/mail.h"

#include "platform/shell.h"

namespace formkit {

std::string MailLine(std::string_view label, std::string_view value, size_t width) {
  std::string line(label);
  if (line.size() < width) line.append(width - line.size(), ' ');
  line.append(value);
  return line + "\r\n";
}

std::string LfLineEnds(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c != '\r' && c != '\n') {
      out.push_back(c);
      continue;
    }
    out.push_back('\n');
    // The other half of a CR LF or LF CR pair belongs to the same line end.
    if (i + 1 < text.size() && (text[i + 1] == '\r' || text[i + 1] == '\n') && text[i + 1] != c)
      ++i;
  }
  return out;
}

bool ComposerMailSender::Send(const MailMessage& message, std::string* error) {
  return shell_.ComposeMail(message.subject, LfLineEnds(message.body), error);
}

}  // namespace formkit
