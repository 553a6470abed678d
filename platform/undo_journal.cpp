#include "platform/undo_journal.h"

#include "platform/crc32.h"
#include "platform/error_text.h"
#include "platform/file.h"
#include "platform/file_access.h"

#include <algorithm>
#include <atomic>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <optional>
#include <set>
#include <string_view>

#include <climits>
#include <cstdlib>
#include <sys/stat.h>

namespace ovix {

// The journal file:
//   0   8  "OVIXJNL1"
//   8   8  body length n (int64)
//   16  n  body
//   16+n 4 CRC-32 of everything before it
// Body: uint32 file count, then per file:
//   uint16 name length, name (relative to the data folder),
//   uint8 flags (1 = the file existed, 2 = restore its length),
//   int64 old length, uint32 range count, then per range:
//   int64 offset, uint32 size, the old bytes.
// All numbers little-endian.

struct FileTransaction::Request {
    enum class Kind { Range, Length, Whole };
    Kind kind;
    std::string name;
    int64_t offset = 0;
    int64_t size = 0;
};

struct FileTransaction::SavedFile {
    struct Range {
        int64_t offset = 0;
        std::string bytes;
    };
    std::string name;
    bool existed = false;
    bool restoreLength = false;
    int64_t oldLength = 0;
    std::vector<Range> ranges;
};

namespace {

using SavedFile = FileTransaction::SavedFile;

constexpr std::string_view kMagic = "OVIXJNL1";
constexpr int kExisted = 1;
constexpr int kRestoreLength = 2;
constexpr size_t kHeaderSize = 16;
constexpr size_t kTrailerSize = 4;
// Far above any real journal (a sale saves a few hundred records at most).
constexpr int64_t kLargestJournal = 512LL * 1024 * 1024;

std::atomic<int> openTransactions{0};

std::string describe(const std::string &what, const std::string &name, int err)
{
    return what + " " + name + ": " + errorText(err);
}

// A name inside the data folder: relative, with no "." or ".." parts.
bool isUsableName(std::string_view name)
{
    if (name.empty() || name.front() == '/' || name.size() > 0xFFFF)
        return false;
    if (name.find('\0') != std::string_view::npos)
        return false;
    size_t start = 0;
    while (start <= name.size()) {
        size_t slash = name.find('/', start);
        std::string_view part = name.substr(start, slash == std::string_view::npos
                                                       ? std::string_view::npos
                                                       : slash - start);
        if (part.empty() || part == "." || part == "..")
            return false;
        if (slash == std::string_view::npos)
            break;
        start = slash + 1;
    }
    return true;
}

bool isJournalName(std::string_view name)
{
    return name.size() == std::strlen(kJournalName)
        && std::equal(name.begin(), name.end(), kJournalName, [](char a, char b) {
               return std::tolower(static_cast<unsigned char>(a)) == b;
           });
}

void putNumber(std::string &out, uint64_t value, int width)
{
    for (int i = 0; i < width; ++i)
        out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

std::string serialize(const std::vector<SavedFile> &files)
{
    std::string body;
    putNumber(body, files.size(), 4);
    for (const SavedFile &file : files) {
        putNumber(body, file.name.size(), 2);
        body += file.name;
        int flags = (file.existed ? kExisted : 0) | (file.restoreLength ? kRestoreLength : 0);
        putNumber(body, static_cast<uint64_t>(flags), 1);
        putNumber(body, static_cast<uint64_t>(file.oldLength), 8);
        putNumber(body, file.ranges.size(), 4);
        for (const SavedFile::Range &range : file.ranges) {
            putNumber(body, static_cast<uint64_t>(range.offset), 8);
            putNumber(body, range.bytes.size(), 4);
            body += range.bytes;
        }
    }
    std::string journal(kMagic);
    putNumber(journal, body.size(), 8);
    journal += body;
    putNumber(journal, crc32(journal), 4);
    return journal;
}

// Bounds-checked reading of the journal body.
class Reader {
public:
    explicit Reader(std::string_view bytes) : bytes_(bytes) {}

    bool number(int width, uint64_t &value)
    {
        if (bytes_.size() - position_ < static_cast<size_t>(width))
            return false;
        value = 0;
        for (int i = 0; i < width; ++i)
            value |= static_cast<uint64_t>(static_cast<unsigned char>(bytes_[position_ + i]))
                  << (8 * i);
        position_ += static_cast<size_t>(width);
        return true;
    }
    bool text(size_t size, std::string &value)
    {
        if (bytes_.size() - position_ < size)
            return false;
        value.assign(bytes_.substr(position_, size));
        position_ += size;
        return true;
    }
    bool atEnd() const { return position_ == bytes_.size(); }

private:
    std::string_view bytes_;
    size_t position_ = 0;
};

// The saved files of a whole, well-formed journal; nothing when it is torn,
// damaged or names anything outside the data folder.
std::optional<std::vector<SavedFile>> parse(std::string_view journal)
{
    if (journal.size() < kHeaderSize + kTrailerSize || journal.substr(0, 8) != kMagic)
        return std::nullopt;
    Reader header(journal.substr(8, 8));
    uint64_t bodyLength = 0;
    header.number(8, bodyLength);
    if (bodyLength != journal.size() - kHeaderSize - kTrailerSize)
        return std::nullopt;
    Reader trailer(journal.substr(journal.size() - kTrailerSize));
    uint64_t storedCrc = 0;
    trailer.number(4, storedCrc);
    if (crc32(journal.substr(0, journal.size() - kTrailerSize)) != storedCrc)
        return std::nullopt;

    Reader body(journal.substr(kHeaderSize, bodyLength));
    uint64_t fileCount = 0;
    if (!body.number(4, fileCount))
        return std::nullopt;
    std::vector<SavedFile> files;
    for (uint64_t i = 0; i < fileCount; ++i) {
        SavedFile file;
        uint64_t nameLength = 0;
        uint64_t flags = 0;
        uint64_t oldLength = 0;
        uint64_t rangeCount = 0;
        if (!body.number(2, nameLength) || !body.text(nameLength, file.name)
            || !body.number(1, flags) || !body.number(8, oldLength)
            || !body.number(4, rangeCount))
            return std::nullopt;
        if (!isUsableName(file.name) || isJournalName(file.name) || flags > 3
            || oldLength > static_cast<uint64_t>(INT64_MAX))
            return std::nullopt;
        file.existed = flags & kExisted;
        file.restoreLength = flags & kRestoreLength;
        file.oldLength = static_cast<int64_t>(oldLength);
        for (uint64_t r = 0; r < rangeCount; ++r) {
            uint64_t offset = 0;
            uint64_t size = 0;
            SavedFile::Range range;
            if (!body.number(8, offset) || !body.number(4, size) || !body.text(size, range.bytes))
                return std::nullopt;
            if (offset > static_cast<uint64_t>(INT64_MAX) - size)
                return std::nullopt;
            range.offset = static_cast<int64_t>(offset);
            file.ranges.push_back(std::move(range));
        }
        files.push_back(std::move(file));
    }
    if (!body.atEnd())
        return std::nullopt;
    return files;
}

// Removes the journal and makes the removal durable.
bool removeJournal(const DataDir &dir, std::string &error)
{
    const std::string path = dir.path(kJournalName);
    if (fileAccess().unlink(path) != 0 && errno != ENOENT) {
        error = describe("Unable to delete", path, errno);
        return false;
    }
    if (!syncDirectory(dir.root())) {
        error = describe("Unable to sync the data folder", dir.root(), errno);
        return false;
    }
    return true;
}

// Whether `path` (a name in the data folder `root`) lies in that folder once
// the links on the way are followed, and the link `path` itself is too when
// `throughLast`, as an open for writing follows it. A name whose folder is
// missing lies nowhere and passes: nothing can be written or removed there.
bool landsInside(const std::string &root, const std::string &path, bool throughLast)
{
    char resolved[PATH_MAX];
    if (::realpath(root.c_str(), resolved) == nullptr)
        return false;
    const std::string inside(resolved);
    std::string where;
    struct stat st {};
    if (throughLast && ::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
        // A link that leads nowhere would have its target created.
        if (::realpath(path.c_str(), resolved) == nullptr)
            return false;
        where = resolved;
    } else {
        const std::string folder = parentDirectory(path);
        if (::realpath(folder.c_str(), resolved) == nullptr)
            return errno == ENOENT;
        where = resolved;
    }
    return inside == "/" || where == inside
        || where.compare(0, inside.size() + 1, inside + "/") == 0;
}

// Puts every saved file back as it was. Every step writes absolute bytes or
// lengths, so running it again after a crash part-way gives the same result.
bool restore(const DataDir &dir, const std::vector<SavedFile> &files, std::string &error)
{
    // Links in the folder (a data set copied carelessly, or planted beside a
    // forged journal) must not carry a restore to files of someone else's.
    for (const SavedFile &saved : files) {
        const std::string path = dir.path(saved.name);
        if (!landsInside(dir.root(), path, saved.existed)) {
            error = "Not restored: " + path + " leads out of the data folder.";
            return false;
        }
    }
    std::set<std::string> folders;
    for (const SavedFile &saved : files) {
        const std::string path = dir.path(saved.name);
        if (!saved.existed) {
            if (fileAccess().unlink(path) != 0 && errno != ENOENT) {
                error = describe("Unable to delete", path, errno);
                return false;
            }
            folders.insert(parentDirectory(path));
            continue;
        }
        const bool wasMissing = !fileExists(path);
        File file = File::open(path, File::Mode::ReadWriteCreate);
        if (!file.isOpen()) {
            error = describe("Unable to open", path, file.error());
            return false;
        }
        for (const SavedFile::Range &range : saved.ranges) {
            if (!file.writeAt(range.offset, range.bytes.data(), range.bytes.size())) {
                error = describe("Unable to write", path, file.error());
                return false;
            }
        }
        if (saved.restoreLength && !file.truncate(saved.oldLength)) {
            error = describe("Unable to truncate", path, file.error());
            return false;
        }
        if (!file.sync() || !file.close()) {
            error = describe("Unable to sync", path, file.error());
            return false;
        }
        if (wasMissing)
            folders.insert(parentDirectory(path));
    }
    for (const std::string &folder : folders) {
        if (isDirectory(folder) && !syncDirectory(folder)) {
            error = describe("Unable to sync the folder", folder, errno);
            return false;
        }
    }
    return true;
}

// Reads what a file holds now, as the journal will keep it.
bool saveFile(const DataDir &dir, const std::string &name,
              const std::vector<const FileTransaction::Request *> &requests, SavedFile &saved,
              std::string &error)
{
    using Kind = FileTransaction::Request::Kind;
    saved.name = name;
    const std::string path = dir.path(name);
    File file = File::open(path, File::Mode::Read);
    if (!file.isOpen()) {
        if (file.error() != ENOENT) {
            error = describe("Unable to open", path, file.error());
            return false;
        }
        saved.existed = false;
        return true;
    }
    saved.existed = true;
    saved.oldLength = file.size();
    if (saved.oldLength < 0) {
        error = describe("Unable to read the size of", path, file.error());
        return false;
    }
    for (const FileTransaction::Request *request : requests) {
        int64_t offset = request->offset;
        int64_t size = request->size;
        if (request->kind == Kind::Length) {
            saved.restoreLength = true;
            continue;
        }
        if (request->kind == Kind::Whole) {
            saved.restoreLength = true;
            offset = 0;
            size = saved.oldLength;
        }
        if (offset + size > saved.oldLength)
            saved.restoreLength = true;
        const int64_t available = std::clamp<int64_t>(saved.oldLength - offset, 0, size);
        if (available == 0)
            continue;
        if (available > kLargestJournal) {
            error = "Too much of " + path + " to keep a copy of before changing it.";
            return false;
        }
        SavedFile::Range range;
        range.offset = offset;
        range.bytes.resize(static_cast<size_t>(available));
        if (!file.readAt(offset, range.bytes.data(), range.bytes.size())) {
            error = describe("Unable to read", path, file.error());
            return false;
        }
        saved.ranges.push_back(std::move(range));
    }
    return true;
}

} // namespace

FileTransaction::FileTransaction(const DataDir &dir) : dir_(dir) {}

FileTransaction::~FileTransaction()
{
    if (state_ == State::Begun)
        rollback();
}

void FileTransaction::protectRange(std::string name, int64_t offset, int64_t size)
{
    requests_.push_back({Request::Kind::Range, std::move(name), offset, size});
}

void FileTransaction::protectLength(std::string name)
{
    requests_.push_back({Request::Kind::Length, std::move(name), 0, 0});
}

void FileTransaction::protectWholeFile(std::string name)
{
    requests_.push_back({Request::Kind::Whole, std::move(name), 0, 0});
}

bool FileTransaction::begin()
{
    error_.clear();
    if (state_ != State::Preparing) {
        error_ = "The file update was already started.";
        return false;
    }
    std::vector<std::string> names;
    for (const Request &request : requests_) {
        if (!isUsableName(request.name) || isJournalName(request.name)) {
            error_ = "Unusable data file name: " + request.name;
            return false;
        }
        if (request.offset < 0 || request.size < 0
            || request.offset > INT64_MAX - request.size || request.size > 0xFFFFFFFF) {
            error_ = "Unusable record position in " + request.name;
            return false;
        }
        if (std::find(names.begin(), names.end(), request.name) == names.end())
            names.push_back(request.name);
    }
    if (openTransactions.load() > 0) {
        error_ = "Another file update is still open.";
        return false;
    }
    if (fileExists(dir_.path(kJournalName))) {
        RecoveryResult recovered = recoverInterruptedWork(dir_);
        if (!recovered.ok) {
            error_ = recovered.error;
            return false;
        }
    }

    std::vector<SavedFile> saved;
    for (const std::string &name : names) {
        std::vector<const Request *> forName;
        for (const Request &request : requests_) {
            if (request.name == name)
                forName.push_back(&request);
        }
        SavedFile file;
        if (!saveFile(dir_, name, forName, file, error_))
            return false;
        saved.push_back(std::move(file));
    }

    const std::string journal = serialize(saved);
    const std::string path = dir_.path(kJournalName);
    if (static_cast<int64_t>(journal.size()) > kLargestJournal) {
        error_ = "Too much data to keep a copy of before changing it.";
        return false;
    }
    File file = File::open(path, File::Mode::Truncate);
    bool written = file.isOpen() && file.writeAt(0, journal.data(), journal.size())
                && file.sync() && file.close();
    int err = file.error();
    if (written && !syncDirectory(dir_.root())) {
        written = false;
        err = errno;
    }
    if (!written) {
        file.close();
        fileAccess().unlink(path); // a torn journal would be thrown away at the next start
        error_ = describe("Unable to write", path, err);
        return false;
    }
    saved_ = std::move(saved);
    state_ = State::Begun;
    ++openTransactions;
    return true;
}

bool FileTransaction::commit()
{
    error_.clear();
    if (state_ != State::Begun) {
        error_ = "No file update is open.";
        return false;
    }
    std::set<std::string> folders;
    for (const SavedFile &saved : saved_) {
        const std::string path = dir_.path(saved.name);
        folders.insert(parentDirectory(path));
        if (!fileExists(path))
            continue;
        File file = File::open(path, File::Mode::Read);
        if (!file.isOpen() || !file.sync())
            return failCommit(describe("Unable to sync", path, file.error()));
    }
    for (const std::string &folder : folders) {
        if (isDirectory(folder) && !syncDirectory(folder))
            return failCommit(describe("Unable to sync the folder", folder, errno));
    }
    const std::string journal = dir_.path(kJournalName);
    if (fileAccess().unlink(journal) != 0)
        return failCommit(describe("Unable to delete", journal, errno));
    state_ = State::Finished;
    --openTransactions;
    saved_.clear();
    if (!syncDirectory(dir_.root()))
        error_ = describe("Unable to sync the data folder", dir_.root(), errno);
    return true;
}

bool FileTransaction::failCommit(const std::string &reason)
{
    if (rollback()) {
        error_ = reason + "; the update was undone.";
    } else {
        error_ = reason + "; undoing the update failed too (" + error_
               + "); it will be undone at the next start.";
    }
    return false;
}

bool FileTransaction::rollback()
{
    if (state_ != State::Begun)
        return true;
    state_ = State::Finished;
    --openTransactions;
    std::string reason;
    bool ok = restore(dir_, saved_, reason) && removeJournal(dir_, reason);
    saved_.clear();
    if (!ok)
        error_ = reason;
    return ok;
}

RecoveryResult recoverInterruptedWork(const DataDir &dir)
{
    RecoveryResult result;
    const std::string path = dir.path(kJournalName);
    const int64_t size = fileSize(path);
    if (size < 0)
        return result;
    if (size > kLargestJournal) {
        result.ok = false;
        result.error = "The journal " + path + " is too large to be read.";
        return result;
    }
    std::optional<std::string> journal = readWholeFile(path);
    if (!journal) {
        result.ok = false;
        result.error = describe("Unable to read", path, errno);
        return result;
    }
    std::optional<std::vector<SavedFile>> files = parse(*journal);
    if (!files) {
        if (!removeJournal(dir, result.error)) {
            result.ok = false;
            return result;
        }
        result.removedInvalid = true;
        return result;
    }
    if (!restore(dir, *files, result.error) || !removeJournal(dir, result.error)) {
        result.ok = false;
        return result;
    }
    result.rolledBack = true;
    return result;
}

} // namespace ovix
