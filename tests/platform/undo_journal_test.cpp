#include "platform/crc32.h"
#include "platform/file.h"
#include "platform/file_access.h"
#include "platform/undo_journal.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

using namespace ovix;
using ovix::test::TempDir;

namespace {

constexpr size_t kItemSize = 64;
constexpr size_t kMemberSize = 48;
constexpr size_t kSaleSize = 32;
constexpr size_t kConfigSize = 100;

using Snapshot = std::map<std::string, std::optional<std::string>>;

// The files one sale touches, as they lie on the disk (upper-case names as a
// data set copied from another machine may have them).
const char *const kDiskNames[] = {"FILM.DAT", "member.dat", "bun4.dat",
                                  "2026/3/5/saleslog.dat", "WR.CFG"};

std::string itemRecord(int64_t number, const char *description, int32_t quantity)
{
    std::string record(kItemSize, '\0');
    test::putI64(record, 0, number);
    test::putText(record, 8, description);
    test::putI32(record, 40, quantity);
    return record;
}

std::string memberRecord(int64_t number, float balance)
{
    std::string record(kMemberSize, '\0');
    test::putI64(record, 0, number);
    test::putText(record, 8, "A. N. OTHER");
    test::putF32(record, 40, balance);
    return record;
}

std::string configBlock(int32_t nextTransaction)
{
    std::string block(kConfigSize, '\x5A');
    test::putI32(block, 0, nextTransaction);
    return block;
}

std::string saleRecord()
{
    std::string record(kSaleSize, '\0');
    test::putI64(record, 0, 41);
    test::putF32(record, 8, 12.5f);
    return record;
}

const char kLogBefore[] = "\r\n10:15 05/03/2026 Switched on.\r\n";
const char kLogLine[] = "\r\n10:20 05/03/2026 Sale: 41, Total: 12.50\r\n";

Snapshot before()
{
    return {
        {"FILM.DAT", itemRecord(1, "TEA", 5) + itemRecord(2, "COFFEE", 7) + itemRecord(3, "", 0)},
        {"member.dat", memberRecord(10, 0.0f) + memberRecord(11, 3.5f)},
        {"bun4.dat", std::string(kLogBefore)},
        {"2026/3/5/saleslog.dat", std::nullopt},
        {"WR.CFG", configBlock(41)},
    };
}

Snapshot after()
{
    return {
        {"FILM.DAT", itemRecord(1, "TEA", 5) + itemRecord(2, "COFFEE", 6) + itemRecord(3, "", 0)},
        {"member.dat", memberRecord(10, 12.5f) + memberRecord(11, 3.5f)},
        {"bun4.dat", std::string(kLogBefore) + kLogLine},
        {"2026/3/5/saleslog.dat", saleRecord()},
        {"WR.CFG", configBlock(42)},
    };
}

void lay(const TempDir &dir, const Snapshot &files)
{
    mkdir(dir.file("2026").c_str(), 0755);
    mkdir(dir.file("2026/3").c_str(), 0755);
    mkdir(dir.file("2026/3/5").c_str(), 0755);
    for (const auto &[name, bytes] : files) {
        if (bytes)
            test::writeBytes(dir.file(name), *bytes);
        else
            std::remove(dir.file(name).c_str());
    }
}

Snapshot take(const TempDir &dir)
{
    Snapshot files;
    for (const char *name : kDiskNames) {
        if (fileExists(dir.file(name)))
            files[name] = test::readBytes(dir.file(name));
        else
            files[name] = std::nullopt;
    }
    return files;
}

bool journalExists(const TempDir &dir)
{
    return fileExists(dir.file(kJournalName));
}

// One sale: item 2 loses a unit of stock, customer 10 owes 12.50, the log and
// the day's sales log (new today) grow, the configuration is replaced.
// Stops at the first failure; the guard undoes what was done.
bool recordSale(const DataDir &data, std::string *error = nullptr)
{
    FileTransaction work(data);
    work.protectRange("film.dat", 1 * kItemSize, kItemSize);
    work.protectRange("member.dat", 0, kMemberSize);
    work.protectLength("bun4.dat");
    work.protectLength("2026/3/5/saleslog.dat");
    work.protectWholeFile("wr.cfg");
    auto fail = [&] {
        if (error)
            *error = work.error();
        return false;
    };
    auto stepFailed = [&] {
        if (error)
            *error = "a data file could not be written";
        return false;
    };
    if (!work.begin())
        return fail();

    File items = File::open(data.path("film.dat"), File::Mode::ReadWrite);
    std::string item(kItemSize, '\0');
    if (!items.readAt(1 * kItemSize, item.data(), item.size()))
        return stepFailed();
    test::putI32(item, 40, test::getI32(item, 40) - 1);
    if (!items.writeAt(1 * kItemSize, item.data(), item.size()) || !items.close())
        return stepFailed();

    File members = File::open(data.path("member.dat"), File::Mode::ReadWrite);
    const std::string member = memberRecord(10, 12.5f);
    if (!members.writeAt(0, member.data(), member.size()) || !members.close())
        return stepFailed();

    File log = File::open(data.path("bun4.dat"), File::Mode::Append);
    if (!log.append(kLogLine, sizeof kLogLine - 1) || !log.close())
        return stepFailed();

    File sales = File::open(data.path("2026/3/5/saleslog.dat"), File::Mode::Append);
    const std::string sale = saleRecord();
    if (!sales.append(sale.data(), sale.size()) || !sales.close())
        return stepFailed();

    if (!replaceFileAtomically(data.path("wr.cfg"), configBlock(42)))
        return stepFailed();
    if (!work.commit())
        return fail();
    if (error)
        *error = work.error();
    return true;
}

struct Counts {
    int writes = 0;
    int syncs = 0;
};

Counts countOneSale()
{
    TempDir dir;
    lay(dir, before());
    FaultyFileAccess counting;
    setFileAccess(&counting);
    bool ok = recordSale(DataDir(dir.path()));
    setFileAccess(nullptr);
    EXPECT_TRUE(ok);
    EXPECT_EQ(take(dir), after());
    EXPECT_FALSE(journalExists(dir));
    return {counting.writes(), counting.syncs()};
}

struct CrashPoint {
    const char *root;
    int write = 0;
    int sync = 0;
};

void saleCrashingAt(void *context)
{
    auto *point = static_cast<CrashPoint *>(context);
    FaultyFileAccess faulty;
    faulty.faultWriteNumber(point->write, FaultyFileAccess::Mode::Crash);
    faulty.faultSyncNumber(point->sync, FaultyFileAccess::Mode::Crash);
    setFileAccess(&faulty);
    bool ok = recordSale(DataDir(point->root));
    _exit(ok ? 0 : 1);
}

void recoveryCrashingAt(void *context)
{
    auto *point = static_cast<CrashPoint *>(context);
    FaultyFileAccess faulty;
    faulty.faultWriteNumber(point->write, FaultyFileAccess::Mode::Crash);
    faulty.faultSyncNumber(point->sync, FaultyFileAccess::Mode::Crash);
    setFileAccess(&faulty);
    RecoveryResult result = recoverInterruptedWork(DataDir(point->root));
    _exit(result.ok ? 0 : 1);
}

} // namespace

