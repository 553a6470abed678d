#include "platform/file.h"

#include "platform/error_text.h"
#include "platform/file_access.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace ovix {

File File::open(const std::string &path, Mode mode)
{
    int flags = 0;
    switch (mode) {
    case Mode::Read: flags = O_RDONLY; break;
    case Mode::ReadWrite: flags = O_RDWR; break;
    case Mode::ReadWriteCreate: flags = O_RDWR | O_CREAT; break;
    case Mode::Append: flags = O_WRONLY | O_CREAT | O_APPEND; break;
    case Mode::Truncate: flags = O_RDWR | O_CREAT | O_TRUNC; break;
    case Mode::CreateNew: flags = O_RDWR | O_CREAT | O_EXCL; break;
    }
    File file;
    file.fd_ = fileAccess().open(path, flags, kOwnerOnlyFileMode);
    if (file.fd_ < 0)
        file.error_ = errno;
    return file;
}

File::~File()
{
    close();
}

File::File(File &&other) noexcept
    : fd_(std::exchange(other.fd_, -1)), error_(other.error_)
{
}

File &File::operator=(File &&other) noexcept
{
    if (this != &other) {
        close();
        fd_ = std::exchange(other.fd_, -1);
        error_ = other.error_;
    }
    return *this;
}

int64_t File::size()
{
    struct stat st {};
    if (fd_ < 0 || fstat(fd_, &st) != 0) {
        error_ = fd_ < 0 ? EBADF : errno;
        return -1;
    }
    return st.st_size;
}

int64_t File::readSomeAt(int64_t offset, void *buffer, size_t size)
{
    auto *out = static_cast<char *>(buffer);
    size_t done = 0;
    while (done < size) {
        ssize_t n = fileAccess().pread(
            fd_, out + done, size - done, offset + static_cast<int64_t>(done));
        if (n < 0) {
            error_ = errno;
            return -1;
        }
        if (n == 0)
            break;
        done += static_cast<size_t>(n);
    }
    return static_cast<int64_t>(done);
}

bool File::readAt(int64_t offset, void *buffer, size_t size)
{
    int64_t n = readSomeAt(offset, buffer, size);
    if (n >= 0 && static_cast<size_t>(n) != size)
        error_ = EIO;
    return n >= 0 && static_cast<size_t>(n) == size;
}

namespace {

// An open-file-description lock on `length` bytes at `offset`: `type` is
// F_RDLCK, F_WRLCK or F_UNLCK. Waits for a conflicting lock to go; false when
// the lock cannot be taken (a file system without them, an interrupted wait).
bool rangeLock(int fd, short type, int64_t offset, int64_t length)
{
    struct flock lock {};
    lock.l_type = type;
    lock.l_whence = SEEK_SET;
    lock.l_start = offset;
    lock.l_len = length;
    return ::fcntl(fd, F_OFD_SETLKW, &lock) == 0;
}

} // namespace

bool File::writeAt(int64_t offset, const void *buffer, size_t size)
{
    const auto length = static_cast<int64_t>(size);
    const bool locked = size > 0 && rangeLock(fd_, F_WRLCK, offset, length);
    const auto *in = static_cast<const char *>(buffer);
    size_t done = 0;
    bool written = true;
    while (done < size) {
        ssize_t n = fileAccess().pwrite(
            fd_, in + done, size - done, offset + static_cast<int64_t>(done));
        if (n <= 0) {
            error_ = n < 0 ? errno : EIO;
            written = false;
            break;
        }
        done += static_cast<size_t>(n);
    }
    if (locked)
        rangeLock(fd_, F_UNLCK, offset, length);
    return written;
}

bool File::holdForReading(int64_t offset, int64_t length)
{
    return length > 0 && rangeLock(fd_, F_RDLCK, offset, length);
}

void File::releaseReading(int64_t offset, int64_t length)
{
    if (length > 0)
        rangeLock(fd_, F_UNLCK, offset, length);
}

