#include "platform/file.h"
#include "platform/file_access.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <cerrno>

using namespace ovix;
using ovix::test::TempDir;

TEST(AtomicReplace, FailedWriteOrSyncKeepsTheOldFile)
{
    TempDir dir;
    const std::string path = dir.file("wr.cfg");
    test::writeBytes(path, "old contents");
    for (int n = 1; n <= 3; ++n) {
        FaultyFileAccess faulty;
        faulty.faultWriteNumber(n, FaultyFileAccess::Mode::Fail);
        setFileAccess(&faulty);
        std::string error;
        bool ok = replaceFileAtomically(path, "new contents", &error);
        setFileAccess(nullptr);
        if (n <= 2) { // the data write and the rename
            EXPECT_FALSE(ok) << n;
            EXPECT_FALSE(error.empty());
            EXPECT_EQ(test::readBytes(path), "old contents");
        } else {
            EXPECT_TRUE(ok);
            EXPECT_EQ(test::readBytes(path), "new contents");
            test::writeBytes(path, "old contents");
        }
        EXPECT_FALSE(fileExists(path + ".new~"));
    }
    FaultyFileAccess faulty;
    faulty.faultSyncNumber(1, FaultyFileAccess::Mode::Fail);
    setFileAccess(&faulty);
    EXPECT_FALSE(replaceFileAtomically(path, "new contents"));
    setFileAccess(nullptr);
    EXPECT_EQ(test::readBytes(path), "old contents");
}

TEST(File, ShortReadsAreFailures)
{
    TempDir dir;
    const std::string path = dir.file("film.dat");
    std::string record(10, '\0');
    test::putText(record, 0, "ABCDEFGHIJ");
    test::writeBytes(path, record);

    File file = File::open(path, File::Mode::Read);
    ASSERT_TRUE(file.isOpen());
    EXPECT_EQ(file.size(), 10);
    char buffer[8] = {};
    EXPECT_TRUE(file.readAt(2, buffer, 8));
    EXPECT_EQ(std::string(buffer, 8), "CDEFGHIJ");
    EXPECT_FALSE(file.readAt(3, buffer, 8)); // one byte short
    EXPECT_EQ(file.error(), EIO);
    EXPECT_FALSE(file.readAt(10, buffer, 1)); // at the end
    EXPECT_EQ(file.readSomeAt(6, buffer, 8), 4);
    EXPECT_EQ(std::string(buffer, 4), "GHIJ");
    EXPECT_EQ(file.readSomeAt(50, buffer, 8), 0);
}

TEST(File, MissingFilesAreReportedNotCreated)
{
    TempDir dir;
    const std::string path = dir.file("member.dat");
    File read = File::open(path, File::Mode::Read);
    EXPECT_FALSE(read.isOpen());
    EXPECT_EQ(read.error(), ENOENT);
    File write = File::open(path, File::Mode::ReadWrite);
    EXPECT_FALSE(write.isOpen());
    EXPECT_FALSE(fileExists(path));
    EXPECT_FALSE(readWholeFile(path).has_value());
    EXPECT_EQ(fileSize(path), -1);
    EXPECT_FALSE(File::open(dir.file("no/such/folder/x"), File::Mode::Append).isOpen());
}

TEST(File, AppendAddsAtTheEndAndCreatesTheFile)
{
    TempDir dir;
    const std::string path = dir.file("bun4.dat");
    {
        File file = File::open(path, File::Mode::Append);
        ASSERT_TRUE(file.isOpen());
        EXPECT_TRUE(file.append("first\r\n", 7));
    }
    {
        File file = File::open(path, File::Mode::Append);
        EXPECT_TRUE(file.append("second\r\n", 8));
        EXPECT_TRUE(file.close());
    }
    EXPECT_EQ(test::readBytes(path), "first\r\nsecond\r\n");
    EXPECT_EQ(fileSize(path), 15);
    EXPECT_EQ(readWholeFile(path).value_or(""), "first\r\nsecond\r\n");
}

TEST(File, RecordsAreRewrittenInPlace)
{
    TempDir dir;
    const std::string path = dir.file("film.dat");
    test::writeBytes(path, std::string(12, 'a'));
    File file = File::open(path, File::Mode::ReadWrite);
    ASSERT_TRUE(file.isOpen());
    EXPECT_TRUE(file.writeAt(4, "bbbb", 4));
    EXPECT_TRUE(file.writeAt(12, "cc", 2)); // the next slot grows the file
    EXPECT_TRUE(file.sync());
    file.close();
    EXPECT_EQ(test::readBytes(path), "aaaabbbbaaaacc");

    File created = File::open(dir.file("mans.dat"), File::Mode::ReadWriteCreate);
    ASSERT_TRUE(created.isOpen());
    EXPECT_EQ(created.size(), 0);
    EXPECT_TRUE(created.truncate(3));
    EXPECT_EQ(created.size(), 3);
}

TEST(File, FailedWritesAreReportedWithTheirError)
{
    TempDir dir;
    const std::string path = dir.file("film.dat");
    test::writeBytes(path, "12345678");
    FaultyFileAccess faulty;
    faulty.faultWriteNumber(1, FaultyFileAccess::Mode::Fail);
    setFileAccess(&faulty);
    File file = File::open(path, File::Mode::ReadWrite);
    EXPECT_FALSE(file.writeAt(0, "xx", 2));
    EXPECT_EQ(file.error(), EIO);
    EXPECT_TRUE(file.writeAt(0, "yy", 2));
    file.close();
    setFileAccess(nullptr);
    EXPECT_EQ(test::readBytes(path), "yy345678");
    EXPECT_EQ(faulty.writes(), 2);
}

TEST(File, PathHelpers)
{
    EXPECT_EQ(parentDirectory("a/b/c.dat"), "a/b");
    EXPECT_EQ(parentDirectory("c.dat"), ".");
    EXPECT_EQ(parentDirectory("/c.dat"), "/");
    TempDir dir;
    EXPECT_TRUE(isDirectory(dir.path()));
    EXPECT_FALSE(fileExists(dir.path()));
    EXPECT_TRUE(syncDirectory(dir.path()));
    EXPECT_FALSE(syncDirectory(dir.file("missing")));
}
