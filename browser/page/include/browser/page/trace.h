#pragma once

#include <cstdio>
#include <initializer_list>
#include <string>
#include <string_view>

namespace browser {

// The step-by-step record of `panorel --trace FILE`: one tab-separated line per step,
// flushed as it is written, so that authors and tests can follow a document:
//   load     MEMBER-OR-PATH
//   event    NAME SECTION ran|none [ID]     (ID: the object's id, when it has one)
//   action   TYPE-NAME ITEM-SECTION RESULT-CODE [ID]   (ID: the id of the object whose
//            script holds the item, when it has one)
//   request  NAME [PARAMETER]
//   budget   EVENT              (the event ran out of its work budget and was stopped)
//   system   WHAT THE SYSTEM ACTION DID (one line of the system services, as cdztool run
//            prints it; and what the machine then really did: "started: PROGRAM ARGS",
//            "opened: TARGET", "failed: REASON", "drag end: dropped|cancelled PATH")
//   handover sent|received TITLE   (a second copy for the same title stepped back, in its
//            own trace "sent", in the running copy's "received")
//   focus    SECTION [ID]   (the keyboard's focus moved to this element: a key, the mouse or
//            a new page)
//   exit     STATUS
// Columns are never reordered: a new one only ever comes at the end of its line. A trace
// without a file writes nothing.
class Trace {
 public:
  Trace() = default;
  // Appends to `file`, which the caller keeps open while the trace is used.
  explicit Trace(std::FILE* file) : file_(file) {}

  bool enabled() const { return file_ != nullptr; }
  void Load(std::string_view what);
  // `id` is written only when it is not empty.
  void Event(std::string_view name, std::string_view section, bool ran, std::string_view id = {});
  void Action(std::string_view type_name, std::string_view section, int result,
              std::string_view id = {});
  // The parameter is written only when it is not empty.
  void Request(std::string_view name, std::string_view parameter = {});
  void Exit(int status);
  void Budget(std::string_view event);
  void System(std::string_view line);
  // `sent` in the copy that stepped back, else received by the copy that runs.
  void Handover(bool sent, std::string_view title);
  // `id` is written only when it is not empty.
  void Focus(std::string_view section, std::string_view id = {});

  // Fields are written as they are, except that tabs and line ends become blanks.
  void Line(std::initializer_list<std::string_view> fields);

 private:
  std::FILE* file_ = nullptr;
};

}  // namespace browser
