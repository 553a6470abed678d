// An account payment taken while the disk fails or the power goes, at every
// write and every sync in turn: after the next start's recovery member.dat,
// the archive, wr.cfg and the log are exactly as before the payment or exactly
// as after it, and the next payment never takes a number the archive holds.

#include "accounts/account_shop.h"
#include "accounts/logic/account_payment.h"
#include "platform/file_access.h"
#include "platform/undo_journal.h"
#include "support/recording_sale_devices.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <unistd.h>

using namespace ovix;
using namespace ovix::test;

namespace {

constexpr const char *kSales = "2026/3/5/saleslog.dat";

// The payment of 12.50 from SMITH, taken over and over from the same files.
// The clock must be fixed at kSaleTime while it lives.
class Rehearsal {
public:
    Rehearsal()
    {
        before = shop.snapshot();
        FaultyFileAccess counting;
        setFileAccess(&counting);
        EXPECT_EQ(payNow(), AccountPaymentResult::Paid);
        setFileAccess(nullptr);
        writes = counting.writes();
        syncs = counting.syncs();
        after = shop.snapshot();
        reset();
    }

    AccountPaymentResult payNow(ScriptedMessages *told = nullptr)
    {
        ScriptedMessages messages;
        RecordingSaleDevices devices;
        const AccountPaymentResult result = takeAccountPayment(shop.state, 7, "12.50",
            AccountPaymentMethod::Cheque, told ? *told : messages, devices);
        return result;
    }

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

    // Takes one more payment and checks that no number is archived twice and
    // that each payment is once in the archive, the index and the log.
    void checkNextPayment(const std::string &context)
    {
        shop.restart();
        ScriptedMessages messages;
        ASSERT_EQ(payNow(&messages), AccountPaymentResult::Paid)
            << context << " " << messages.lastText();
        std::set<int64_t> numbers;
        for (const ReadTransaction &record : readSalesBytes(shop.file(kSales))) {
            EXPECT_TRUE(numbers.insert(record.number).second) << context << " reused";
            EXPECT_EQ(shop.logCount(cformat(" Payment: %d, Total: 12.50\r\n",
                          static_cast<int>(record.number))),
                1u)
                << context;
        }
        std::set<int64_t> indexed;
        for (const auto &entry : readYearIndexBytes(shop.file("2026/base.dat")))
            indexed.insert(entry[0]);
        EXPECT_EQ(numbers, indexed) << context;
        EXPECT_EQ(moneyCents(shop.customer(7).balance), 3000 - 1250 * static_cast<int64_t>(numbers.size()))
            << context;
    }

    AccountShop shop;
    SaleShop::Snapshot before;
    SaleShop::Snapshot after;
    int writes = 0;
    int syncs = 0;
};

struct CrashPoint {
    Rehearsal *rehearsal;
    int write;
    int sync;
};

void payCrashingAt(void *context)
{
    auto *point = static_cast<CrashPoint *>(context);
    FaultyFileAccess faulty;
    faulty.faultWriteNumber(point->write, FaultyFileAccess::Mode::Crash);
    faulty.faultSyncNumber(point->sync, FaultyFileAccess::Mode::Crash);
    setFileAccess(&faulty);
    _exit(point->rehearsal->payNow() == AccountPaymentResult::Paid ? 0 : 1);
}

} // namespace

TEST(AccountPaymentDurability, ACrashAtAnyWriteOrSyncLeavesThePaymentWholeOrAbsent)
{
    FixedClock clock(kSaleTime);
    Rehearsal rehearsal;
    ASSERT_GE(rehearsal.writes, 5);
    ASSERT_NE(rehearsal.before, rehearsal.after);
    int afterCount = 0;
    for (int kind = 0; kind < 2; ++kind) {
        const int last = kind == 0 ? rehearsal.writes : rehearsal.syncs;
        for (int n = 1; n <= last + 1; ++n) {
            const std::string context
                = (kind == 0 ? "crash at write " : "crash at sync ") + std::to_string(n);
            rehearsal.reset();
            CrashPoint point { &rehearsal, kind == 0 ? n : 0, kind == 1 ? n : 0 };
            const int code = runInChild(payCrashingAt, &point);
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
            rehearsal.checkNextPayment(context);
        }
    }
    EXPECT_EQ(afterCount, 1);
}

TEST(AccountPaymentDurability, AFailedWriteOrSyncUndoesThePaymentAndARetryTakesIt)
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
            const AccountPaymentResult result = rehearsal.payNow(&messages);
            setFileAccess(nullptr);
            EXPECT_FALSE(rehearsal.journalLeft()) << context;
            SaleShop::Snapshot now = rehearsal.shop.snapshot();
            if (result == AccountPaymentResult::Paid) {
                // Only the log may fail on its own: then it is left as it was.
                if (now.at("bun4.dat") != rehearsal.after.at("bun4.dat")) {
                    EXPECT_EQ(now.at("bun4.dat"), rehearsal.before.at("bun4.dat")) << context;
                    now["bun4.dat"] = rehearsal.after.at("bun4.dat");
                }
                EXPECT_EQ(now, rehearsal.after) << context;
                continue;
            }
            ASSERT_EQ(result, AccountPaymentResult::NotRecorded) << context;
            EXPECT_EQ(now, rehearsal.before) << context;
            EXPECT_EQ(rehearsal.shop.state.config.view(), configBefore.view()) << context;
            EXPECT_FALSE(messages.shown.empty()) << context;
            ASSERT_EQ(rehearsal.payNow(), AccountPaymentResult::Paid) << context;
            EXPECT_EQ(rehearsal.shop.snapshot(), rehearsal.after) << context;
        }
    }
}
