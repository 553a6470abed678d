#include "print/logic/port_map.h"

#include "platform/c_format.h"
#include "platform/data_dir.h"
#include "platform/file.h"

#include <cctype>

namespace ovix {

namespace {

int validIndex(int index)
{
    return index >= 0 && index < PortMap::kPortCount ? index : 0;
}

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front())))
        text.remove_prefix(1);
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back())))
        text.remove_suffix(1);
    return text;
}

bool sameName(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (std::toupper(static_cast<unsigned char>(a[i]))
            != std::toupper(static_cast<unsigned char>(b[i])))
            return false;
    }
    return true;
}

// An absolute path with no control character in it.
bool isUsableDevicePath(std::string_view path)
{
    if (path.empty() || path.front() != '/')
        return false;
    for (unsigned char c : path) {
        if (c < 0x20 || c == 0x7F)
            return false;
    }
    return true;
}

} // namespace

PortMap::PortMap()
{
    for (int index = 0; index < kPortCount; ++index) {
        paths_[index] = index < 8 ? cformat("/dev/ttyS%d", index) : cformat("/dev/lp%d", index - 8);
    }
}

PortMap PortMap::load(const DataDir &dataDir)
{
    PortMap map;
    if (std::optional<std::string> text = readWholeFile(dataDir.path("ports.cfg")))
        map.applyOverrides(*text);
    return map;
}

void PortMap::applyOverrides(std::string_view text)
{
    while (!text.empty()) {
        size_t end = text.find('\n');
        std::string_view line = trimmed(text.substr(0, end));
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (line.empty() || line.front() == '#')
            continue;
        size_t equals = line.find('=');
        if (equals == std::string_view::npos)
            continue;
        std::string_view name = trimmed(line.substr(0, equals));
        std::string_view path = trimmed(line.substr(equals + 1));
        if (!isUsableDevicePath(path))
            continue;
        for (int index = 0; index < kPortCount; ++index) {
            if (sameName(name, portName(index)))
                paths_[index] = std::string(path);
        }
    }
}

std::string PortMap::portName(int index)
{
    index = validIndex(index);
    return index < 8 ? cformat("COM%d", index + 1) : cformat("LPT%d", index - 7);
}

const std::string &PortMap::devicePath(int index) const
{
    return paths_[validIndex(index)];
}

} // namespace ovix
