// Handing a message to the desktop's mail composer, where the user adds the recipients.
#pragma once

#include <string>
#include <string_view>

namespace formkit {

// What the user is told when the composer did not take a message.
inline constexpr const char* kMailNotSent = "Email was not sent.";

struct MailMessage {
  std::string subject;
  std::string body;  // lines end in CR LF
};

// `label` padded with blanks on the right to `width` characters, then `value`, CR LF.
std::string MailLine(std::string_view label, std::string_view value, size_t width = 30);

class MailSender {
 public:
  virtual ~MailSender() = default;
  // True when the composer took the message.
  virtual bool Send(const MailMessage& message, std::string* error) = 0;
};

// Opens the desktop's mail composer through xdg-email with subject and body filled in.
class ComposerMailSender : public MailSender {
 public:
  bool Send(const MailMessage& message, std::string* error) override;
};

}  // namespace formkit
