// A refund completed while the disk fails or the power goes, at every write
// and every sync in turn: after the next start's recovery the data files
// (the archive, film.dat, member.dat, wr.cfg and the log) are exactly as
// before the refund or exactly as after it, and no later transaction gets a
// number the archive already holds.

#include "platform/file.h"
#include "platform/file_access.h"
#include "platform/scripted_messages.h"
#include "platform/undo_journal.h"
#include "sales/logic/complete_transaction.h"
#include "sales/refund_fixture.h"
#include "support/recording_sale_devices.h"

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

// The five-line basket refunded to customer 7's account after one sale of
// the day, over and over from the same files. The clock must be fixed at
// kSaleTime while it lives.
class Rehearsal {
public:
    Rehearsal()
    {
        ScriptedMessages quiet;
        std::string error;
        EXPECT_TRUE(storeTillConfig(shop.state.dir, shop.state.config, &error));
        writeBytes(shop.temp.file("bun4.dat"), "\r\n09:00 05/03/2026  Switched on.\r\n");
        Basket first = shop.kettle();
        SaleShop::pay(first, "Cash");
        EXPECT_EQ(completeTransaction(shop.state, first, quiet), CompletionResult::Archived);
        before = shop.snapshot();

        FaultyFileAccess counting;
        setFileAccess(&counting);
        EXPECT_EQ(refund(), RefundResult::Refunded);
        setFileAccess(nullptr);
        writes = counting.writes();
        syncs = counting.syncs();
        after = shop.snapshot();
        reset();
    }

    RefundResult refund(Messages *messages = nullptr)
    {
        ScriptedMessages quiet;
        RecordingSaleDevices devices;
        ScriptedRefundPrompts prompts;
        prompts.choice = refundIn(RefundForm::Credit);
        prompts.customer = 7;
        basket = shop.basket();
        return refundBasket(shop.state, basket, messages ? *messages : quiet, devices, prompts);
    }

    // Puts the files back as they were before the refund and reads them as a
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

    // Completes a sale and checks that the archive holds no number twice and
    // every record is followed by exactly its own lines.
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
        const std::vector<ReadTransaction> records = readSalesBytes(shop.file(kSales));
        for (const ReadTransaction &record : records)
            EXPECT_TRUE(numbers.insert(record.number).second)
                << context << " reused " << record.number;
        std::set<int64_t> indexed;
        for (const auto &entry : readYearIndexBytes(shop.file("2026/base.dat")))
            indexed.insert(entry[0]);
        EXPECT_EQ(numbers, indexed) << context;
        const std::vector<ReadLine> lines = readLineBytes(shop.file(kItems));
        size_t at = 0;
        for (const ReadTransaction &record : records) {
            for (int i = 0; i < record.lineCount; ++i, ++at) {
                ASSERT_LT(at, lines.size()) << context;
                EXPECT_EQ(lines[at].transaction, record.number) << context;
            }
        }
        EXPECT_EQ(at, lines.size()) << context;
    }

    RefundShop shop;
    SaleShop::Snapshot before;
    SaleShop::Snapshot after;
    Basket basket {};
    int writes = 0;
    int syncs = 0;
};

struct CrashPoint {
    Rehearsal *rehearsal;
    int write;
    int sync;
};

void refundCrashingAt(void *context)
{
    auto *point = static_cast<CrashPoint *>(context);
    FaultyFileAccess faulty;
    faulty.faultWriteNumber(point->write, FaultyFileAccess::Mode::Crash);
    faulty.faultSyncNumber(point->sync, FaultyFileAccess::Mode::Crash);
    setFileAccess(&faulty);
    const RefundResult result = point->rehearsal->refund();
    _exit(result == RefundResult::Refunded ? 0 : 1);
}

} // namespace

TEST(RefundDurability, ACrashAtAnyWriteOrSyncLeavesTheRefundWholeOrAbsent)
{
    FixedClock clock(kSaleTime);
    Rehearsal rehearsal;
    ASSERT_GE(rehearsal.writes, 10);
    ASSERT_NE(rehearsal.before.at("member.dat"), rehearsal.after.at("member.dat"));
    ASSERT_NE(rehearsal.before.at("film.dat"), rehearsal.after.at("film.dat"));
    int afterCount = 0;
    for (int kind = 0; kind < 2; ++kind) {
        const int last = kind == 0 ? rehearsal.writes : rehearsal.syncs;
        for (int n = 1; n <= last + 1; ++n) {
            const std::string context
                = (kind == 0 ? "crash at write " : "crash at sync ") + std::to_string(n);
            rehearsal.reset();
            CrashPoint point { &rehearsal, kind == 0 ? n : 0, kind == 1 ? n : 0 };
            const int code = runInChild(refundCrashingAt, &point);
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
    // Only a crash after the journal is gone (its folder's sync) keeps the refund.
    EXPECT_EQ(afterCount, 1);
}

TEST(RefundDurability, AFailedWriteOrSyncUndoesTheRefundAndARetryCompletesIt)
{
    FixedClock clock(kSaleTime);
    Rehearsal rehearsal;
    for (int kind = 0; kind < 2; ++kind) {
        const int last = kind == 0 ? rehearsal.writes : rehearsal.syncs;
        for (int n = 1; n <= last; ++n) {
            const std::string context
                = (kind == 0 ? "failed write " : "failed sync ") + std::to_string(n);
            rehearsal.reset();
            const TillConfig configBefore = rehearsal.shop.state.config;
            ScriptedMessages messages;
            FaultyFileAccess faulty;
            if (kind == 0)
                faulty.faultWriteNumber(n, FaultyFileAccess::Mode::Fail);
            else
                faulty.faultSyncNumber(n, FaultyFileAccess::Mode::Fail);
            setFileAccess(&faulty);
            const RefundResult result = rehearsal.refund(&messages);
            setFileAccess(nullptr);
            EXPECT_FALSE(rehearsal.journalLeft()) << context;
            SaleShop::Snapshot now = rehearsal.shop.snapshot();
            if (result == RefundResult::Refunded) {
                // Only the log may fail on its own: then it is left as it was.
                if (now.at("bun4.dat") != rehearsal.after.at("bun4.dat")) {
                    EXPECT_EQ(now.at("bun4.dat"), rehearsal.before.at("bun4.dat")) << context;
                    EXPECT_EQ(messages.lastText(), "Data file: bun4.dat, not present.");
                    now["bun4.dat"] = rehearsal.after.at("bun4.dat");
                }
                EXPECT_EQ(now, rehearsal.after) << context;
                continue;
            }
            ASSERT_EQ(result, RefundResult::NotRecorded) << context;
            EXPECT_EQ(now, rehearsal.before) << context;
            EXPECT_EQ(rehearsal.shop.state.config.view(), configBefore.view()) << context;
            EXPECT_EQ(rehearsal.basket.lineCount, 5) << context;

            ASSERT_EQ(rehearsal.refund(), RefundResult::Refunded) << context;
            EXPECT_EQ(rehearsal.shop.snapshot(), rehearsal.after) << context;
        }
    }
}
