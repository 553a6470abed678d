#include "platform/data_dir.h"

#include "platform/file.h"

#include <dirent.h>
#include <strings.h>
#include <sys/stat.h>

namespace ovix {

DataDir::DataDir(std::string root) : root_(std::move(root))
{
    // Whole strings assigned, not literals: GCC 12 at -O3 takes a literal
    // assigned over a string for an overlapping copy (-Wrestrict).
    if (root_.empty())
        root_ = std::string(1, '.');
    const size_t last = root_.find_last_not_of('/');
    if (last == std::string::npos)
        root_ = std::string(1, '/');
    else
        root_.erase(last + 1);
}

static bool exists(const std::string &path)
{
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0;
}

std::string DataDir::resolveComponent(const std::string &folder, const std::string &name) const
{
    std::string exact = folder + "/" + name;
    if (exists(exact))
        return exact;
    DIR *dir = opendir(folder.c_str());
    if (!dir)
        return exact;
    std::string match;
    // readdir is safe on a stream no other thread reads.
    while (dirent *entry = readdir(dir)) { // NOLINT(concurrency-mt-unsafe): our own stream
        if (strcasecmp(entry->d_name, name.c_str()) == 0) {
            match = folder + "/" + entry->d_name;
            break;
        }
    }
    closedir(dir);
    return match.empty() ? exact : match;
}

std::string DataDir::path(std::string_view name) const
{
    std::string key(name);
    std::string exact = root_ + "/" + key;
    if (exists(exact))
        return exact;
    auto cached = found_.find(key);
    if (cached != found_.end() && exists(cached->second))
        return cached->second;

    std::string folder = root_;
    size_t start = 0;
    while (start <= key.size()) {
        size_t slash = key.find('/', start);
        std::string component = key.substr(start, slash == std::string::npos ? std::string::npos
                                                                               : slash - start);
        folder = component.empty() ? folder : resolveComponent(folder, component);
        if (slash == std::string::npos)
            break;
        start = slash + 1;
    }
    if (exists(folder))
        found_[key] = folder;
    return folder;
}

} // namespace ovix