TEST(Crc32, MatchesTheStandardCheckValue)
{
    EXPECT_EQ(crc32("123456789"), 0xCBF43926u);
    EXPECT_EQ(crc32(""), 0u);
    EXPECT_EQ(crc32("56789", crc32("1234")), 0xCBF43926u);
}

TEST(FileTransaction, ACrashAtAnyWriteLeavesTheOldFilesAfterRecovery)
{
    const Counts counts = countOneSale();
    ASSERT_GE(counts.writes, 6);
    for (int n = 1;; ++n) {
        TempDir dir;
        lay(dir, before());
        CrashPoint point{dir.path().c_str(), n, 0};
        int code = test::runInChild(saleCrashingAt, &point);
        if (n > counts.writes) {
            ASSERT_EQ(code, 0) << n;
            EXPECT_EQ(take(dir), after());
            break;
        }
        ASSERT_EQ(code, FaultyFileAccess::kCrashExitCode) << n;
        RecoveryResult result = recoverInterruptedWork(DataDir(dir.path()));
        ASSERT_TRUE(result.ok) << n << result.error;
        EXPECT_TRUE(result.rolledBack || result.removedInvalid) << n;
        EXPECT_EQ(take(dir), before()) << "crash at write " << n;
        EXPECT_FALSE(journalExists(dir));
        if (n == counts.writes) { // deleting the journal, the commit point
            EXPECT_TRUE(result.rolledBack);
        }
        RecoveryResult again = recoverInterruptedWork(DataDir(dir.path()));
        EXPECT_TRUE(again.ok && !again.rolledBack && !again.removedInvalid);
    }
}

