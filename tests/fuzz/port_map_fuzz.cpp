// ports.cfg over any bytes: each port's device file is its default or the
// path the last usable line for it names, as written there: an absolute path
// with no control character (a NUL would open a different file than the one
// written, a line break a different line).

#include "fuzz/settings_fuzz.h"

#include "platform/c_format.h"
#include "print/logic/port_map.h"

#include <cctype>

namespace {

using ovix::fuzz::check;

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front())))
        text.remove_prefix(1);
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back())))
        text.remove_suffix(1);
    return text;
}

std::string upper(std::string_view text)
{
    std::string out(text);
    for (char &c : out)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return out;
}

bool usablePath(std::string_view path)
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

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    using namespace ovix;
    const std::string_view input = fuzz::bytesOf(data, size);
    std::array<std::string, PortMap::kPortCount> expected;
    for (int index = 0; index < PortMap::kPortCount; ++index)
        expected[index] = PortMap().devicePath(index);
    std::string_view rest = input;
    while (!rest.empty()) {
        const size_t end = rest.find('\n');
        const std::string_view line = trimmed(rest.substr(0, end));
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
        const size_t equals = line.find('=');
        if (line.empty() || line.front() == '#' || equals == std::string_view::npos)
            continue;
        const std::string name = upper(trimmed(line.substr(0, equals)));
        const std::string_view path = trimmed(line.substr(equals + 1));
        for (int index = 0; index < PortMap::kPortCount; ++index) {
            if (name == PortMap::portName(index) && usablePath(path))
                expected[index] = std::string(path);
        }
    }

    fuzz::putScratchFile("ports.cfg", input);
    const PortMap map = PortMap::load(fuzz::scratchShop());
    for (int index = 0; index < PortMap::kPortCount; ++index) {
        const std::string &path = map.devicePath(index);
        check(path == expected[index]);
        check(usablePath(path));
    }
    check(map.devicePath(-1) == map.devicePath(0) && map.devicePath(10) == map.devicePath(0));
    return 0;
}
