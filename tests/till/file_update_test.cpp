// The one path for a change of several data files, in the shapes the sale's
// completion does not take: an account payment (wr.cfg, a transaction with no
// lines, the customer) and a stock receipt (two item records, the day's
// receiving log and the activity log; no sale archive). A crash at any write
// or sync leaves the change whole or absent; a failure undoes it and is told
// in the clerk's words.

#include "platform/file.h"
#include "platform/file_access.h"
#include "platform/scripted_messages.h"
#include "platform/undo_journal.h"
#include "sales/logic/file_update.h"
#include "sales/logic/sales_archive.h"
#include "till/sale_fixture.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>

using namespace ovix;
using namespace ovix::test;

namespace {

constexpr const char *kNotRecorded = "The payment was not recorded.";
constexpr const char *kReceived = "2026/3/5/ininvent.dat";
constexpr const char *kLogBlock = "\r\n10:20 05/03/2026 Payment: 41, Total: 5.00\r\n";

enum class Shape {
    AccountPayment, // wr.cfg, a "Payment" record with no lines, member.dat, the log
    StockReceipt, // two film.dat records, ininvent.dat and the log
};

const char *nameOf(Shape shape)
{
    return shape == Shape::AccountPayment ? "account payment" : "stock receipt";
}

// FiveLineShop with a customer owing 20.00, wr.cfg and the log on the disk.
class UpdateShop : public FiveLineShop {
public:
    UpdateShop()
    {
        customerSlot = addCustomer(7, "SMITH", 20.0f);
        EXPECT_TRUE(storeTillConfig(state.dir, state.config));
        writeBytes(temp.file("bun4.dat"), "\r\n09:00 05/03/2026  Switched on.\r\n");
        before = snapshot();
    }

    // The sale's files and the day's receiving log.
    Snapshot snapshot() const
    {
        Snapshot files = SaleShop::snapshot();
        files[kReceived] = fileExists(temp.file(kReceived))
            ? std::optional<std::string>(file(kReceived))
            : std::nullopt;
        return files;
    }

    // Names and runs one update of `shape`. `customerNumber` is the number
    // the rewritten customer record carries.
    bool update(Shape shape, Messages &messages, int64_t customerNumber = 7)
    {
        FileUpdate work(state.dir, kNotRecorded);
        SalesArchiveWriter archive(state.dir, 2026, 3, 5);
        TillConfig config = state.config;
        config.set(cfg::nextTransactionNumber, 42);
        TransactionRecord payment {};
        CustomerRecord customer {};
        ItemRecord tea {};
        ItemRecord milk {};
        ScriptedMessages quiet;
        if (shape == Shape::AccountPayment) {
            if (!work.readyArchive(archive, messages))
                return false;
            payment.transactionNumber = 41;
            payment.customerNumber = 7;
            payment.total = 5.0f;
            payment.cashPart = 5.0f;
            writeText(payment.paymentType, "Payment (cash)");
            EXPECT_TRUE(state.customers.readRecord(customerSlot, customer, quiet));
            customer.number = customerNumber;
            customer.balance -= 5.0f;
            work.replaceTillConfig(config);
            work.appendToArchive(archive, { 41, 5, 3 }, payment, {});
            work.rewriteRecord(state.customers, customerSlot, customer);
        } else {
            const int64_t teaSlot = *state.items.slotOf(101);
            const int64_t milkSlot = *state.items.slotOf(102);
            EXPECT_TRUE(state.items.readRecord(teaSlot, tea, quiet));
            EXPECT_TRUE(state.items.readRecord(milkSlot, milk, quiet));
            tea.quantity += 12;
            milk.quantity += 6;
            std::string entries(32, '\0');
            putI64(entries, 0, 101);
            putI64(entries, 8, 12);
            putI64(entries, 16, 102);
            putI64(entries, 24, 6);
            work.rewriteRecord(state.items, teaSlot, tea);
            work.appendToFile(kReceived, entries, "Unable to open incoming log.");
            work.rewriteRecord(state.items, milkSlot, milk);
        }
        work.appendLogBlock(kLogBlock);
        const bool done = work.run(messages);
        logWritten = work.logWritten();
        return done;
    }

    // Puts the files back as they were before the update.
    void reset()
    {
        for (const auto &[name, bytes] : before) {
            if (bytes)
                writeBytes(temp.file(name), *bytes);
            else
                std::remove(temp.file(name).c_str());
        }
        std::remove(temp.file(kJournalName).c_str());
        restart();
    }