TEST(FileTransaction, ACrashAtAnySyncLeavesOldFilesOrAfterTheCommitNewOnes)
{
    const Counts counts = countOneSale();
    for (int n = 1;; ++n) {
        TempDir dir;
        lay(dir, before());
        CrashPoint point{dir.path().c_str(), 0, n};
        int code = test::runInChild(saleCrashingAt, &point);
        if (n > counts.syncs) {
            ASSERT_EQ(code, 0) << n;
            EXPECT_EQ(take(dir), after());
            break;
        }
        ASSERT_EQ(code, FaultyFileAccess::kCrashExitCode) << n;
        RecoveryResult result = recoverInterruptedWork(DataDir(dir.path()));
        ASSERT_TRUE(result.ok) << n << result.error;
        // Only the last sync, of the folder once the journal is gone, comes
        // after the commit point.
        EXPECT_EQ(take(dir), n == counts.syncs ? after() : before()) << "crash at sync " << n;
        EXPECT_FALSE(journalExists(dir));
    }
}

TEST(FileTransaction, AFailedWriteOrSyncIsUndoneAtOnce)
{
    const Counts counts = countOneSale();
    for (int n = 1; n <= counts.writes; ++n) {
        TempDir dir;
        lay(dir, before());
        FaultyFileAccess faulty;
        faulty.faultWriteNumber(n, FaultyFileAccess::Mode::Fail);
        setFileAccess(&faulty);
        bool ok = recordSale(DataDir(dir.path()));
        setFileAccess(nullptr);
        EXPECT_FALSE(ok) << n;
        EXPECT_EQ(take(dir), before()) << "failed write " << n;
        EXPECT_FALSE(journalExists(dir)) << n;
    }
    for (int n = 1; n <= counts.syncs; ++n) {
        TempDir dir;
        lay(dir, before());
        FaultyFileAccess faulty;
        faulty.faultSyncNumber(n, FaultyFileAccess::Mode::Fail);
        setFileAccess(&faulty);
        std::string error;
        bool ok = recordSale(DataDir(dir.path()), &error);
        setFileAccess(nullptr);
        EXPECT_FALSE(error.empty()) << n;
        // The last sync follows the commit point: the sale stands, the
        // trouble is still told.
        EXPECT_EQ(ok, n == counts.syncs) << n;
        EXPECT_EQ(take(dir), ok ? after() : before()) << "failed sync " << n;
        EXPECT_FALSE(journalExists(dir)) << n;
    }
}

TEST(FileTransaction, ACrashDuringRecoveryIsFinishedByTheNextOne)
{
    const Counts counts = countOneSale();
    // Crashing at the journal's deletion leaves every new byte written and
    // the journal whole: the most there is to undo.
    for (int which = 0; which < 2; ++which) {
        for (int m = 1;; ++m) {
            TempDir dir;
            lay(dir, before());
            CrashPoint sale{dir.path().c_str(), counts.writes, 0};
            ASSERT_EQ(test::runInChild(saleCrashingAt, &sale), FaultyFileAccess::kCrashExitCode);
            ASSERT_EQ(take(dir), after());
            CrashPoint recovery{dir.path().c_str(), which == 0 ? m : 0, which == 1 ? m : 0};
            int code = test::runInChild(recoveryCrashingAt, &recovery);
            RecoveryResult result = recoverInterruptedWork(DataDir(dir.path()));
            ASSERT_TRUE(result.ok) << m << result.error;
            EXPECT_EQ(take(dir), before()) << (which == 0 ? "write " : "sync ") << m;
            EXPECT_FALSE(journalExists(dir));
            if (code == 0)
                break;
            ASSERT_EQ(code, FaultyFileAccess::kCrashExitCode);
            ASSERT_LT(m, 100);
        }
    }
}

