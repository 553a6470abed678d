#pragma once
// Files opened for the length of one operation, as every data file is.
//
// All calls go through fileAccess(), so tests can fail or crash any write.
// Reads and writes are whole: a short read or write counts as a failure.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace ovix {

class File {
public:
    enum class Mode {
        Read,            // existing file, read only
        ReadWrite,       // existing file, read and write
        ReadWriteCreate, // read and write, created empty when missing
        Append,          // write at the end, created when missing
        Truncate,        // created anew, empty
        CreateNew,       // read and write, created here: fails when it exists; owner only
    };

    File() = default;
    static File open(const std::string &path, Mode mode);
    ~File();
    File(File &&other) noexcept;
    File &operator=(File &&other) noexcept;
    File(const File &) = delete;
    File &operator=(const File &) = delete;

    bool isOpen() const { return fd_ >= 0; }
    // errno of the last failure of this file (or of its open).
    int error() const { return error_; }

    // Size in bytes, or -1 when it cannot be read.
    int64_t size();
    // Reads exactly `size` bytes at `offset`; false on a short read or error.
    bool readAt(int64_t offset, void *buffer, size_t size);
    // Reads up to `size` bytes at `offset`; returns the count, -1 on error.
    int64_t readSomeAt(int64_t offset, void *buffer, size_t size);
    // Writes exactly `size` bytes at `offset`, completing partial writes.
    bool writeAt(int64_t offset, const void *buffer, size_t size);
    // Writes `size` bytes at the end of the file (Append mode).
    bool append(const void *buffer, size_t size);
    bool sync();
    bool truncate(int64_t length);
    // Closes now; false when the close reported an error.
    bool close();

private:
    int fd_ = -1;
    int error_ = 0;
};

bool fileExists(const std::string &path);
bool isDirectory(const std::string &path);
// Size in bytes, or -1 when the file cannot be examined.
int64_t fileSize(const std::string &path);
// The whole file, or nothing when it cannot be opened or read.
std::optional<std::string> readWholeFile(const std::string &path);
// Syncs a folder so that a rename or creation inside it is on the disk.
bool syncDirectory(const std::string &path);
// The folder part of a path ("." when there is none).
std::string parentDirectory(const std::string &path);

// Replaces `path` by a file holding `bytes`, all or nothing: the bytes go to a
// temporary file beside it, which is synced, closed and renamed over the old
// file; then the folder is synced. On failure the old file is untouched, the
// temporary file is removed and `error` (when given) says what failed.
bool replaceFileAtomically(const std::string &path, std::string_view bytes,
                           std::string *error = nullptr);

} // namespace ovix