bool File::append(const void *buffer, size_t size)
{
    const auto *in = static_cast<const char *>(buffer);
    size_t done = 0;
    while (done < size) {
        ssize_t n = fileAccess().write(fd_, in + done, size - done);
        if (n <= 0) {
            error_ = n < 0 ? errno : EIO;
            return false;
        }
        done += static_cast<size_t>(n);
    }
    return true;
}

bool File::sync()
{
    if (fileAccess().fsync(fd_) != 0) {
        error_ = errno;
        return false;
    }
    return true;
}

bool File::truncate(int64_t length)
{
    if (fileAccess().ftruncate(fd_, length) != 0) {
        error_ = errno;
        return false;
    }
    return true;
}

int File::permissions()
{
    struct stat st {};
    if (fd_ < 0 || fstat(fd_, &st) != 0) {
        error_ = fd_ < 0 ? EBADF : errno;
        return -1;
    }
    return static_cast<int>(st.st_mode & 0777);
}

bool File::setPermissions(mode_t mode)
{
    if (fd_ < 0 || ::fchmod(fd_, mode & 0777) != 0) {
        error_ = fd_ < 0 ? EBADF : errno;
        return false;
    }
    return true;
}

bool File::close()
{
    if (fd_ < 0)
        return true;
    int r = fileAccess().close(fd_);
    fd_ = -1;
    if (r != 0) {
        error_ = errno;
        return false;
    }
    return true;
}

