// A shell for tests: records every request and grants or refuses it as told. Nothing is
// started.
#pragma once

#include <string>
#include <vector>

#include "platform/shell.h"

namespace platform {

class RecordingShell : public Shell {
 public:
  struct Started {
    std::string program;
    std::vector<std::string> args;
  };
  struct Mail {
    std::string subject;
    std::string body;
  };

  bool StartDetached(const std::string& program, const std::vector<std::string>& args,
                     std::string* error) override {
    started.push_back({program, args});
    return Answer(error);
  }
  bool Open(const std::string& target, std::string* error) override {
    opened.push_back(target);
    return Answer(error);
  }
  bool ComposeMail(const std::string& subject, const std::string& body,
                   std::string* error) override {
    mails.push_back({subject, body});
    return Answer(error);
  }

  bool accept = true;  // false: every request fails with `refusal`
  std::string refusal = "cannot start the program: refused by the test";
  std::vector<Started> started;
  std::vector<std::string> opened;
  std::vector<Mail> mails;

 private:
  bool Answer(std::string* error) const {
    if (!accept && error) *error = refusal;
    return accept;
  }
};

}  // namespace platform
