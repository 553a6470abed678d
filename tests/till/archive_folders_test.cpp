#include "platform/clock.h"
#include "platform/data_dir.h"
#include "platform/scripted_messages.h"
#include "support/test_support.h"
#include "till/logic/archive_folders.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace ovix;
using ovix::test::TempDir;

namespace {

LocalTime at(int year, int month, int day, int hour, int minute)
{
    LocalTime time;
    time.year = year;
    time.month = month;
    time.day = day;
    time.hour = hour;
    time.minute = minute;
    return time;
}

bool isFolder(const std::string &path)
{
    return std::filesystem::is_directory(path);
}

} // namespace

TEST(ArchiveFolders, NewDayOfANewYearGetsAllThreeLevels)
{
    TempDir dir;
    ScriptedMessages messages;
    EXPECT_TRUE(ensureArchiveFolders(DataDir(dir.path()), at(2014, 10, 7, 9, 5), messages));
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_TRUE(isFolder(dir.file("2014/10/7")));
    EXPECT_EQ(test::readBytes(dir.file("2014/base.dat")), std::string(4, '\0'));
    EXPECT_EQ(test::readBytes(dir.file("2014/10/base.dat")), "09:05");
    EXPECT_EQ(test::readBytes(dir.file("2014/10/7/base.dat")), "09:05");
    EXPECT_EQ(dayFolderName(2014, 1, 2), "2014/1/2");
}

TEST(ArchiveFolders, ExistingFilesAreLeftAsTheyAre)
{
    TempDir dir;
    std::filesystem::create_directories(dir.file("2014/10/6"));
    std::string yearIndex(4 + 12, '\0');
    test::putI32(yearIndex, 4, 17);
    test::putI32(yearIndex, 8, 6);
    test::putI32(yearIndex, 12, 10);
    test::writeBytes(dir.file("2014/BASE.DAT"), yearIndex);
    test::writeBytes(dir.file("2014/10/base.dat"), "08:00");

    ScriptedMessages messages;
    ASSERT_TRUE(ensureArchiveFolders(DataDir(dir.path()), at(2014, 10, 7, 13, 45), messages));
    EXPECT_EQ(test::readBytes(dir.file("2014/BASE.DAT")), yearIndex);
    EXPECT_FALSE(std::filesystem::exists(dir.file("2014/base.dat")));
    EXPECT_EQ(test::readBytes(dir.file("2014/10/base.dat")), "08:00");
    EXPECT_EQ(test::readBytes(dir.file("2014/10/7/base.dat")), "13:45");

    // Called again later the same day: nothing changes.
    ASSERT_TRUE(ensureArchiveFolders(DataDir(dir.path()), at(2014, 10, 7, 18, 0)));
    EXPECT_EQ(test::readBytes(dir.file("2014/10/7/base.dat")), "13:45");
}

TEST(ArchiveFolders, LostYearIndexUnderAnExistingDayIsMadeWithItsHeader)
{
    TempDir dir;
    std::filesystem::create_directories(dir.file("2014/10/7"));
    test::writeBytes(dir.file("2014/10/base.dat"), "08:00");
    test::writeBytes(dir.file("2014/10/7/base.dat"), "08:00");
    ASSERT_TRUE(ensureArchiveFolders(DataDir(dir.path()), at(2014, 10, 7, 9, 0)));
    EXPECT_EQ(test::readBytes(dir.file("2014/base.dat")), std::string(4, '\0'));
}

TEST(ArchiveFolders, AFileInThePlaceOfAFolderIsReported)
{
    TempDir dir;
    test::writeBytes(dir.file("2014"), "not a folder");
    ScriptedMessages messages;
    EXPECT_FALSE(ensureArchiveFolders(DataDir(dir.path()), at(2014, 10, 7, 9, 0), messages));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.lastText(), "Unable to create year log directory");
    EXPECT_EQ(messages.lastCaption(), "Fatal error");
    EXPECT_EQ(test::readBytes(dir.file("2014")), "not a folder");

    TempDir other;
    std::filesystem::create_directories(other.file("2014/10"));
    test::writeBytes(other.file("2014/10/7"), "x");
    ScriptedMessages dayMessages;
    EXPECT_FALSE(
        ensureArchiveFolders(DataDir(other.path()), at(2014, 10, 7, 9, 0), dayMessages));
    EXPECT_EQ(dayMessages.lastText(), "Unable to create day log directory");
}
