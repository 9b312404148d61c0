#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "json_string.h"

namespace cdztool {

// Each command writes its results to `out`, its complaints to `err` (each naming the file
// and what is wrong with it) and returns the exit status: 0 on success, 1 otherwise.

// Packs the data files named, each as a member named by its file name; or, for a single folder,
// its data files as the browser reads the folder (in the order of their names, each checked as
// text: one that fails writes nothing).
int Pack(const std::string& out_path, const std::vector<std::string>& files, bool gzip,
         std::ostream& err);
int List(const std::string& container, bool json, std::ostream& out, std::ostream& err);
int Cat(const std::string& container, const std::string& member, std::ostream& out,
        std::ostream& err);
int Get(const std::string& container, const std::string& member, const std::string& section,
        const std::string& key, std::ostream& out, std::ostream& err);

struct RunOptions {
  std::string document;
  std::string member;               // empty: the member named after the container, or the first
  std::vector<std::string> events;  // "NAME" (main page) or "NAME@ID"
  bool print_variables = false;
  // false: the system actions (programs, files, folders, addresses, sounds, window messages,
  // saved values, control registration) are not performed but written to `out`, one line
  // each ("run: PATH PARAMETERS", ...); true: they are performed.
  bool live = false;
  // The settings store the document reads (the registry forms of the actions, SetVariable's
  // "registry" flag); empty: the user's own, the one the browser reads.
  std::string registry;
};
// Loads a document's data file (of a container, a folder of data files, or a data file as
// text), runs its PreLoad scripts, builds the main page's objects and
// fires the events in order; with print_variables writes the three variable scopes as JSON
// (after the lines of the system actions).
int Run(const RunOptions& options, std::ostream& out, std::ostream& err);

}  // namespace cdztool
