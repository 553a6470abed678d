#pragma once
// A data folder for fuzz targets whose loaders take a path: one temporary
// folder per process (removed at exit; in /dev/shm unless TMPDIR is set),
// emptied and refilled for each input, so that an input costs a few small
// writes and no folder creation. Files are written straight to disk, not
// through the file seam, as a shop's files would stand when the till starts.

#include "platform/clock.h"
#include "platform/data_dir.h"
#include "platform/scripted_messages.h"
#include "store/data_set.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <string_view>
#include <unistd.h>

namespace ovix::fuzz {

// Aborts when an invariant does not hold, so that libFuzzer keeps the input,
// naming the line of the check that failed.
inline void check(bool kept, const char *file = __builtin_FILE(), int line = __builtin_LINE())
{
    if (kept)
        return;
    std::fprintf(stderr, "broken invariant at %s:%d\n", file, line);
    std::abort();
}

class FuzzFolder {
public:
    // The folder of this process, made on first use.
    static FuzzFolder &instance()
    {
        static FuzzFolder folder;
        return folder;
    }

    const std::string &path() const { return path_; }
    std::string file(std::string_view name) const { return path_ + "/" + std::string(name); }

    // Removes everything in the folder (sub-folders included).
    void clear()
    {
        std::error_code ignored;
        for (const auto &entry : std::filesystem::directory_iterator(path_, ignored))
            std::filesystem::remove_all(entry.path(), ignored);
    }

    // Writes `bytes` as the file `name` (may hold '/'; folders are made),
    // replacing it. Aborts when it cannot: the target would test nothing.
    void write(std::string_view name, std::string_view bytes) const
    {
        const std::filesystem::path target = file(name);
        std::error_code ignored;
        std::filesystem::create_directories(target.parent_path(), ignored);
        std::ofstream out(target, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.close();
        check(out.good());
    }

    // The whole file, or nothing when it cannot be opened.
    std::optional<std::string> read(std::string_view name) const
    {
        std::ifstream in(file(name), std::ios::binary | std::ios::ate);
        if (!in)
            return std::nullopt;
        std::string bytes(static_cast<size_t>(in.tellg()), '\0');
        in.seekg(0);
        in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        if (!in)
            return std::nullopt;
        return bytes;
    }

    bool exists(std::string_view name) const
    {
        std::error_code ignored;
        return std::filesystem::exists(file(name), ignored);
    }

    // Every file and folder under the folder by relative name: a file's bytes,
    // "/" for a folder. For checking that a refusal changed nothing.
    std::map<std::string, std::string> snapshot() const
    {
        std::map<std::string, std::string> files;
        std::error_code ignored;
        for (const auto &entry : std::filesystem::recursive_directory_iterator(path_, ignored)) {
            const std::string name = entry.path().lexically_relative(path_).string();
            files[name] = entry.is_directory() ? "/" : read(name).value_or("?");
        }
        return files;
    }

    // Writes every file of `files` (as snapshot() gives them).
    void write(const std::map<std::string, std::string> &files) const
    {
        for (const auto &[name, bytes] : files) {
            if (bytes == "/")
                std::filesystem::create_directories(file(name));
            else
                write(name, bytes);
        }
    }

    FuzzFolder(const FuzzFolder &) = delete;
    FuzzFolder &operator=(const FuzzFolder &) = delete;

    // A second folder of the process, for making files to copy from.
    explicit FuzzFolder(int)
        : FuzzFolder()
    {
    }
    ~FuzzFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }

private:
    FuzzFolder()
    {
        // In memory where the machine has it and TMPDIR names no other place:
        // every store syncs its file and folder, which costs nothing there.
        std::error_code ignored;
        const bool memory = std::getenv("TMPDIR") == nullptr
            && std::filesystem::is_directory("/dev/shm", ignored) && access("/dev/shm", W_OK) == 0;
        const std::filesystem::path parent
            = memory ? std::filesystem::path("/dev/shm") : std::filesystem::temp_directory_path();
        std::string pattern = (parent / "ovixfuzz-XXXXXX").string();
        check(mkdtemp(pattern.data()) != nullptr);
        path_ = pattern;
    }

    std::string path_;
};

// Reads a fuzz input as a sequence of parts.
class Chunks {
public:
    Chunks(const uint8_t *data, size_t size) : data_(data), size_(size) { }

    bool atEnd() const { return at_ >= size_; }

    // One byte, 0 at the end.
    uint8_t byte() { return at_ < size_ ? data_[at_++] : 0; }

    // A three-byte little-endian number, 0 past the end.
    size_t number()
    {
        size_t value = byte();
        value |= size_t(byte()) << 8;
        value |= size_t(byte()) << 16;
        return value;
    }

    // A length (number()) and that many bytes (fewer at the end).
    std::string part()
    {
        const size_t length = std::min(number(), size_ - at_);
        std::string bytes(reinterpret_cast<const char *>(data_ + at_), length);
        at_ += length;
        return bytes;
    }

    // Whatever is left.
    std::string rest()
    {
        std::string bytes(reinterpret_cast<const char *>(data_ + at_), size_ - at_);
        at_ = size_;
        return bytes;
    }

    // Files cut or padded by file() are at most this long: longer than an
    // activity log that rolls over at the two smallest capacities, short
    // enough to keep an input within milliseconds.
    static constexpr size_t kLongestFile = 200000;

    // A file for the folder, told by a mode byte: 0 none; 1 the bytes of
    // part(); 2 `base` with part() laid over it from offset number(), so that
    // a large file of the right size costs a few bytes of corpus; 3 `base`
    // cut (or padded with zeros) to number() bytes, at most kLongestFile.
    std::optional<std::string> file(const std::string &base)
    {
        switch (byte() % 4) {
        case 0:
            return std::nullopt;
        case 1:
            return part();
        case 2: {
            const size_t offset = std::min(number(), base.size());
            const std::string over = part();
            std::string bytes = base;
            bytes.replace(offset, std::min(over.size(), bytes.size() - offset), over);
            if (over.size() > base.size() - offset)
                bytes.append(over, base.size() - offset);
            return bytes;
        }
        default: {
            std::string bytes = base;
            bytes.resize(std::min(number(), kLongestFile), '\0');
            return bytes;
        }
        }
    }

private:
    const uint8_t *data_;
    size_t size_;
    size_t at_ = 0;
};

// The files of a data set as the set-up makes it on 4 March 2026 (pound sign
// as currency), with the sample shop when `demo` is set: made once per
// process, by relative name.
inline const std::map<std::string, std::string> &newShopFiles(bool demo)
{
    static const auto make = [](bool withDemo) {
        FuzzFolder folder(0);
        const DataDir dir(folder.path());
        LocalTime day;
        day.year = 2026;
        day.month = 3;
        day.day = 4;
        day.hour = 9;
        ScriptedMessages quiet;
        check(createDataSet(dir, day, "\xA3", quiet));
        check(!withDemo || addDemoShop(dir, day, quiet));
        return folder.snapshot();
    };
    static const std::map<std::string, std::string> empty = make(false);
    static const std::map<std::string, std::string> sample = make(true);
    return demo ? sample : empty;
}

} // namespace ovix::fuzz
