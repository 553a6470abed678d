#pragma once
// Helpers of the fuzz targets over the sales archive, the saved basket, the
// undo journal and the typed numbers: a broken promise aborts the run (so the
// fuzzer keeps the input), files are written and read without the file seam,
// and one input is cut into several files.

#include "platform/crc32.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace ovix::fuzz {

inline void must(bool kept)
{
    if (!kept)
        std::abort();
}

// A fresh folder for one run of a target, in memory where the machine has
// /dev/shm (the inputs are many and small, and a sync there costs nothing).
inline std::string scratchFolder(const char *name)
{
    std::string pattern = std::filesystem::is_directory("/dev/shm") ? "/dev/shm/" : "/tmp/";
    pattern += name;
    pattern += "-XXXXXX";
    must(::mkdtemp(pattern.data()) != nullptr);
    static std::vector<std::string> made;
    if (made.empty())
        std::atexit([] {
            for (const std::string &folder : made)
                std::filesystem::remove_all(folder);
        });
    made.push_back(std::filesystem::canonical(pattern).string());
    return made.back();
}

inline void writeFile(const std::string &path, std::string_view bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    must(static_cast<bool>(out));
}

inline std::optional<std::string> readFile(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// Little-endian numbers and counted texts, never reading past the end.
class ByteReader {
public:
    explicit ByteReader(std::string_view bytes) : bytes_(bytes) {}

    bool number(int width, uint64_t &value)
    {
        if (bytes_.size() - at_ < static_cast<size_t>(width))
            return false;
        value = 0;
        for (int i = 0; i < width; ++i)
            value |= uint64_t{static_cast<unsigned char>(bytes_[at_ + i])} << (8 * i);
        at_ += static_cast<size_t>(width);
        return true;
    }
    bool text(uint64_t size, std::string &value)
    {
        if (bytes_.size() - at_ < size)
            return false;
        value.assign(bytes_.substr(at_, static_cast<size_t>(size)));
        at_ += static_cast<size_t>(size);
        return true;
    }

private:
    std::string_view bytes_;
    size_t at_ = 0;
};

inline void putNumber(std::string &out, uint64_t value, int width)
{
    for (int i = 0; i < width; ++i)
        out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

// A journal holding `body`, with its magic word, length and CRC right.
inline std::string wrapJournalBody(std::string_view body)
{
    std::string journal = "OVIXJNL1";
    putNumber(journal, body.size(), 8);
    journal += body;
    putNumber(journal, crc32(journal), 4);
    return journal;
}

// One input as several files: the parts between the lines "\n--\n", at most
// `count` of them (the last takes the rest). Files past the parts present are
// missing.
inline std::vector<std::string> splitParts(std::string_view input, size_t count)
{
    constexpr std::string_view kCut = "\n--\n";
    std::vector<std::string> parts;
    while (parts.size() + 1 < count) {
        const size_t cut = input.find(kCut);
        if (cut == std::string_view::npos)
            break;
        parts.emplace_back(input.substr(0, cut));
        input.remove_prefix(cut + kCut.size());
    }
    parts.emplace_back(input);
    return parts;
}

} // namespace ovix::fuzz
