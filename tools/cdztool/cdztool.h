#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace cdztool {

// Each command writes its results to `out`, its complaints to `err` (each naming the file
// and what is wrong with it) and returns the exit status: 0 on success, 1 otherwise.
int Pack(const std::string& out_path, const std::vector<std::string>& files, bool gzip,
         std::ostream& err);
int List(const std::string& container, bool json, std::ostream& out, std::ostream& err);
int Cat(const std::string& container, const std::string& member, std::ostream& out,
        std::ostream& err);
int Get(const std::string& container, const std::string& member, const std::string& section,
        const std::string& key, std::ostream& out, std::ostream& err);

}  // namespace cdztool
