// A stock receipt made while the disk fails or the power goes, at every
// write and every sync in turn: after the next start's recovery film.dat and
// the day's ininvent.dat are exactly as before the receipt or exactly as
// after it, never the stock raised without its log entry or the other way
// round.

#include "inventory/logic/stock_receipt.h"
#include "platform/file_access.h"
#include "platform/undo_journal.h"
#include "till/sale_fixture.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <optional>
#include <unistd.h>

using namespace ovix;
using namespace ovix::test;

namespace {

constexpr const char *kLog = "2026/3/5/ininvent.dat";

using Files = std::map<std::string, std::optional<std::string>>;

// 7 TEA received into a shop whose log already holds one entry, over and
// over from the same files. The clock must be fixed at kSaleTime meanwhile.
class Rehearsal {
public:
    Rehearsal()
    {
        shop.addItem({ 101, "TEA", 5, 2.50f, 1.00f, 16, 1 });
        shop.addItem({ 102, "MILK", 1, 1.20f, 0.80f, 3, 0 });
        std::string entry(16, '\0');
        putI64(entry, 0, 102);
        putI64(entry, 8, 4);
        writeBytes(shop.temp.file(kLog), entry);
        before = files();
        FaultyFileAccess counting;
        setFileAccess(&counting);
        EXPECT_EQ(receiveNow(), ReceiptResult::Booked);
        setFileAccess(nullptr);
        writes = counting.writes();
        syncs = counting.syncs();
        after = files();
        reset();
    }

    ReceiptResult receiveNow()
    {
        ScriptedMessages messages;
        return receiveStock(shop.state, 101, { "7", 3, 4, 5 }, messages);
    }

    Files files() const
    {
        Files now;
        for (const char *name : { "film.dat", kLog, kJournalName }) {
            if (fileExists(shop.temp.file(name)))
                now[name] = readBytes(shop.temp.file(name));
            else
                now[name] = std::nullopt;
        }
        return now;
    }

    void reset()
    {
        for (const auto &[name, bytes] : before) {
            if (bytes)
                writeBytes(shop.temp.file(name), *bytes);
            else
                std::remove(shop.temp.file(name).c_str());
        }
        shop.restart();
    }

    SaleShop shop;
    Files before;
    Files after;
    int writes = 0;
    int syncs = 0;
};

struct CrashPoint {
    Rehearsal *rehearsal;
    int write;
    int sync;
};

void receiveCrashingAt(void *context)
{
    auto *point = static_cast<CrashPoint *>(context);
    FaultyFileAccess faulty;
    faulty.faultWriteNumber(point->write, FaultyFileAccess::Mode::Crash);
    faulty.faultSyncNumber(point->sync, FaultyFileAccess::Mode::Crash);
    setFileAccess(&faulty);
    _exit(point->rehearsal->receiveNow() == ReceiptResult::Booked ? 0 : 1);
}

} // namespace

TEST(StockReceiptDurability, ACrashAtAnyWriteOrSyncLeavesTheReceiptWholeOrAbsent)
{
    FixedClock clock(kSaleTime);
    Rehearsal rehearsal;
    ASSERT_GE(rehearsal.writes, 3);
    ASSERT_NE(rehearsal.before, rehearsal.after);
    int afterCount = 0;
    for (int kind = 0; kind < 2; ++kind) {
        const int last = kind == 0 ? rehearsal.writes : rehearsal.syncs;
        for (int n = 1; n <= last + 1; ++n) {
            const std::string context
                = (kind == 0 ? "crash at write " : "crash at sync ") + std::to_string(n);
            rehearsal.reset();
            CrashPoint point { &rehearsal, kind == 0 ? n : 0, kind == 1 ? n : 0 };
            const int code = runInChild(receiveCrashingAt, &point);
            if (n > last) {
                ASSERT_EQ(code, 0) << context;
                EXPECT_EQ(rehearsal.files(), rehearsal.after) << context;
                continue;
            }
            ASSERT_EQ(code, FaultyFileAccess::kCrashExitCode) << context;
            const RecoveryResult recovered = recoverInterruptedWork(rehearsal.shop.state.dir);
            ASSERT_TRUE(recovered.ok) << context << " " << recovered.error;
            const Files now = rehearsal.files();
            if (now == rehearsal.after)
                ++afterCount;
            else
                EXPECT_EQ(now, rehearsal.before) << context;
        }
    }
    EXPECT_EQ(afterCount, 1);
}

TEST(StockReceiptDurability, AWriteFailingAnywhereIsUndoneAndTold)
{
    FixedClock clock(kSaleTime);
    Rehearsal rehearsal;
    for (int n = 1; n <= rehearsal.writes; ++n) {
        rehearsal.reset();
        FaultyFileAccess faulty;
        faulty.faultWriteNumber(n, FaultyFileAccess::Mode::Fail);
        setFileAccess(&faulty);
        ScriptedMessages messages;
        const ReceiptResult result
            = receiveStock(rehearsal.shop.state, 101, { "7", 3, 4, 5 }, messages);
        setFileAccess(nullptr);
        const std::string context = "write " + std::to_string(n);
        if (result == ReceiptResult::Booked) {
            EXPECT_EQ(rehearsal.files(), rehearsal.after) << context;
            continue;
        }
        EXPECT_EQ(result, ReceiptResult::NotRecorded) << context;
        EXPECT_FALSE(messages.shown.empty()) << context;
        EXPECT_EQ(rehearsal.files(), rehearsal.before) << context;
    }
}
