#include "platform/data_dir.h"
#include "platform/file.h"
#include "platform/scripted_messages.h"
#include "sales/logic/archive_folders.h"
#include "sales/logic/history_purge.h"
#include "support/start_fixture.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <string>
#include <vector>

using namespace ovix;

namespace {

using namespace ovix::test;

// Archive days with all five of a day's files, as sales, a closeout and stock
// receiving leave them.
void makeDay(const std::string &root, int year, int month, int day)
{
    ASSERT_TRUE(ensureArchiveFolders(DataDir(root), at(year, month, day)));
    const std::string folder = root + "/" + dayFolderName(year, month, day);
    for (const char *name : {"saleslog.dat", "itemslog.dat", "thedaily.dat", "ininvent.dat"})
        writeBytes(folder + "/" + name, std::string(104, 'x'));
}

std::vector<std::string> namesIn(const std::string &root)
{
    std::vector<std::string> names;
    for (const auto &[name, bytes] : snapshot(root))
        names.push_back(name);
    return names;
}

TEST(HistoryPurge, RemovesTheYearsBackToTheFirstMissingOneAndNothingElse)
{
    const struct {
        const char *name;
        int thisYear;
        std::vector<int> years;    // archive years present
        std::vector<int> leftYears; // of those, still there afterwards
    } cases[] = {
        {"this year and the last, none before", 2024, {2024, 2023, 2021}, {2021}},
        {"no folder yet this year", 2024, {2023}, {}},
        {"three years in a row", 2025, {2025, 2024, 2023}, {}},
        {"a clock before 2000", 1999, {2024}, {2024}},
        {"down to 2000 and no further", 2001, {2001, 2000}, {}},
    };
    for (const auto &c : cases) {
        TempDir shop;
        writeBytes(shop.file("film.dat"), std::string(1874, '\1'));
        writeBytes(shop.file("wr.cfg"), std::string(42550, '\2'));
        std::filesystem::create_directory(shop.file("printouts"));
        writeBytes(shop.file("printouts/report.pdf"), "%PDF");
        for (int year : c.years) {
            makeDay(shop.path(), year, 1, 31);
            makeDay(shop.path(), year, 12, 1);
        }
        Files expected;
        for (const auto &[name, bytes] : snapshot(shop.path())) {
            const bool archive = name.size() >= 4 && std::isdigit(static_cast<unsigned char>(name[0]));
            const int year = archive ? std::stoi(name.substr(0, 4)) : 0;
            if (!archive || std::find(c.leftYears.begin(), c.leftYears.end(), year) != c.leftYears.end())
                expected[name] = bytes;
        }
        ScriptedMessages messages;
        EXPECT_TRUE(purgeSalesHistory(DataDir(shop.path()), c.thisYear, messages)) << c.name;
        EXPECT_TRUE(messages.shown.empty()) << c.name;
        EXPECT_EQ(snapshot(shop.path()), expected) << c.name;
    }
}

TEST(HistoryPurge, AFolderHoldingOtherFilesStaysAndIsToldAndTheRestGoes)
{
    TempDir shop;
    makeDay(shop.path(), 2024, 3, 5);
    makeDay(shop.path(), 2024, 3, 6);
    makeDay(shop.path(), 2023, 7, 1);
    writeBytes(shop.file("2024/3/5/notes.txt"), "kept");
    // Copied in from another machine: names in upper case.
    std::filesystem::rename(shop.file("2024/3/6/saleslog.dat"), shop.file("2024/3/6/SALESLOG.DAT"));

    ScriptedMessages messages;
    EXPECT_FALSE(purgeSalesHistory(DataDir(shop.path()), 2024, messages));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.lastText(), "Please manually delete the 2024 folder");
    EXPECT_EQ(messages.lastCaption(), "Unable to complete purge, access denied");
    // The year before still goes: it is found by its own base.dat.
    const std::vector<std::string> expected = {"2024", "2024/3", "2024/3/5", "2024/3/5/notes.txt"};
    EXPECT_EQ(namesIn(shop.path()), expected);
}

} // namespace

// A restore's purge cut short by a crash is finished by the next start: the
// mark that came in with the restored files says so.
TEST(HistoryPurge, TheNextStartFinishesAPurgeThatARestoreBegan)
{
    TempDir shop;
    makeDay(shop.path(), 2024, 3, 4);
    writeBytes(shop.file("film.dat"), std::string(1874, '\1'));
    const Files unmarked = snapshot(shop.path());
    ScriptedMessages messages;
    EXPECT_TRUE(finishPendingPurge(DataDir(shop.path()), 2024, messages));
    EXPECT_EQ(snapshot(shop.path()), unmarked) << "no mark, nothing purged";

    writeBytes(shop.file(kHistoryPurgeMark), "mark");
    EXPECT_TRUE(finishPendingPurge(DataDir(shop.path()), 2024, messages));
    EXPECT_EQ(namesIn(shop.path()), std::vector<std::string> {"film.dat"});
    EXPECT_TRUE(messages.shown.empty());
}
