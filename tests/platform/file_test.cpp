#include "platform/file.h"
#include "platform/file_access.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

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