bool fileExists(const std::string &path)
{
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool isDirectory(const std::string &path)
{
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

int64_t fileSize(const std::string &path)
{
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        return -1;
    return st.st_size;
}

std::optional<std::string> readWholeFile(const std::string &path)
{
    File file = File::open(path, File::Mode::Read);
    if (!file.isOpen())
        return std::nullopt;
    int64_t size = file.size();
    if (size < 0)
        return std::nullopt;
    std::string bytes(static_cast<size_t>(size), '\0');
    int64_t n = file.readSomeAt(0, bytes.data(), bytes.size());
    if (n < 0)
        return std::nullopt;
    bytes.resize(static_cast<size_t>(n));
    return bytes;
}

std::string parentDirectory(const std::string &path)
{
    auto slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    if (slash == 0)
        return "/";
    return path.substr(0, slash);
}

bool syncDirectory(const std::string &path)
{
    int fd = fileAccess().open(path, O_RDONLY | O_DIRECTORY, 0);
    if (fd < 0)
        return false;
    bool ok = fileAccess().fsync(fd) == 0;
    fileAccess().close(fd);
    return ok;
}

File createFreshFile(const std::string &path, mode_t mode)
{
    File file;
    const int flags = O_RDWR | O_CREAT | O_EXCL;
    file.fd_ = fileAccess().open(path, flags, kOwnerOnlyFileMode);
    if (file.fd_ < 0 && errno == EEXIST && fileAccess().unlink(path) == 0)
        file.fd_ = fileAccess().open(path, flags, kOwnerOnlyFileMode);
    if (file.fd_ < 0) {
        file.error_ = errno;
        return file;
    }
    if (!file.setPermissions(mode)) {
        const int err = file.error_;
        file.close();
        fileAccess().unlink(path);
        file.error_ = err;
    }
    return file;
}

bool makeFolders(const std::string &path)
{
    if (path.empty())
        return false;
    if (isDirectory(path))
        return true;
    const std::string parent = parentDirectory(path);
    if (parent != path && !makeFolders(parent))
        return false;
    if (::mkdir(path.c_str(), kOwnerOnlyFolderMode) == 0) {
        syncDirectory(parent);
        return true;
    }
    return errno == EEXIST && isDirectory(path);
}

mode_t replacedFileMode(const std::string &path, ReplacedMode mode)
{
    struct stat old {};
    if (mode == ReplacedMode::KeepOld && ::stat(path.c_str(), &old) == 0 && S_ISREG(old.st_mode))
        return old.st_mode & 0777;
    return kOwnerOnlyFileMode;
}

AtomicFileWriter::AtomicFileWriter(std::string path, mode_t permissions)
    : path_(std::move(path))
    , temporary_(path_ + ".new~")
    , file_(createFreshFile(temporary_, permissions))
{
    if (!file_.isOpen()) {
        const int err = file_.error();
        temporary_.clear(); // nothing of ours to remove
        fail("cannot create", err);
    }
}

AtomicFileWriter::AtomicFileWriter(const std::string &path, ReplacedMode mode)
    : AtomicFileWriter(path, replacedFileMode(path, mode))
{
}

AtomicFileWriter::~AtomicFileWriter()
{
    if (!committed_)
        abandon();
}

bool AtomicFileWriter::write(std::string_view bytes)
{
    if (!file_.isOpen())
        return fail("cannot write", errorNumber_ != 0 ? errorNumber_ : EBADF);
    if (!file_.writeAt(written_, bytes.data(), bytes.size()))
        return fail("cannot write", file_.error());
    written_ += static_cast<int64_t>(bytes.size());
    return true;
}

bool AtomicFileWriter::commit()
{
    if (!file_.isOpen())
        return fail("cannot write", errorNumber_ != 0 ? errorNumber_ : EBADF);
    if (!file_.sync())
        return fail("cannot sync", file_.error());
    if (!file_.close())
        return fail("cannot close", file_.error());
    if (fileAccess().rename(temporary_, path_) != 0)
        return fail("cannot replace", errno);
    committed_ = true;
    if (!syncDirectory(parentDirectory(path_)))
        return fail("cannot sync the folder of", errno);
    return true;
}

bool AtomicFileWriter::fail(const char *step, int err)
{
    // The first failure is the one worth telling; later calls only repeat it.
    if (errorNumber_ == 0) {
        errorNumber_ = err;
        error_ = std::string(step) + " " + path_ + ": " + errorText(err);
    }
    if (!committed_)
        abandon();
    return false;
}

void AtomicFileWriter::abandon()
{
    file_.close();
    if (!temporary_.empty())
        fileAccess().unlink(temporary_);
    temporary_.clear();
}

bool replaceFileAtomically(const std::string &path, std::string_view bytes, std::string *error,
                           ReplacedMode mode)
{
    AtomicFileWriter writer(path, mode);
    if (writer.write(bytes) && writer.commit())
        return true;
    if (error)
        *error = writer.error();
    return false;
}

bool copyToNewFile(const std::string &from, const std::string &to, int *errorNumber,
                   std::string *error)
{
    int created = -1;
    auto fail = [&](const char *step, const std::string &path, int err) {
        if (created >= 0) {
            fileAccess().close(created);
            fileAccess().unlink(to);
        }
        if (errorNumber)
            *errorNumber = err;
        if (error)
            *error = std::string(step) + " " + path + ": " + errorText(err);
        return false;
    };
    File source = File::open(from, File::Mode::Read);
    if (!source.isOpen())
        return fail("cannot open", from, source.error());
    created = fileAccess().open(to, O_WRONLY | O_CREAT | O_EXCL, kOwnerOnlyFileMode);
    if (created < 0) {
        const int err = errno;
        return fail("cannot create", to, err);
    }
    // Whatever the umask, the copy is the shop's alone.
    ::fchmod(created, kOwnerOnlyFileMode);
    char buffer[64 * 1024];
    for (int64_t offset = 0;;) {
        const int64_t read = source.readSomeAt(offset, buffer, sizeof buffer);
        if (read < 0)
            return fail("cannot read", from, source.error());
        if (read == 0)
            break;
        for (int64_t done = 0; done < read;) {
            const ssize_t n = fileAccess().pwrite(created, buffer + done,
                                                  static_cast<size_t>(read - done), offset + done);
            if (n <= 0)
                return fail("cannot write", to, n < 0 ? errno : EIO);
            done += n;
        }
        offset += read;
    }
    if (fileAccess().fsync(created) != 0)
        return fail("cannot sync", to, errno);
    const int closing = created;
    created = -1;
    if (fileAccess().close(closing) != 0) {
        const int err = errno;
        fileAccess().unlink(to);
        return fail("cannot close", to, err);
    }
    if (!syncDirectory(parentDirectory(to)))
        return fail("cannot sync the folder of", to, errno);
    return true;
}

} // namespace ovix
