// A sale completed while the disk fails or the power goes: at every write and
// every sync in turn. After the next start's recovery the data files are
// exactly as before the sale or exactly as after it, and the next sale never
// gets a number the archive already holds.

#include "platform/file.h"
#include "platform/file_access.h"
#include "platform/scripted_messages.h"
#include "platform/undo_journal.h"
#include "sales/logic/complete_transaction.h"
#include "till/sale_fixture.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <set>
#include <unistd.h>

using namespace ovix;
using namespace ovix::test;

namespace {

constexpr const char *kSales = "2026/3/5/saleslog.dat";
constexpr const char *kItems = "2026/3/5/itemslog.dat";

// Where the sale finds the day's archive.
enum class DayBefore {
    Empty, // the first sale of the day
    EarlierSale, // one sale archived before
    TornSalesLog, // one sale, then a torn end on saleslog.dat that no journal explains
};

// The five-line sale of FiveLineShop, to be completed over and over from the
// same files. The clock must be fixed at kSaleTime while it lives.
class Rehearsal {
public:
    explicit Rehearsal(DayBefore day)
    {
        const bool earlierSale = day != DayBefore::Empty;
        ScriptedMessages quiet;
        EXPECT_TRUE(storeTillConfig(shop.state.dir, shop.state.config, &error));
        writeBytes(shop.temp.file("bun4.dat"), "\r\n09:00 05/03/2026  Switched on.\r\n");
        if (earlierSale) {
            Basket first {};
            shop.ringUp(first, 103);
            SaleShop::pay(first, "EFT");
            EXPECT_EQ(completeTransaction(shop.state, first, quiet), CompletionResult::Archived);
        }
        if (day == DayBefore::TornSalesLog)
            writeBytes(shop.temp.file(kSales), shop.file(kSales) + std::string(123, '\x5A'));
        before = shop.snapshot();
        basket = shop.basket();
        SaleShop::pay(basket, "Split", 5.00f);

        FaultyFileAccess counting;
        setFileAccess(&counting);
        EXPECT_EQ(completeTransaction(shop.state, basket, quiet), CompletionResult::Archived);
        setFileAccess(nullptr);
        writes = counting.writes();
        syncs = counting.syncs();
        after = shop.snapshot();
        reset();
        basket = shop.basket();
        SaleShop::pay(basket, "Split", 5.00f);
    }

    // Puts the files back as they were before the sale and reads them as a
    // start would.
    void reset()
    {
        for (const auto &[name, bytes] : before) {
            if (bytes)
                writeBytes(shop.temp.file(name), *bytes);
            else
                std::remove(shop.temp.file(name).c_str());
        }
        std::remove(shop.temp.file(kJournalName).c_str());
        shop.restart();
    }

    bool journalLeft() const
    {
        return fileExists(shop.temp.file(kJournalName));
    }

    // Completes another sale and checks that the archive holds no number twice.
    void checkNextSaleNumber(const std::string &context)
    {
        shop.restart();
        Basket next {};
        shop.ringUp(next, 101);
        SaleShop::pay(next, "Cash");
        ScriptedMessages messages;
        ASSERT_EQ(completeTransaction(shop.state, next, messages), CompletionResult::Archived)
            << context << " " << messages.lastText();
        std::set<int64_t> numbers;
        for (const ReadTransaction &sale : readSalesBytes(shop.file(kSales))) {
            const bool unused = numbers.insert(sale.number).second;
            EXPECT_TRUE(unused) << context << " reused " << sale.number;
        }
        std::set<int64_t> indexed;
        for (const auto &entry : readYearIndexBytes(shop.file("2026/base.dat")))
            indexed.insert(entry[0]);
        EXPECT_EQ(numbers, indexed) << context;
        // Every record is followed by exactly its own lines.
        const std::vector<ReadLine> lines = readLineBytes(shop.file(kItems));
        size_t at = 0;
        for (const ReadTransaction &sale : readSalesBytes(shop.file(kSales))) {
            for (int i = 0; i < sale.lineCount; ++i, ++at) {
                ASSERT_LT(at, lines.size()) << context;
                EXPECT_EQ(lines[at].transaction, sale.number) << context;
            }
        }
        EXPECT_EQ(at, lines.size()) << context;
    }

    FiveLineShop shop;
    SaleShop::Snapshot before;
    SaleShop::Snapshot after;
    Basket basket {};
    int writes = 0;
    int syncs = 0;
    std::string error;
};

struct CrashPoint {
    Rehearsal *rehearsal;
    int write;
    int sync;
};

void completeCrashingAt(void *context)
{
    auto *point = static_cast<CrashPoint *>(context);
    FaultyFileAccess faulty;
    faulty.faultWriteNumber(point->write, FaultyFileAccess::Mode::Crash);
    faulty.faultSyncNumber(point->sync, FaultyFileAccess::Mode::Crash);
    setFileAccess(&faulty);
    ScriptedMessages messages;
    Basket basket = point->rehearsal->basket;
    CompletionResult result = completeTransaction(point->rehearsal->shop.state, basket, messages);
    _exit(result == CompletionResult::Archived ? 0 : 1);
}

class ArchiveDurability : public ::testing::TestWithParam<DayBefore> { };

} // namespace

