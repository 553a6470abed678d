// The shop's files stay its own: files the programs create are owner-only,
// and replacing a file never leaves it more open than it was, not even for
// the moment the temporary file exists.

#include "platform/file.h"
#include "platform/file_access.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

using namespace ovix;
using ovix::test::TempDir;

namespace {

int modeOf(const std::string &path)
{
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0)
        return -1;
    return static_cast<int>(st.st_mode & 0777);
}

// The common umask of a desktop account, which would leave new files 0644.
class SharedUmask {
public:
    SharedUmask() : old_(::umask(022)) { }
    ~SharedUmask() { ::umask(old_); }

private:
    mode_t old_;
};

// Notes the permission bits of every file written, at each write and sync.
class ModeWatchingAccess : public FileAccess {
public:
    ssize_t pwrite(int fd, const void *buffer, size_t size, off_t offset) override
    {
        note(fd);
        return FileAccess::pwrite(fd, buffer, size, offset);
    }
    int fsync(int fd) override
    {
        note(fd);
        return FileAccess::fsync(fd);
    }

    int loosest = 0; // every bit seen on any written file, owner bits included
    int regularFilesSeen = 0;

private:
    void note(int fd)
    {
        struct stat st {};
        if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) {
            loosest |= static_cast<int>(st.st_mode & 0777);
            ++regularFilesSeen;
        }
    }
};

} // namespace

TEST(FileModes, ReplacingKeepsTheOldModeAndTheTemporaryFileNeverHasMore)
{
    SharedUmask umask;
    struct Case {
        int oldMode; // -1: no old file
        ReplacedMode choice;
        int expected;
    };
    const Case cases[] = {
        { 0600, ReplacedMode::KeepOld, 0600 },
        { 0640, ReplacedMode::KeepOld, 0640 },
        { 0644, ReplacedMode::KeepOld, 0644 },
        { 0400, ReplacedMode::KeepOld, 0400 },
        { -1, ReplacedMode::KeepOld, 0600 },
        { 0644, ReplacedMode::OwnerOnly, 0600 },
        { -1, ReplacedMode::OwnerOnly, 0600 },
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << std::oct << c.oldMode << " choice "
                                        << static_cast<int>(c.choice));
        TempDir dir;
        const std::string path = dir.file("wr.cfg");
        if (c.oldMode >= 0) {
            test::writeBytes(path, "old");
            ASSERT_EQ(::chmod(path.c_str(), static_cast<mode_t>(c.oldMode)), 0);
        }
        ModeWatchingAccess watching;
        setFileAccess(&watching);
        const bool replaced = replaceFileAtomically(path, "new bytes", nullptr, c.choice);
        setFileAccess(nullptr);
        ASSERT_TRUE(replaced);
        EXPECT_EQ(test::readBytes(path), "new bytes");
        EXPECT_EQ(modeOf(path), c.expected);
        EXPECT_GE(watching.regularFilesSeen, 2);
        EXPECT_EQ(watching.loosest & ~c.expected, 0) << std::oct << watching.loosest;
    }
}

TEST(FileModes, AStaleTemporaryFileOrLinkIsReplacedNotWrittenThrough)
{
    SharedUmask umask;
    TempDir dir;
    const std::string path = dir.file("vx.cfg");
    test::writeBytes(path, "old");
    ASSERT_EQ(::chmod(path.c_str(), 0600), 0);

    // A temporary file left by a crash, open to everyone.
    test::writeBytes(path + ".new~", "stale temporary bytes, longer than the new ones");
    ASSERT_EQ(::chmod((path + ".new~").c_str(), 0666), 0);
    ASSERT_TRUE(replaceFileAtomically(path, "secret", nullptr, ReplacedMode::OwnerOnly));
    EXPECT_EQ(test::readBytes(path), "secret");
    EXPECT_EQ(modeOf(path), 0600);

    // A link under the temporary name must not carry the bytes elsewhere.
    test::writeBytes(dir.file("film.dat"), "item records");
    ASSERT_EQ(::symlink(dir.file("film.dat").c_str(), (path + ".new~").c_str()), 0);
    ASSERT_TRUE(replaceFileAtomically(path, "secret 2"));
    EXPECT_EQ(test::readBytes(dir.file("film.dat")), "item records");
    EXPECT_EQ(test::readBytes(path), "secret 2");
    EXPECT_EQ(modeOf(path), 0600);
    EXPECT_EQ(modeOf(path + ".new~"), -1);
}