    int64_t customerSlot = -1;
    Snapshot before;
    bool logWritten = false;
};

// The files after an undisturbed update of `shape`, with the number of writes
// and syncs it took.
struct Rehearsal {
    SaleShop::Snapshot after;
    int writes = 0;
    int syncs = 0;
};

Rehearsal rehearse(UpdateShop &shop, Shape shape)
{
    Rehearsal rehearsal;
    FaultyFileAccess counting;
    setFileAccess(&counting);
    ScriptedMessages messages;
    EXPECT_TRUE(shop.update(shape, messages)) << messages.lastText();
    setFileAccess(nullptr);
    rehearsal.writes = counting.writes();
    rehearsal.syncs = counting.syncs();
    rehearsal.after = shop.snapshot();
    shop.reset();
    return rehearsal;
}

struct CrashPoint {
    UpdateShop *shop;
    Shape shape;
    int write;
    int sync;
};

void updateCrashingAt(void *context)
{
    auto *point = static_cast<CrashPoint *>(context);
    FaultyFileAccess faulty;
    faulty.faultWriteNumber(point->write, FaultyFileAccess::Mode::Crash);
    faulty.faultSyncNumber(point->sync, FaultyFileAccess::Mode::Crash);
    setFileAccess(&faulty);
    ScriptedMessages messages;
    _exit(point->shop->update(point->shape, messages) ? 0 : 1);
}

class FileUpdateShapes : public ::testing::TestWithParam<Shape> { };

} // namespace

TEST_P(FileUpdateShapes, ACrashAtAnyWriteOrSyncLeavesTheChangeWholeOrAbsent)
{
    FixedClock clock(kSaleTime);
    UpdateShop shop;
    const Rehearsal rehearsal = rehearse(shop, GetParam());
    ASSERT_NE(rehearsal.after, shop.before);
    int wholeCount = 0;
    for (int kind = 0; kind < 2; ++kind) {
        const int last = kind == 0 ? rehearsal.writes : rehearsal.syncs;
        for (int n = 1; n <= last; ++n) {
            const std::string context = std::string(nameOf(GetParam()))
                + (kind == 0 ? ", crash at write " : ", crash at sync ") + std::to_string(n);
            shop.reset();
            CrashPoint point { &shop, GetParam(), kind == 0 ? n : 0, kind == 1 ? n : 0 };
            ASSERT_EQ(runInChild(updateCrashingAt, &point), FaultyFileAccess::kCrashExitCode)
                << context;
            const RecoveryResult recovered = recoverInterruptedWork(shop.state.dir);
            ASSERT_TRUE(recovered.ok) << context << " " << recovered.error;
            EXPECT_FALSE(fileExists(shop.temp.file(kJournalName))) << context;
            const SaleShop::Snapshot now = shop.snapshot();
            if (now == rehearsal.after)
                ++wholeCount;
            else
                EXPECT_EQ(now, shop.before) << context;
        }
    }
    // Only a crash after the journal is gone (its folder's sync) keeps it.
    EXPECT_EQ(wholeCount, 1);
}

TEST_P(FileUpdateShapes, AFailedWriteOrSyncUndoesTheChangeAndSaysSo)
{
    FixedClock clock(kSaleTime);
    UpdateShop shop;
    const Rehearsal rehearsal = rehearse(shop, GetParam());
    int logAlone = 0;
    for (int kind = 0; kind < 2; ++kind) {
        const int last = kind == 0 ? rehearsal.writes : rehearsal.syncs;
        for (int n = 1; n <= last; ++n) {
            const std::string context = std::string(nameOf(GetParam()))
                + (kind == 0 ? ", failed write " : ", failed sync ") + std::to_string(n);
            shop.reset();
            ScriptedMessages messages;
            FaultyFileAccess faulty;
            if (kind == 0)
                faulty.faultWriteNumber(n, FaultyFileAccess::Mode::Fail);
            else
                faulty.faultSyncNumber(n, FaultyFileAccess::Mode::Fail);
            setFileAccess(&faulty);
            const bool done = shop.update(GetParam(), messages);
            setFileAccess(nullptr);
            EXPECT_FALSE(fileExists(shop.temp.file(kJournalName))) << context;
            SaleShop::Snapshot now = shop.snapshot();
            if (done) {
                // Past the commit point (the folder's last sync) it stands;
                // only the log may fail on its own, and then it is as it was.
                if (!shop.logWritten) {
                    ++logAlone;
                    EXPECT_EQ(now.at("bun4.dat"), shop.before.at("bun4.dat")) << context;
                    now["bun4.dat"] = rehearsal.after.at("bun4.dat");
                }
                EXPECT_EQ(now, rehearsal.after) << context;
                EXPECT_TRUE(messages.shown.empty()) << context;
                continue;
            }
            EXPECT_EQ(now, shop.before) << context;
            // What failed, then the caller's words, and nothing after them.
            ASSERT_GE(messages.shown.size(), 2u) << context;
            EXPECT_EQ(messages.shown.back().text, kNotRecorded) << context;
            EXPECT_EQ(messages.shown.back().caption, "Problem") << context;

            ScriptedMessages retry;
            shop.restart();
            ASSERT_TRUE(shop.update(GetParam(), retry)) << context << " " << retry.lastText();
            EXPECT_TRUE(shop.logWritten) << context;
            EXPECT_EQ(shop.snapshot(), rehearsal.after) << context;
        }
    }
    EXPECT_GE(logAlone, 1);
}