TEST_P(ArchiveDurability, ACrashAtAnyWriteOrSyncLeavesTheSaleWholeOrAbsent)
{
    FixedClock clock(kSaleTime);
    Rehearsal rehearsal(GetParam());
    ASSERT_GE(rehearsal.writes, 10);
    ASSERT_NE(rehearsal.before, rehearsal.after);
    int afterCount = 0;
    for (int kind = 0; kind < 2; ++kind) {
        const int last = kind == 0 ? rehearsal.writes : rehearsal.syncs;
        for (int n = 1; n <= last + 1; ++n) {
            const std::string context
                = (kind == 0 ? "crash at write " : "crash at sync ") + std::to_string(n);
            rehearsal.reset();
            CrashPoint point { &rehearsal, kind == 0 ? n : 0, kind == 1 ? n : 0 };
            const int code = runInChild(completeCrashingAt, &point);
            if (n > last) {
                ASSERT_EQ(code, 0) << context;
                EXPECT_EQ(rehearsal.shop.snapshot(), rehearsal.after) << context;
                continue;
            }
            ASSERT_EQ(code, FaultyFileAccess::kCrashExitCode) << context;
            const RecoveryResult recovered = recoverInterruptedWork(rehearsal.shop.state.dir);
            ASSERT_TRUE(recovered.ok) << context << " " << recovered.error;
            EXPECT_FALSE(rehearsal.journalLeft()) << context;
            const SaleShop::Snapshot now = rehearsal.shop.snapshot();
            if (now == rehearsal.after)
                ++afterCount;
            else
                EXPECT_EQ(now, rehearsal.before) << context;
            rehearsal.checkNextSaleNumber(context);
        }
    }
    // Only a crash after the journal is gone (its folder's sync) keeps the sale.
    EXPECT_EQ(afterCount, 1);
}

TEST_P(ArchiveDurability, AFailedWriteOrSyncUndoesTheSaleAndARetryCompletesIt)
{
    FixedClock clock(kSaleTime);
    Rehearsal rehearsal(GetParam());
    for (int kind = 0; kind < 2; ++kind) {
        const int last = kind == 0 ? rehearsal.writes : rehearsal.syncs;
        for (int n = 1; n <= last; ++n) {
            const std::string context
                = (kind == 0 ? "failed write " : "failed sync ") + std::to_string(n);
            rehearsal.reset();
            const TillConfig configBefore = rehearsal.shop.state.config;
            Basket basket = rehearsal.basket;
            ScriptedMessages messages;
            FaultyFileAccess faulty;
            if (kind == 0)
                faulty.faultWriteNumber(n, FaultyFileAccess::Mode::Fail);
            else
                faulty.faultSyncNumber(n, FaultyFileAccess::Mode::Fail);
            setFileAccess(&faulty);
            const CompletionResult result
                = completeTransaction(rehearsal.shop.state, basket, messages);
            setFileAccess(nullptr);
            EXPECT_FALSE(rehearsal.journalLeft()) << context;
            SaleShop::Snapshot now = rehearsal.shop.snapshot();
            if (result == CompletionResult::Archived) {
                // Only the log may fail on its own: then it is left as it was.
                if (now.at("bun4.dat") != rehearsal.after.at("bun4.dat")) {
                    EXPECT_EQ(now.at("bun4.dat"), rehearsal.before.at("bun4.dat")) << context;
                    EXPECT_EQ(messages.lastText(), "Data file: bun4.dat, not present.");
                    now["bun4.dat"] = rehearsal.after.at("bun4.dat");
                }
                EXPECT_EQ(now, rehearsal.after) << context;
                EXPECT_EQ(basket.lineCount, 0) << context;
                continue;
            }
            ASSERT_EQ(result, CompletionResult::NotArchived) << context;
            EXPECT_EQ(now, rehearsal.before) << context;
            EXPECT_EQ(rehearsal.shop.state.config.view(), configBefore.view()) << context;
            EXPECT_EQ(std::memcmp(&basket, &rehearsal.basket, sizeof basket), 0) << context;
            EXPECT_GE(messages.shown.size(), 2u) << context;

            // The kept basket completes as if nothing had happened.
            ScriptedMessages retry;
            ASSERT_EQ(completeTransaction(rehearsal.shop.state, basket, retry),
                CompletionResult::Archived)
                << context;
            EXPECT_EQ(rehearsal.shop.snapshot(), rehearsal.after) << context;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(FirstOrLaterSaleOfTheDay, ArchiveDurability,
    ::testing::Values(DayBefore::Empty, DayBefore::EarlierSale, DayBefore::TornSalesLog));
