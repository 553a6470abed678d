#pragma once
// What the settings, device and card targets share: a check that aborts on a
// broken promise, one scratch shop folder per process for loaders that take a
// path, and wr.cfg blocks whose fields of interest are filled from the input.

#include "platform/data_dir.h"
#include "store/till_config.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <initializer_list>
#include <string>
#include <string_view>
#include <unistd.h>

namespace ovix::fuzz {

// Aborts, naming the line of the broken check, when `kept` is false.
inline void check(bool kept, const char *file = __builtin_FILE(), int line = __builtin_LINE())
{
    if (!kept) {
        std::fprintf(stderr, "broken check at %s:%d\n", file, line);
        std::abort();
    }
}

inline std::string_view bytesOf(const uint8_t *data, size_t size)
{
    return { reinterpret_cast<const char *>(data), size };
}

// A folder made once per process: under $TMPDIR when set, else in memory
// (/dev/shm) where the writers' syncs cost little, else under /tmp. It is
// removed when the process ends normally (a crash leaves it to look at).
inline const std::string &scratchFolder()
{
    static const std::string folder = [] {
        const char *set = std::getenv("TMPDIR");
        std::string base = set && *set ? set : "/tmp";
        if (!(set && *set) && ::access("/dev/shm", W_OK) == 0)
            base = "/dev/shm";
        std::string pattern = base + "/ovixfuzz.XXXXXX";
        check(mkdtemp(pattern.data()) != nullptr);
        // Kept where the string's destructor cannot reach before the handler runs.
        static char removed[4096];
        check(pattern.size() < sizeof removed);
        std::memcpy(removed, pattern.c_str(), pattern.size() + 1);
        std::atexit([] {
            std::error_code ignored;
            std::filesystem::remove_all(removed, ignored);
        });
        return pattern;
    }();
    return folder;
}

inline DataDir scratchShop()
{
    return DataDir(scratchFolder());
}

// Replaces `name` in the scratch folder with `bytes` (set-up, not through the
// seam: the code under test reads it through its own path).
inline std::string putScratchFile(std::string_view name, std::string_view bytes)
{
    const std::string path = scratchFolder() + "/" + std::string(name);
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    check(fd >= 0);
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t wrote = ::write(fd, bytes.data() + done, bytes.size() - done);
        check(wrote > 0);
        done += static_cast<size_t>(wrote);
    }
    ::close(fd);
    return path;
}

inline void removeScratchFile(std::string_view name)
{
    ::unlink((scratchFolder() + "/" + std::string(name)).c_str());
}

// One stretch of the 42550-byte block.
struct ConfigStretch {
    size_t offset;
    size_t width;
};

template <typename Field> ConfigStretch stretchOf(Field field)
{
    return { field.offset, Field::width };
}

// A zero block whose `stretches` are filled in turn from the input; what the
// input does not reach stays zero.
inline TillConfig configFrom(std::string_view input, std::initializer_list<ConfigStretch> stretches)
{
    TillConfig config;
    for (const ConfigStretch &stretch : stretches) {
        const std::string_view piece = input.substr(0, stretch.width);
        config.writeBytes(stretch.offset, piece);
        input.remove_prefix(piece.size());
    }
    return config;
}

// Splits the input at its first `count` NUL bytes: the pieces in order, the
// missing ones empty (typed texts for a dialog's boxes).
template <size_t Count> std::array<std::string, Count> typedTexts(std::string_view input)
{
    std::array<std::string, Count> texts;
    for (size_t index = 0; index < Count && !input.empty(); ++index) {
        const size_t end = input.find('\0');
        texts[index] = std::string(input.substr(0, end));
        input = end == std::string_view::npos ? std::string_view() : input.substr(end + 1);
    }
    return texts;
}

} // namespace ovix::fuzz
