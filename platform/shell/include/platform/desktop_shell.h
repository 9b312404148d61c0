// The desktop shell of a freedesktop.org desktop: programs start detached (a double fork,
// so no child is left to reap), files and addresses through xdg-open, the mail composer
// through xdg-email.
#pragma once

#include "platform/shell.h"

namespace platform {

class DesktopShell : public Shell {
 public:
  bool StartDetached(const std::string& program, const std::vector<std::string>& args,
                     std::string* error) override;
  // Runs `xdg-open TARGET` detached.
  bool Open(const std::string& target, std::string* error) override;
  // Runs `xdg-email --utf8 --subject SUBJECT --body BODY` detached.
  bool ComposeMail(const std::string& subject, const std::string& body,
                   std::string* error) override;
};

}  // namespace platform
