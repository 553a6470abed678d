#pragma once
// Files opened for the length of one operation, as every data file is.
//
// All calls go through fileAccess(), so tests can fail or crash any write.
// Reads and writes are whole: a short read or write counts as a failure.

#include <sys/types.h>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace ovix {

// The shop's files are its own: what the programs create is readable and
// writable by the shop's account only, and so are the folders they make.
inline constexpr mode_t kOwnerOnlyFileMode = 0600;
inline constexpr mode_t kOwnerOnlyFolderMode = 0700;

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
    // A file the open creates gets kOwnerOnlyFileMode (less the umask); an
    // existing one keeps its mode.

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
    // Writes exactly `size` bytes at `offset`, completing partial writes. The
    // range is held under an advisory write lock while it is written, so a
    // reader that takes a read lock (holdForReading) never sees it half done.
    bool writeAt(int64_t offset, const void *buffer, size_t size);
    // Waits until no writer holds any of `length` bytes at `offset` and keeps
    // them from writers until releaseReading. Where the file system has no
    // such locks it returns false at once and nothing is held.
    bool holdForReading(int64_t offset, int64_t length);
    void releaseReading(int64_t offset, int64_t length);
    // Writes `size` bytes at the end of the file (Append mode).
    bool append(const void *buffer, size_t size);
    bool sync();
    bool truncate(int64_t length);
    // The permission bits (rwx for owner, group, others), or -1 when they
    // cannot be read.
    int permissions();
    // Sets the permission bits to `mode` & 0777, whatever the umask.
    bool setPermissions(mode_t mode);
    // Closes now; false when the close reported an error.
    bool close();

private:
    friend File createFreshFile(const std::string &path, mode_t mode);

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

// Creates `path` as a new empty file open for reading and writing, with the
// permission bits `mode` set before anything is written. A file or link left
// under that name (a temporary file from a crash) is removed first, never
// opened or followed, so nothing already there is written through. Not open,
// with error() set, on failure.
File createFreshFile(const std::string &path, mode_t mode);

// Creates the folder `path` (and the folders above it that are missing) with
// kOwnerOnlyFolderMode (less the umask). True when it exists as a folder.
bool makeFolders(const std::string &path);

// Whose permission bits a replaced file gets.
enum class ReplacedMode {
    KeepOld,   // the old file's; kOwnerOnlyFileMode when there was none
    OwnerOnly, // kOwnerOnlyFileMode always, for a file holding a password
};

// The permission bits a file replacing `path` gets under `mode`.
mode_t replacedFileMode(const std::string &path, ReplacedMode mode);

// The one way a whole file is replaced, for bytes that come in parts (a copy
// read in chunks, a converted file flushed as it grows):
//
//     AtomicFileWriter out(path, ReplacedMode::KeepOld);
//     bool done = out.write(first) && out.write(second) && out.commit();
//
// The bytes go to the temporary file `path` + ".new~", created with its final
// permission bits before the first byte goes in (a file or link already under
// that name, left by a crash, is removed, never written through). commit()
// syncs and closes it, renames it over `path` and syncs the folder, so a
// reader of the old file keeps reading it whole and a crash leaves the old
// file or the new one, never a mixture. Any failure before the rename leaves
// the old file untouched and removes the temporary file, as does a writer
// destroyed without commit(); later calls then fail too. A folder that cannot
// be synced after the rename fails commit() with the new file in place.
class AtomicFileWriter {
public:
    // The new file gets the permission bits `permissions` (& 0777).
    AtomicFileWriter(std::string path, mode_t permissions);
    // The new file gets its permission bits as `mode` chooses them.
    explicit AtomicFileWriter(const std::string &path, ReplacedMode mode = ReplacedMode::KeepOld);
    ~AtomicFileWriter();
    AtomicFileWriter(const AtomicFileWriter &) = delete;
    AtomicFileWriter &operator=(const AtomicFileWriter &) = delete;

    // False when the temporary file could not be created, or after a failure.
    bool isOpen() const { return file_.isOpen(); }
    // Adds `bytes` after those written so far.
    bool write(std::string_view bytes);
    // Puts the new file in place of the old one; true when all of it is done.
    bool commit();
    // True once the new file stands under its name, even when commit() then
    // failed to sync the folder.
    bool inPlace() const { return committed_; }

    // What failed ("cannot write PATH: reason", PATH the file replaced), and
    // its errno; empty and 0 while nothing has.
    const std::string &error() const { return error_; }
    int errorNumber() const { return errorNumber_; }

private:
    bool fail(const char *step, int err);
    void abandon();

    std::string path_;
    std::string temporary_;
    File file_;
    int64_t written_ = 0;
    bool committed_ = false;
    std::string error_;
    int errorNumber_ = 0;
};

// Replaces `path` by a file holding `bytes`, all or nothing, through an
// AtomicFileWriter: the temporary file has its final mode (see ReplacedMode)
// before the first byte goes in, so the new file is never more open than the
// old one was; it is synced and renamed over the old file, then the folder is
// synced. On failure the old file is untouched, the temporary file is removed
// and `error` (when given) says what failed.
bool replaceFileAtomically(const std::string &path, std::string_view bytes,
                           std::string *error = nullptr,
                           ReplacedMode mode = ReplacedMode::KeepOld);

// Copies the file `from` byte for byte to a new file `to`, readable and
// writable by the owner only, synced with its folder. Never replaces anything:
// when `to` exists the call fails with EEXIST in `errorNumber`. On any other
// failure a partly written `to` is removed again. `error` (when given) says
// what failed.
bool copyToNewFile(const std::string &from, const std::string &to, int *errorNumber = nullptr,
                   std::string *error = nullptr);

} // namespace ovix
