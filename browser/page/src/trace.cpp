#include "browser/page/trace.h"

#include <string>

namespace browser {

void Trace::Line(std::initializer_list<std::string_view> fields) {
  if (file_ == nullptr) return;
  std::string line;
  bool first = true;
  for (std::string_view field : fields) {
    if (!first) line += '\t';
    first = false;
    for (char c : field) line += (c == '\t' || c == '\n' || c == '\r') ? ' ' : c;
  }
  line += '\n';
  std::fwrite(line.data(), 1, line.size(), file_);
  std::fflush(file_);
}

void Trace::Load(std::string_view what) { Line({"load", what}); }

void Trace::Event(std::string_view name, std::string_view section, bool ran,
                  std::string_view id) {
  const std::string_view outcome = ran ? "ran" : "none";
  if (id.empty()) {
    Line({"event", name, section, outcome});
  } else {
    Line({"event", name, section, outcome, id});
  }
}

void Trace::Action(std::string_view type_name, std::string_view section, int result,
                   std::string_view id) {
  const std::string code = std::to_string(result);
  if (id.empty()) {
    Line({"action", type_name, section, code});
  } else {
    Line({"action", type_name, section, code, id});
  }
}

void Trace::Request(std::string_view name, std::string_view parameter) {
  if (parameter.empty()) {
    Line({"request", name});
  } else {
    Line({"request", name, parameter});
  }
}

void Trace::Exit(int status) { Line({"exit", std::to_string(status)}); }

void Trace::Budget(std::string_view event) { Line({"budget", event}); }

void Trace::System(std::string_view line) { Line({"system", line}); }

void Trace::Handover(bool sent, std::string_view title) {
  Line({"handover", sent ? "sent" : "received", title});
}

void Trace::Focus(std::string_view section, std::string_view id) {
  if (id.empty()) {
    Line({"focus", section});
  } else {
    Line({"focus", section, id});
  }
}

}  // namespace browser
