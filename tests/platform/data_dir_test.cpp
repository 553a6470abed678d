#include "platform/data_dir.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace ovix;
using ovix::test::TempDir;

TEST(DataDir, FindsFilesAndFoldersWhateverTheirCase)
{
    TempDir dir;
    test::writeBytes(dir.file("FILM.DAT"), "items");
    test::writeBytes(dir.file("wr.cfg"), "config");
    ASSERT_EQ(mkdir(dir.file("2026").c_str(), 0755), 0);
    ASSERT_EQ(mkdir(dir.file("2026/12").c_str(), 0755), 0);
    ASSERT_EQ(mkdir(dir.file("2026/12/8").c_str(), 0755), 0);
    test::writeBytes(dir.file("2026/12/8/X"), "upper");
    ASSERT_EQ(mkdir(dir.file("Backup").c_str(), 0755), 0);
    test::writeBytes(dir.file("Backup/Member.Dat"), "m");

    DataDir data(dir.path() + "/");
    EXPECT_EQ(data.root(), dir.path());
    EXPECT_EQ(data.path("film.dat"), dir.file("FILM.DAT"));
    EXPECT_EQ(data.path("FILM.DAT"), dir.file("FILM.DAT"));
    EXPECT_EQ(data.path("WR.CFG"), dir.file("wr.cfg"));
    EXPECT_EQ(data.path("2026/12/8/x"), dir.file("2026/12/8/X"));
    EXPECT_EQ(data.path("BACKUP/member.dat"), dir.file("Backup/Member.Dat"));
    EXPECT_EQ(data.path("backup"), dir.file("Backup"));
}

TEST(DataDir, MissingNamesComeBackAsGiven)
{
    TempDir dir;
    ASSERT_EQ(mkdir(dir.file("2026").c_str(), 0755), 0);
    DataDir data(dir.path());
    EXPECT_EQ(data.path("member.dat"), dir.file("member.dat"));
    EXPECT_EQ(data.path("2026/3/5/saleslog.dat"), dir.file("2026/3/5/saleslog.dat"));
    EXPECT_EQ(data.path("STOCK1.bmp"), dir.file("STOCK1.bmp"));
}

TEST(DataDir, ForgetsAFileThatWasRenamedOrRemoved)
{
    TempDir dir;
    test::writeBytes(dir.file("FILM.DAT"), "items");
    DataDir data(dir.path());
    ASSERT_EQ(data.path("film.dat"), dir.file("FILM.DAT"));
    ASSERT_EQ(std::rename(dir.file("FILM.DAT").c_str(), dir.file("Film.Dat").c_str()), 0);
    EXPECT_EQ(data.path("film.dat"), dir.file("Film.Dat"));
    ASSERT_EQ(std::remove(dir.file("Film.Dat").c_str()), 0);
    EXPECT_EQ(data.path("film.dat"), dir.file("film.dat"));
}
