// A file replaced in parts is the old file or the new one, never a mixture,
// and the new one is on the disk with its folder before the writer says so.

#include "platform/file.h"
#include "platform/file_access.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

using namespace ovix;
using ovix::test::TempDir;

namespace {

const std::string kOld = "old stock list\r\n";
const char *const kParts[] = { "<document>\r\n", "", "<item>1042</item>\r\n", "</document>" };
const std::string kNew = "<document>\r\n<item>1042</item>\r\n</document>";

// Writes every part and commits, stopping at the first failure.
bool replaceInParts(AtomicFileWriter &out)
{
    for (const char *part : kParts) {
        if (!out.write(part))
            return false;
    }
    return out.commit();
}

struct CrashContext {
    std::string path;
    int write = 0;
    int sync = 0;
};

void replaceAndCrash(void *context)
{
    auto *c = static_cast<CrashContext *>(context);
    FaultyFileAccess faulty;
    faulty.faultWriteNumber(c->write, FaultyFileAccess::Mode::Crash);
    faulty.faultSyncNumber(c->sync, FaultyFileAccess::Mode::Crash);
    setFileAccess(&faulty);
    AtomicFileWriter out(c->path, ReplacedMode::KeepOld);
    replaceInParts(out);
}

} // namespace

TEST(AtomicFileWriter, PartsReplaceTheFileOnlyAtCommitWithFileAndFolderSynced)
{
    TempDir dir;
    const std::string path = dir.file("inventor.xml");
    test::writeBytes(path, kOld);
    FaultyFileAccess counting;
    setFileAccess(&counting);
    {
        AtomicFileWriter out(path);
        ASSERT_TRUE(out.isOpen()) << out.error();
        for (const char *part : kParts)
            ASSERT_TRUE(out.write(part));
        EXPECT_EQ(test::readBytes(path), kOld);
        EXPECT_TRUE(out.commit()) << out.error();
        EXPECT_TRUE(out.error().empty());
        EXPECT_FALSE(out.write("more")) << "a committed file takes no more bytes";
    }
    setFileAccess(nullptr);
    EXPECT_EQ(test::readBytes(path), kNew);
    EXPECT_FALSE(fileExists(path + ".new~"));
    EXPECT_EQ(counting.writes(), 4) << "three non-empty parts and the rename";
    EXPECT_EQ(counting.syncs(), 2) << "the file, then its folder";

    // A file that was not there is made.
    const std::string fresh = dir.file("inventor.csv");
    AtomicFileWriter out(fresh);
    EXPECT_TRUE(replaceInParts(out));
    EXPECT_EQ(test::readBytes(fresh), kNew);
}

TEST(AtomicFileWriter, AFailureAtAnyStepIsToldAndLeavesTheOldFile)
{
    const struct Case {
        int write;
        int sync;
        const char *told; // the start of error()
        bool replaced;    // the new file is in place all the same
    } cases[] = {
        { 1, 0, "cannot write ", false },   // the first part
        { 3, 0, "cannot write ", false },   // the last part
        { 4, 0, "cannot replace ", false }, // the rename
        { 0, 1, "cannot sync ", false },    // the file
        { 0, 2, "cannot sync the folder of ", true },
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << "write " << c.write << " sync " << c.sync);
        TempDir dir;
        const std::string path = dir.file("inventor.dat");
        test::writeBytes(path, kOld);
        FaultyFileAccess faulty;
        faulty.faultWriteNumber(c.write, FaultyFileAccess::Mode::Fail);
        faulty.faultSyncNumber(c.sync, FaultyFileAccess::Mode::Fail);
        setFileAccess(&faulty);
        AtomicFileWriter out(path);
        const bool done = replaceInParts(out);
        // Nothing more is written once a step has failed.
        const bool later = out.write("late part") || out.commit();
        setFileAccess(nullptr);
        EXPECT_FALSE(done);
        EXPECT_FALSE(later);
        EXPECT_EQ(out.error().rfind(c.told, 0), 0u) << out.error();
        EXPECT_NE(out.error().find(path + ": "), std::string::npos) << out.error();
        EXPECT_EQ(out.errorNumber(), EIO);
        EXPECT_EQ(test::readBytes(path), c.replaced ? kNew : kOld);
        EXPECT_FALSE(fileExists(path + ".new~"));
    }
}

TEST(AtomicFileWriter, AWriterGivenUpBeforeCommitLeavesTheOldFile)
{
    TempDir dir;
    const std::string path = dir.file("inventor.dat");
    test::writeBytes(path, kOld);
    {
        AtomicFileWriter out(path);
        ASSERT_TRUE(out.write("half of the new"));
        EXPECT_TRUE(fileExists(path + ".new~"));
    }
    EXPECT_EQ(test::readBytes(path), kOld);
    EXPECT_FALSE(fileExists(path + ".new~"));

    // A temporary file that cannot be made is told at once, and nothing of
    // another's is removed.
    const std::string nowhere = dir.file("missing/inventor.dat");
    AtomicFileWriter out(nowhere);
    EXPECT_FALSE(out.isOpen());
    EXPECT_EQ(out.errorNumber(), ENOENT);
    EXPECT_EQ(out.error(), "cannot create " + nowhere + ": " + std::strerror(ENOENT));
    EXPECT_FALSE(out.write("x"));
    EXPECT_FALSE(out.commit());
    EXPECT_EQ(out.error(), "cannot create " + nowhere + ": " + std::strerror(ENOENT));
}

// A power cut at any write or sync: the file read afterwards is the old one
// or the new one, whole; the temporary file it may leave is replaced, not
// written through, by the next writer.
TEST(AtomicFileWriter, ACrashAtAnyStepLeavesTheOldFileOrTheNewOneWhole)
{
    std::vector<CrashContext> crashes;
    for (int n = 1; n <= 4; ++n)
        crashes.push_back({ "", n, 0 });
    for (int n = 1; n <= 2; ++n)
        crashes.push_back({ "", 0, n });
    for (CrashContext &crash : crashes) {
        SCOPED_TRACE(testing::Message() << "write " << crash.write << " sync " << crash.sync);
        TempDir dir;
        crash.path = dir.file("inventor.dat");
        test::writeBytes(crash.path, kOld);
        ASSERT_EQ(test::runInChild(replaceAndCrash, &crash), FaultyFileAccess::kCrashExitCode);
        const std::string after = test::readBytes(crash.path);
        EXPECT_TRUE(after == kOld || after == kNew) << after;
        // Only a crash after the rename finds the new file.
        EXPECT_EQ(after == kNew, crash.sync == 2);

        AtomicFileWriter again(crash.path);
        EXPECT_TRUE(again.write("next cycle") && again.commit()) << again.error();
        EXPECT_EQ(test::readBytes(crash.path), "next cycle");
        EXPECT_FALSE(fileExists(crash.path + ".new~"));
    }
}