TEST(FileModes, CreatedFilesAndFoldersAreTheShopsAlone)
{
    SharedUmask umask;
    TempDir dir;
    const File::Mode creating[]
        = { File::Mode::ReadWriteCreate, File::Mode::Append, File::Mode::Truncate };
    int n = 0;
    for (File::Mode mode : creating) {
        const std::string path = dir.file("new" + std::to_string(n++) + ".dat");
        EXPECT_TRUE(File::open(path, mode).isOpen());
        EXPECT_EQ(modeOf(path), 0600) << path;
    }
    // An existing file opened to be rewritten keeps its mode.
    test::writeBytes(dir.file("bun4.dat"), "log");
    ASSERT_EQ(::chmod(dir.file("bun4.dat").c_str(), 0640), 0);
    EXPECT_TRUE(File::open(dir.file("bun4.dat"), File::Mode::Append).isOpen());
    EXPECT_EQ(modeOf(dir.file("bun4.dat")), 0640);

    File fresh = createFreshFile(dir.file("copy.dat"), 0640);
    ASSERT_TRUE(fresh.isOpen());
    EXPECT_EQ(fresh.permissions(), 0640);

    EXPECT_TRUE(makeFolders(dir.file("printouts/2026/3")));
    EXPECT_EQ(modeOf(dir.file("printouts")), 0700);
    EXPECT_EQ(modeOf(dir.file("printouts/2026/3")), 0700);
    EXPECT_TRUE(makeFolders(dir.file("printouts"))); // already there
    test::writeBytes(dir.file("plain"), "");
    EXPECT_FALSE(makeFolders(dir.file("plain/below")));
}

// A copy streamed into place takes the mode of the file it was made from,
// whatever the mode of the file it replaces, from its first byte on.
TEST(FileModes, AStreamedReplacementHasTheModeItWasGivenFromTheStart)
{
    SharedUmask umask;
    struct Case {
        int oldMode; // -1: no old file, -2: a link to another file under the temporary name
        mode_t given;
    };
    const Case cases[] = {
        { 0666, 0600 }, { 0600, 0640 }, { -1, 0640 }, { -1, 0600 }, { -2, 0600 },
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << std::oct << c.oldMode << " given " << c.given);
        TempDir dir;
        const std::string path = dir.file("inventor.dat");
        test::writeBytes(dir.file("film.dat"), "item records");
        if (c.oldMode >= 0) {
            test::writeBytes(path, "old copy");
            ASSERT_EQ(::chmod(path.c_str(), static_cast<mode_t>(c.oldMode)), 0);
        }
        if (c.oldMode == -2) {
            ASSERT_EQ(::symlink(dir.file("film.dat").c_str(), (path + ".new~").c_str()), 0);
        }
        ModeWatchingAccess watching;
        setFileAccess(&watching);
        AtomicFileWriter out(path, c.given);
        const bool replaced = out.write("new ") && out.write("copy") && out.commit();
        setFileAccess(nullptr);
        ASSERT_TRUE(replaced) << out.error();
        EXPECT_EQ(test::readBytes(path), "new copy");
        EXPECT_EQ(modeOf(path), static_cast<int>(c.given));
        EXPECT_EQ(watching.regularFilesSeen, 3);
        EXPECT_EQ(watching.loosest & ~static_cast<int>(c.given), 0) << std::oct << watching.loosest;
        EXPECT_EQ(test::readBytes(dir.file("film.dat")), "item records");
        EXPECT_EQ(modeOf(path + ".new~"), -1);
    }
}