TEST(FileTransaction, ATornOrDamagedJournalIsRemovedWithoutTouchingData)
{
    const Counts counts = countOneSale();
    TempDir dir;
    lay(dir, before());
    CrashPoint sale{dir.path().c_str(), counts.writes, 0};
    ASSERT_EQ(test::runInChild(saleCrashingAt, &sale), FaultyFileAccess::kCrashExitCode);
    const std::string journal = test::readBytes(dir.file(kJournalName));
    ASSERT_GT(journal.size(), 20u);
    const Snapshot written = take(dir);
    ASSERT_EQ(written, after());

    for (size_t length = 0; length < journal.size(); ++length) {
        test::writeBytes(dir.file(kJournalName), journal.substr(0, length));
        RecoveryResult result = recoverInterruptedWork(DataDir(dir.path()));
        ASSERT_TRUE(result.ok) << length;
        EXPECT_TRUE(result.removedInvalid) << length;
        EXPECT_FALSE(result.rolledBack) << length;
        ASSERT_EQ(take(dir), written) << "journal cut at " << length;
        ASSERT_FALSE(journalExists(dir));
    }
    for (size_t position = 0; position < journal.size(); ++position) {
        std::string damaged = journal;
        damaged[position] = static_cast<char>(damaged[position] ^ 0x10);
        test::writeBytes(dir.file(kJournalName), damaged);
        RecoveryResult result = recoverInterruptedWork(DataDir(dir.path()));
        ASSERT_TRUE(result.ok && result.removedInvalid) << position;
        ASSERT_EQ(take(dir), written) << "byte " << position << " damaged";
    }
    test::writeBytes(dir.file(kJournalName), journal + "x");
    EXPECT_TRUE(recoverInterruptedWork(DataDir(dir.path())).removedInvalid);

    test::writeBytes(dir.file(kJournalName), journal);
    RecoveryResult whole = recoverInterruptedWork(DataDir(dir.path()));
    EXPECT_TRUE(whole.ok && whole.rolledBack);
    EXPECT_EQ(take(dir), before());
}

