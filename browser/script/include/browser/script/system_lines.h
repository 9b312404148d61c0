#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "browser/script/system_services.h"

namespace browser {

// The one-line account of each system service call, "VERB: ARGUMENTS", for authors' tools and
// traces: paths and addresses as the action prepared them, numbers in decimal.
namespace system_lines {

std::string Run(const std::string& path, const std::string& parameters);  // run: PATH PARAMETERS
std::string Shell(const std::string& path);                                // shell: PATH
std::string Folder(const std::string& path);                               // folder: PATH
std::string Open(const std::string& address);                              // open: ADDRESS
std::string Sound(const std::string& path);                                // sound: PATH
// message: CLASS MESSAGE WPARAM LPARAM
std::string Message(const std::string& window_class, int32_t message, int32_t wparam,
                    int32_t lparam);
// save: PATH KEY VALUE, or save: PATH when no value was written
std::string Save(const std::string& path, const std::string& key, const std::string* value);
std::string Register(const ControlRegistration& control);  // register: PATH / unregister: PATH
std::string Web(const std::string& address);                // web: ADDRESS

// What the machine then really did, for the program's trace:
// started: PROGRAM ARGS (the file really started, each argument after a blank, in double
// quotes when it is empty or holds a blank)
std::string Started(const std::string& program, const std::vector<std::string>& args);
std::string Opened(const std::string& target);  // opened: TARGET (by the desktop's handler)
std::string Failed(const std::string& reason);  // failed: REASON

}  // namespace system_lines
}  // namespace browser
