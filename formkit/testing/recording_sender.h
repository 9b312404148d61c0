// A mail sender for tests: records what it is given and takes it or not as told.
#pragma once

#include <string>
#include <vector>

#include "formkit/mail.h"

namespace formkit::testing {

class RecordingSender : public MailSender {
 public:
  bool Send(const MailMessage& message, std::string* error) override {
    sent.push_back(message);
    if (!accept) *error = "cancelled";
    return accept;
  }
  bool accept = true;
  std::vector<MailMessage> sent;
};

}  // namespace formkit::testing