INSTANTIATE_TEST_SUITE_P(PaymentAndReceipt, FileUpdateShapes,
    ::testing::Values(Shape::AccountPayment, Shape::StockReceipt));

TEST(FileUpdate, ARecordItsFileRefusesUndoesWhatWasWrittenBeforeIt)
{
    FixedClock clock(kSaleTime);
    UpdateShop shop;
    ScriptedMessages messages;
    // A customer record carrying another number than its slot holds.
    EXPECT_FALSE(shop.update(Shape::AccountPayment, messages, 8));
    EXPECT_EQ(shop.snapshot(), shop.before);
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.shown[0].text, "Invalid number.");
    EXPECT_EQ(messages.shown[0].caption, "Problem");
    EXPECT_EQ(messages.shown[1].text, kNotRecorded);
}

TEST(FileUpdate, WhatCannotBeAFileIsToldBeforeAnythingIsWritten)
{
    struct Case {
        const char *folder; // made where the file should be
        bool done;
        std::vector<std::pair<std::string, std::string>> told; // text, caption
    };
    const Case cases[] = {
        { "wr.cfg", false,
            { { "Data file: wr.cfg, not present.", "Fatal error" }, { kNotRecorded, "Problem" } } },
        { "2026/3/5/saleslog.dat", false,
            { { "Unable to open sales log.", "Problem" }, { kNotRecorded, "Problem" } } },
        // The log alone: the rest stands, and the caller tells it afterwards.
        { "bun4.dat", true, {} },
    };
    for (const Case &c : cases) {
        FixedClock clock(kSaleTime);
        UpdateShop shop;
        std::remove(shop.temp.file(c.folder).c_str());
        ASSERT_EQ(::mkdir(shop.temp.file(c.folder).c_str(), 0700), 0) << c.folder;
        const SaleShop::Snapshot before = shop.snapshot();
        ScriptedMessages messages;
        EXPECT_EQ(shop.update(Shape::AccountPayment, messages), c.done) << c.folder;
        std::vector<std::pair<std::string, std::string>> told;
        for (const ScriptedMessages::Shown &shown : messages.shown)
            told.emplace_back(shown.text, shown.caption);
        EXPECT_EQ(told, c.told) << c.folder;
        EXPECT_FALSE(fileExists(shop.temp.file(kJournalName))) << c.folder;
        if (!c.done) {
            EXPECT_EQ(shop.snapshot(), before) << c.folder;
            continue;
        }
        EXPECT_FALSE(shop.logWritten);
        EXPECT_EQ(readSalesBytes(shop.file("2026/3/5/saleslog.dat")).size(), 1u);
        EXPECT_EQ(shop.file("wr.cfg").size(), 42550u);
        EXPECT_NE(shop.file("member.dat"), *before.at("member.dat"));
    }
}

TEST(FileUpdate, AFileThatCannotBeOpenedUndoesTheRecordsWrittenBeforeIt)
{
    FixedClock clock(kSaleTime);
    UpdateShop shop;
    // The day's folder is gone, so ininvent.dat cannot be made.
    for (const char *name : { "2026/3/5/base.dat", "2026/3/5" })
        ASSERT_EQ(std::remove(shop.temp.file(name).c_str()), 0) << name;
    const SaleShop::Snapshot before = shop.snapshot();
    ScriptedMessages messages;
    EXPECT_FALSE(shop.update(Shape::StockReceipt, messages));
    EXPECT_EQ(shop.snapshot(), before);
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.shown[0].text, "Unable to open incoming log.");
    EXPECT_EQ(messages.shown[0].caption, "Problem");
    EXPECT_EQ(messages.shown[1].text, kNotRecorded);
    EXPECT_FALSE(fileExists(shop.temp.file(kJournalName)));
}
