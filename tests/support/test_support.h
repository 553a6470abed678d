#pragma once
// Shared helpers for the tests: temporary data folders and byte-level file
// building, so record files can be made by hand rather than by our writers.

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace ovix::test {

// A fresh empty folder, removed with everything in it on destruction.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir &) = delete;
    TempDir &operator=(const TempDir &) = delete;

    const std::string &path() const { return path_; }
    std::string file(std::string_view name) const { return path_ + "/" + std::string(name); }

private:
    std::string path_;
};

// Writes `bytes` to `path`, replacing it (test set-up, not through the seam).
void writeBytes(const std::string &path, std::string_view bytes);
// The whole file, or "" when it cannot be read.
std::string readBytes(const std::string &path);

// Little-endian encoders for building records byte by byte.
inline void putI32(std::string &bytes, size_t offset, int32_t value)
{
    for (int i = 0; i < 4; ++i)
        bytes[offset + i] = static_cast<char>((static_cast<uint32_t>(value) >> (8 * i)) & 0xFF);
}
inline void putI64(std::string &bytes, size_t offset, int64_t value)
{
    for (int i = 0; i < 8; ++i)
        bytes[offset + i] = static_cast<char>((static_cast<uint64_t>(value) >> (8 * i)) & 0xFF);
}
inline void putF32(std::string &bytes, size_t offset, float value)
{
    uint32_t bits;
    std::memcpy(&bits, &value, 4);
    putI32(bytes, offset, static_cast<int32_t>(bits));
}
inline void putF64(std::string &bytes, size_t offset, double value)
{
    uint64_t bits;
    std::memcpy(&bits, &value, 8);
    putI64(bytes, offset, static_cast<int64_t>(bits));
}
inline void putText(std::string &bytes, size_t offset, std::string_view text)
{
    std::memcpy(bytes.data() + offset, text.data(), text.size());
}
inline int32_t getI32(std::string_view bytes, size_t offset)
{
    uint32_t v = 0;
    for (int i = 0; i < 4; ++i)
        v |= static_cast<uint32_t>(static_cast<unsigned char>(bytes[offset + i])) << (8 * i);
    return static_cast<int32_t>(v);
}
inline int64_t getI64(std::string_view bytes, size_t offset)
{
    uint64_t v = 0;
    for (int i = 0; i < 8; ++i)
        v |= static_cast<uint64_t>(static_cast<unsigned char>(bytes[offset + i])) << (8 * i);
    return static_cast<int64_t>(v);
}
inline float getF32(std::string_view bytes, size_t offset)
{
    uint32_t bits = static_cast<uint32_t>(getI32(bytes, offset));
    float f;
    std::memcpy(&f, &bits, 4);
    return f;
}
inline double getF64(std::string_view bytes, size_t offset)
{
    uint64_t bits = static_cast<uint64_t>(getI64(bytes, offset));
    double d;
    std::memcpy(&d, &bits, 8);
    return d;
}
inline std::string getText(std::string_view bytes, size_t offset, size_t width)
{
    std::string_view field = bytes.substr(offset, width);
    return std::string(field.substr(0, field.find('\0')));
}

// Runs `body` in a forked child and returns its exit code (or 128 + signal).
// Used to let a FaultyFileAccess "crash" the process part-way through a write.
int runInChild(void (*body)(void *), void *context);

} // namespace ovix::test
