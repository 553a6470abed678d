#include "platform/clock.h"
#include "platform/data_dir.h"
#include "platform/scripted_messages.h"
#include "support/test_support.h"
#include "sales/logic/archive_folders.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace ovix;
using ovix::test::TempDir;

namespace {

LocalTime at(int hour, int minute)
{
    LocalTime time;
    time.year = 2014;
    time.month = 10;
    time.day = 7;
    time.hour = hour;
    time.minute = minute;
    return time;
}

} // namespace

TEST(ArchiveFolders, NewDayOfANewYearGetsAllThreeLevels)
{
    TempDir dir;
    ScriptedMessages messages;
    EXPECT_TRUE(ensureArchiveFolders(DataDir(dir.path()), at(9, 5), messages));
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(test::readBytes(dir.file("2014/base.dat")), std::string(4, '\0'));
    EXPECT_EQ(test::readBytes(dir.file("2014/10/base.dat")), "09:05");
    EXPECT_EQ(test::readBytes(dir.file("2014/10/7/base.dat")), "09:05");
}

TEST(ArchiveFolders, ExistingFilesAreLeftAndMissingOnesMade)
{
    TempDir dir;
    std::filesystem::create_directories(dir.file("2014/10/7"));
    std::string yearIndex(16, '\0');
    test::putI32(yearIndex, 4, 17);
    test::writeBytes(dir.file("2014/BASE.DAT"), yearIndex);
    test::writeBytes(dir.file("2014/10/base.dat"), "08:00");
    ASSERT_TRUE(ensureArchiveFolders(DataDir(dir.path()), at(13, 45)));
    EXPECT_EQ(test::readBytes(dir.file("2014/BASE.DAT")), yearIndex);
    EXPECT_FALSE(std::filesystem::exists(dir.file("2014/base.dat")));
    EXPECT_EQ(test::readBytes(dir.file("2014/10/base.dat")), "08:00");
    EXPECT_EQ(test::readBytes(dir.file("2014/10/7/base.dat")), "13:45");

    // A year index lost under an existing day is made again with its header.
    std::filesystem::remove(dir.file("2014/BASE.DAT"));
    ASSERT_TRUE(ensureArchiveFolders(DataDir(dir.path()), at(18, 0)));
    EXPECT_EQ(test::readBytes(dir.file("2014/base.dat")), std::string(4, '\0'));
    EXPECT_EQ(test::readBytes(dir.file("2014/10/7/base.dat")), "13:45");
}

TEST(ArchiveFolders, AFileInThePlaceOfAFolderIsReported)
{
    TempDir dir;
    test::writeBytes(dir.file("2014"), "not a folder");
    ScriptedMessages messages;
    EXPECT_FALSE(ensureArchiveFolders(DataDir(dir.path()), at(9, 0), messages));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.lastText(), "Unable to create year log directory");
    EXPECT_EQ(messages.lastCaption(), "Fatal error");
    EXPECT_EQ(test::readBytes(dir.file("2014")), "not a folder");
}
