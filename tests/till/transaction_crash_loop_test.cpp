// Sales, refunds, account payments, stock receipts, the takings amendment,
// petty cash, backups and restores, interrupted at each of their writes
// and syncs by a crash, a failing disk and a full one (support/crash_loop.h).

#include "accounts/logic/account_payment.h"
#include "inventory/logic/stock_receipt.h"
#include "platform/clock.h"
#include "reports/logic/closeout.h"
#include "reports/logic/takings_history.h"
#include "sales/logic/complete_transaction.h"
#include "sales/refund_fixture.h"
#include "store/data_set.h"
#include "support/crash_loop.h"
#include "support/recording_sale_devices.h"
#include "support/start_fixture.h"
#include "till/logic/backup.h"
#include "till/logic/restore.h"
#include "till/logic/startup.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

namespace ovix::test {
namespace {

const LocalTime kDay = at(2024, 3, 5, 10);

class TransactionCrashLoop : public ShopStart {
protected:
    void SetUp() override
    {
        ShopStart::SetUp();
        ScriptedMessages messages;
        ASSERT_TRUE(addDemoShop(DataDir(folder.path()), at(2024, 3, 4), messages))
            << messages.lastText();
        TillState state(folder.path());
        ASSERT_TRUE(start(state, kDay, messages)) << messages.lastText();
        // One sale already in today's archive.
        Basket sale {};
        SaleShop::ringUpNonInventory(sale, "GIFT WRAP", 2.50f);
        SaleShop::pay(sale, "Cash");
        ASSERT_EQ(completeTransaction(state, sale, messages), CompletionResult::Archived);
        shutdownTill(state, messages);
    }

    std::shared_ptr<TillState> load() const
    {
        auto state = std::make_shared<TillState>(folder.path());
        ScriptedMessages quiet;
        setFixedLocalTime(kDay);
        EXPECT_TRUE(openData(*state, quiet)) << quiet.lastText();
        return state;
    }

    static int64_t first(const RecordIndex &index)
    {
        for (const IndexEntry &entry : index.entries()) {
            if (entry.number > 0)
                return entry.number;
        }
        return 0;
    }

    void expectWhole(const char *writer, const std::function<Work(std::shared_ptr<TillState>)> &make,
        CrashLoopRules rules = {})
    {
        std::string faults;
        const CrashLoopCounts counts
            = crashLoop(folder.path(), [&] { return make(load()); }, faults, rules);
        std::printf("%s: %d writes, %d syncs, %d interruptions checked\n", writer, counts.writes,
            counts.syncs, counts.interruptions);
        EXPECT_EQ(faults, "") << writer;
        EXPECT_GT(counts.interruptions, 0) << writer;
    }
};

// A completed sale, refund or payment is kept when only the activity log
// cannot take its line (the clerk is told); the takings amendment and
// petty cash keep their amount in use when wr.cfg cannot be stored (told as
// "Data file: wr.cfg, not present."), to be stored with the next store.
const CrashLoopRules kLogMayLag {true, false, {}};
const CrashLoopRules kSettingsMayLag {true, true, {}};

TEST_F(TransactionCrashLoop, SalesRefundsAndAccountPayments)
{
    expectWhole("sale", [](std::shared_ptr<TillState> state) -> Work {
        return [state](ScriptedMessages &messages) {
            Basket sale {};
            SaleShop::ringUpNonInventory(sale, "CARD", 1.25f);
            SaleShop::ringUpNonInventory(sale, "RIBBON", 0.75f);
            SaleShop::pay(sale, "Cash");
            return completeTransaction(*state, sale, messages) == CompletionResult::Archived;
        };
    }, kLogMayLag);
    expectWhole("refund", [](std::shared_ptr<TillState> state) -> Work {
        return [state](ScriptedMessages &messages) {
            Basket returned {};
            SaleShop::ringUpNonInventory(returned, "GIFT WRAP", 2.50f);
            RecordingSaleDevices devices;
            ScriptedRefundPrompts prompts;
            prompts.choice = refundIn(RefundForm::Cash);
            return refundBasket(*state, returned, messages, devices, prompts)
                == RefundResult::Refunded;
        };
    }, kLogMayLag);
    expectWhole("account payment", [](std::shared_ptr<TillState> state) -> Work {
        return [state](ScriptedMessages &messages) {
            RecordingSaleDevices devices;
            return takeAccountPayment(*state, first(state->customers.index()), "3.00",
                       AccountPaymentMethod::Cash, messages, devices)
                == AccountPaymentResult::Paid;
        };
    }, kLogMayLag);
}

TEST_F(TransactionCrashLoop, StockReceiptsTakingsAndPettyCash)
{
    expectWhole("stock receipt", [](std::shared_ptr<TillState> state) -> Work {
        return [state](ScriptedMessages &messages) {
            ReceiptForm form;
            form.quantity = "12";
            return receiveStock(*state, first(state->items.index()), form, messages)
                == ReceiptResult::Booked;
        };
    });
    expectWhole(
        "takings amended", [](std::shared_ptr<TillState> state) -> Work {
            return [state](ScriptedMessages &messages) {
                messages.textReplies = {std::string("04-03-2024"), std::string("99.99")};
                return amendTakings(*state, messages, kDay);
            };
        },
        kSettingsMayLag);
    expectWhole("petty cash", [](std::shared_ptr<TillState> state) -> Work {
        return [state](ScriptedMessages &messages) {
            messages.textReplies = {std::string("4.20")};
            return recordPettyCash(*state, messages);
        };
    }, kSettingsMayLag);
}

TEST_F(TransactionCrashLoop, BackupAndRestore)
{
    // The backup folder is the one that changes: a previous backup there
    // must stay whole until the new one is complete.
    const std::string backup = folder.path() + "-backup";
    {
        auto state = load();
        ScriptedMessages messages;
        ASSERT_TRUE(backupToFolder(*state, backup, kDay, messages)) << messages.lastText();
        Basket sale {};
        SaleShop::ringUpNonInventory(sale, "CARD", 1.25f);
        SaleShop::pay(sale, "Cash");
        ASSERT_EQ(completeTransaction(*state, sale, messages), CompletionResult::Archived);
        shutdownTill(*state, messages);
    }
    std::string faults;
    const CrashLoopCounts counts = crashLoop(
        backup,
        [&]() -> Work {
            auto state = load();
            return [state, backup](ScriptedMessages &messages) {
                return backupToFolder(*state, backup, kDay, messages);
            };
        },
        faults, CrashLoopRules {true, false, {folder.path()}});
    std::printf("backup: %d writes, %d syncs, %d interruptions checked\n", counts.writes,
        counts.syncs, counts.interruptions);
    EXPECT_EQ(faults, "");
    EXPECT_GT(counts.interruptions, 0);

    // A restore from that backup, taken before the shop's last sale.
    expectWhole("restore", [backup](std::shared_ptr<TillState> state) -> Work {
        return [state, backup](ScriptedMessages &messages) {
            return restoreFromFolder(*state, backup, messages)
                == RestoreResult::Restored;
        };
    });
    std::filesystem::remove_all(backup);
}

} // namespace
} // namespace ovix::test
