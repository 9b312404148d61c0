// What a form program asks of the user and the machine. The Qt window implements it;
// tests and the command line use their own.
#pragma once

#include <string>
#include <vector>

namespace formkit {

class Host {
 public:
  virtual ~Host() = default;
  // A modal message box with one OK button; returns when the user has dismissed it.
  virtual void MsgBox(const std::string& text, const std::string& caption) = 0;
};

// Records the message boxes instead of showing them.
class RecordingHost : public Host {
 public:
  struct Message {
    std::string caption;
    std::string text;
  };
  void MsgBox(const std::string& text, const std::string& caption) override {
    messages.push_back({caption, text});
  }
  std::vector<Message> messages;
};

}  // namespace formkit
