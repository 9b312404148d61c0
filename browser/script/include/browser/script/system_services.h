#pragma once

#include "browser/script/system_request.h"

namespace browser {

// What performs the system actions' requests. Paths and addresses come as the action prepared
// them (resolved or as written); the performer decides how the desktop does it. None waits
// for what it starts (a drag returns when it is over), and none shows a message.
//
// The program performs them (the machine's services, with the shell's web window and drag),
// authors' tools print them (PrintingSystemServices), the trace echoes them
// (EchoingSystemServices), tests record them.
class SystemServices {
 public:
  virtual ~SystemServices() = default;

  // Does what `request` asks. The answer means what the request's type says (a control
  // registered, a web window opened, a file dropped); the other requests answer true when
  // they were handed on and their callers do not ask.
  virtual bool Perform(const SystemRequest& request) = 0;
};

// `request` performed by `services`; false without services (the actions then do nothing).
inline bool Perform(SystemServices* services, const SystemRequest& request) {
  return services != nullptr && services->Perform(request);
}

}  // namespace browser