namespace {

void putNumber(std::string &out, uint64_t value, int width)
{
    for (int i = 0; i < width; ++i)
        out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

struct HandEntry {
    std::string name;
    int flags;
    int64_t oldLength;
    int64_t offset;
    std::string bytes; // one range when not empty
};

// A journal laid out byte by byte as the till writes it.
std::string handMadeJournal(const std::vector<HandEntry> &entries)
{
    std::string body;
    putNumber(body, entries.size(), 4);
    for (const HandEntry &entry : entries) {
        putNumber(body, entry.name.size(), 2);
        body += entry.name;
        putNumber(body, static_cast<uint64_t>(entry.flags), 1);
        putNumber(body, static_cast<uint64_t>(entry.oldLength), 8);
        putNumber(body, entry.bytes.empty() ? 0 : 1, 4);
        if (!entry.bytes.empty()) {
            putNumber(body, static_cast<uint64_t>(entry.offset), 8);
            putNumber(body, entry.bytes.size(), 4);
            body += entry.bytes;
        }
    }
    std::string journal = "OVIXJNL1";
    putNumber(journal, body.size(), 8);
    journal += body;
    putNumber(journal, crc32(journal), 4);
    return journal;
}

} // namespace

TEST(FileTransaction, RecoveryFollowsAJournalMadeByHand)
{
    TempDir dir;
    test::writeBytes(dir.file("FILM.DAT"), "xxxxxxxxxxxx");
    ASSERT_EQ(mkdir(dir.file("2026").c_str(), 0755), 0);
    test::writeBytes(dir.file("2026/base.dat"), "new");
    test::writeBytes(dir.file("member.dat"), "mmmm");
    test::writeBytes(dir.file(kJournalName), handMadeJournal({
        {"film.dat", 3, 8, 2, "AB"},     // existed, length restored, one record
        {"2026/base.dat", 0, 0, 0, ""},  // did not exist
        {"member.dat", 1, 4, 0, "MM"},   // existed, record only
    }));
    RecoveryResult result = recoverInterruptedWork(DataDir(dir.path()));
    ASSERT_TRUE(result.ok) << result.error;
    EXPECT_TRUE(result.rolledBack);
    EXPECT_EQ(test::readBytes(dir.file("FILM.DAT")), "xxABxxxx");
    EXPECT_FALSE(fileExists(dir.file("2026/base.dat")));
    EXPECT_TRUE(isDirectory(dir.file("2026")));
    EXPECT_EQ(test::readBytes(dir.file("member.dat")), "MMmm");
    EXPECT_FALSE(journalExists(dir));
}

TEST(FileTransaction, AJournalNamingFilesOutsideTheDataFolderIsNotFollowed)
{
    TempDir outer;
    ASSERT_EQ(mkdir(outer.file("data").c_str(), 0755), 0);
    test::writeBytes(outer.file("victim"), "keep me");
    const std::string data = outer.file("data");
    for (const char *name : {"../victim", "/etc/passwd", "a/../../victim", "", "ovix.jnl"}) {
        test::writeBytes(data + "/" + kJournalName,
                         handMadeJournal({{name, 1, 1, 0, "X"}}));
        RecoveryResult result = recoverInterruptedWork(DataDir(data));
        EXPECT_TRUE(result.ok && result.removedInvalid) << name;
        EXPECT_EQ(test::readBytes(outer.file("victim")), "keep me") << name;
        EXPECT_FALSE(fileExists(data + "/" + kJournalName));
    }
    // A range claiming more bytes than the journal holds.
    std::string lying = handMadeJournal({{"film.dat", 1, 1, 0, "X"}});
    lying[8 + 8 + 4 + 2 + 8 + 1 + 8 + 4 + 8] = '\x7F';
    test::writeBytes(data + "/" + kJournalName, lying);
    EXPECT_TRUE(recoverInterruptedWork(DataDir(data)).removedInvalid);
}

TEST(FileTransaction, RecoveryWritesNothingThroughALinkOutOfTheDataFolder)
{
    struct Case {
        const char *what;
        HandEntry entry;
        bool restored; // else refused, the journal kept for the clerk to see
    };
    const Case cases[] = {
        {"a record through a folder link", {"elsewhere/film.dat", 1, 8, 0, "XX"}, false},
        {"a whole file through a file link", {"member.dat", 3, 2, 0, "XX"}, false},
        {"a created file through a folder link", {"elsewhere/film.dat", 0, 0, 0, ""}, false},
        {"a new file through a dangling link", {"nowhere.dat", 1, 2, 0, "XX"}, false},
        {"a link that stays inside", {"inner/wr.cfg", 1, 4, 0, "XX"}, true},
        {"the file link itself removed", {"member.dat", 0, 0, 0, ""}, true},
    };
    for (const Case &c : cases) {
        TempDir outer;
        const std::string data = outer.file("data");
        ASSERT_EQ(mkdir(data.c_str(), 0700), 0);
        ASSERT_EQ(mkdir(outer.file("outside").c_str(), 0700), 0);
        test::writeBytes(outer.file("outside/film.dat"), "keep me!");
        test::writeBytes(outer.file("outside/member.dat"), "keep me!");
        ASSERT_EQ(mkdir((data + "/real").c_str(), 0700), 0);
        test::writeBytes(data + "/real/wr.cfg", "wwww");
        ASSERT_EQ(symlink("../outside", (data + "/elsewhere").c_str()), 0);
        ASSERT_EQ(symlink("../outside/member.dat", (data + "/member.dat").c_str()), 0);
        ASSERT_EQ(symlink("../outside/new.dat", (data + "/nowhere.dat").c_str()), 0);
        ASSERT_EQ(symlink("real", (data + "/inner").c_str()), 0);
        test::writeBytes(data + "/" + kJournalName, handMadeJournal({c.entry}));

        RecoveryResult result = recoverInterruptedWork(DataDir(data));
        EXPECT_EQ(result.ok, c.restored) << c.what;
        EXPECT_EQ(test::readBytes(outer.file("outside/film.dat")), "keep me!") << c.what;
        EXPECT_EQ(test::readBytes(outer.file("outside/member.dat")), "keep me!") << c.what;
        EXPECT_FALSE(fileExists(outer.file("outside/new.dat"))) << c.what;
        EXPECT_EQ(fileExists(data + "/" + kJournalName), !c.restored) << c.what;
        if (!c.restored) {
            EXPECT_NE(result.error.find("leads out of the data folder"), std::string::npos)
                << c.what;
        }
    }
}

TEST(FileTransaction, RecoveryThroughALinkInsideRestoresTheFileItLeadsTo)
{
    TempDir dir;
    ASSERT_EQ(mkdir(dir.file("real").c_str(), 0700), 0);
    test::writeBytes(dir.file("real/wr.cfg"), "wwwwww");
    ASSERT_EQ(symlink("real", dir.file("inner").c_str()), 0);
    test::writeBytes(dir.file(kJournalName), handMadeJournal({{"inner/wr.cfg", 3, 4, 1, "AB"}}));
    RecoveryResult result = recoverInterruptedWork(DataDir(dir.path()));
    ASSERT_TRUE(result.ok && result.rolledBack) << result.error;
    EXPECT_EQ(test::readBytes(dir.file("real/wr.cfg")), "wABw");
}

TEST(FileTransaction, RefusesUnusableRequestsAndASecondOpenUpdate)
{
    TempDir dir;
    lay(dir, before());
    DataDir data(dir.path());
    {
        FileTransaction work(data);
        work.protectLength("../bun4.dat");
        EXPECT_FALSE(work.begin());
        EXPECT_FALSE(work.error().empty());
    }
    {
        FileTransaction work(data);
        work.protectRange("film.dat", -64, 64);
        EXPECT_FALSE(work.begin());
    }
    {
        FileTransaction work(data);
        work.protectWholeFile("OVIX.JNL");
        EXPECT_FALSE(work.begin());
    }
    EXPECT_FALSE(journalExists(dir));
    {
        FileTransaction first(data);
        first.protectLength("bun4.dat");
        ASSERT_TRUE(first.begin());
        FileTransaction second(data);
        second.protectLength("bun4.dat");
        EXPECT_FALSE(second.begin());
        EXPECT_FALSE(first.begin());
        EXPECT_TRUE(first.commit());
        EXPECT_FALSE(first.commit());
        EXPECT_FALSE(journalExists(dir));
    }
    FileTransaction later(data);
    later.protectLength("bun4.dat");
    EXPECT_TRUE(later.begin());
    EXPECT_TRUE(later.rollback());
    EXPECT_EQ(take(dir), before());
}

TEST(FileTransaction, UndoesGrowthPastTheEndAndFilesThatWereMissing)
{
    TempDir dir;
    lay(dir, before());
    DataDir data(dir.path());
    {
        FileTransaction work(data);
        work.protectRange("film.dat", 3 * kItemSize, kItemSize); // a new slot
        work.protectWholeFile("language.ini");                   // not there yet
        work.protectRange("mans.dat", 0, 16);                     // not there yet
        ASSERT_TRUE(work.begin());
        File items = File::open(data.path("film.dat"), File::Mode::ReadWrite);
        const std::string record = itemRecord(4, "SUGAR", 9);
        ASSERT_TRUE(items.writeAt(3 * kItemSize, record.data(), record.size()));
        items.close();
        ASSERT_TRUE(replaceFileAtomically(data.path("language.ini"), "words"));
        test::writeBytes(dir.file("mans.dat"), std::string(16, 's'));
        ASSERT_TRUE(journalExists(dir));
    } // not committed
    EXPECT_EQ(take(dir), before());
    EXPECT_FALSE(fileExists(dir.file("language.ini")));
    EXPECT_FALSE(fileExists(dir.file("mans.dat")));
    EXPECT_FALSE(journalExists(dir));
}

TEST(FileTransaction, ALeftoverJournalIsRecoveredBeforeNewWork)
{
    const Counts counts = countOneSale();
    TempDir dir;
    lay(dir, before());
    CrashPoint sale{dir.path().c_str(), counts.writes, 0};
    ASSERT_EQ(test::runInChild(saleCrashingAt, &sale), FaultyFileAccess::kCrashExitCode);
    ASSERT_TRUE(journalExists(dir));
    // The next sale starts from the old files and completes.
    ASSERT_TRUE(recordSale(DataDir(dir.path())));
    EXPECT_EQ(take(dir), after());
    EXPECT_FALSE(journalExists(dir));
}
