#pragma once
// The shop's data folder (the till's working directory).
//
// Data sets copied from other machines may carry upper-case names (FILM.DAT,
// WR.CFG). path() finds an existing file or folder whatever the case of its
// name; a name that does not exist yet comes back as given, so new files are
// created under the system's own names.

#include <string>
#include <string_view>
#include <unordered_map>

namespace ovix {

class DataDir {
public:
    explicit DataDir(std::string root);

    const std::string &root() const { return root_; }

    // Full path of `name` (relative; may hold '/' between folder names).
    std::string path(std::string_view name) const;

private:
    std::string resolveComponent(const std::string &folder, const std::string &name) const;

    std::string root_;
    mutable std::unordered_map<std::string, std::string> found_;
};

} // namespace ovix
