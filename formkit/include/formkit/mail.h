// Handing a message to the desktop's mail composer, where the user adds the recipients.
#pragma once

#include <string>
#include <string_view>

namespace platform {
class Shell;
}

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

// Hands the message to the desktop's mail composer through `shell`, which starts it
// detached: Send returns at once, and fails only when the composer could not be started.
// The composer writes its own CR before each LF, so the body goes over with LF line ends.
class ComposerMailSender : public MailSender {
 public:
  explicit ComposerMailSender(platform::Shell& shell) : shell_(shell) {}
  bool Send(const MailMessage& message, std::string* error) override;

 private:
  platform::Shell& shell_;
};

// `text` with every CR LF, LF CR and lone CR turned into one LF.
std::string LfLineEnds(std::string_view text);

}  // namespace formkit
