// Sales, refunds, account payments, stock receipts, the takings amendment,
// petty cash, the closeout, backups and restores, interrupted at each of their writes
// and syncs by a crash, a failing disk and a full one (support/crash_loop.h).

#include "accounts/logic/account_payment.h"
#include "inventory/logic/stock_receipt.h"
#include "reports/logic/closeout.h"
#include "reports/logic/takings_history.h"
#include "sales/logic/complete_transaction.h"
#include "sales/logic/sales_archive.h"
#include "sales/refund_fixture.h"
#include "store/fixed_text.h"
#include "support/recording_sale_devices.h"
#include "till/logic/backup.h"
#include "till/logic/restore.h"
#include "till/crash_loop_shop.h"

#include <gtest/gtest.h>

#include <filesystem>
namespace ovix::test {
namespace {

const LocalTime kDay = kCrashLoopDay;

// Item `number` rung up at its shelf price, untaxed, as a line with stock
// behind it.
void ringUpItem(const TillState &state, Basket &basket, int64_t number)
{
    ScriptedMessages quiet;
    ItemRecord item {};
    const auto slot = state.items.slotOf(number);
    ASSERT_TRUE(slot && state.items.readRecord(*slot, item, quiet)) << quiet.lastText();
    BasketLine line;
    line.itemNumber = number;
    line.description = readText(item.description).substr(0, 39);
    line.cost = item.cost_price;
    line.nonTaxable = item.retail_price;
    line.total = item.retail_price;
    addToRunningTotal(basket, BasketTotal::NonTaxable, line.total);
    addToRunningTotal(basket, BasketTotal::Subtotal, line.total);
    addToRunningTotal(basket, BasketTotal::Total, line.total);
    basket.setTotal(BasketTotal::Cost, basket.total(BasketTotal::Cost) + line.cost);
    setBasketLine(basket, basket.lineCount, line);
    ++basket.lineCount;
}

// With one sale already in today's archive.
class TransactionCrashLoop : public CrashLoopShop {
protected:
    void beforeTheWork(TillState &state, ScriptedMessages &messages) override
    {
        Basket sale {};
        SaleShop::ringUpNonInventory(sale, "GIFT WRAP", 2.50f);
        SaleShop::pay(sale, "Cash");
        ASSERT_EQ(completeTransaction(state, sale, messages), CompletionResult::Archived);
    }
};

// A completed sale, refund or payment is kept when only the activity log
// cannot take its line (the clerk is told); the takings amendment and
// petty cash keep their amount in use when wr.cfg cannot be stored (told as
// "Data file: wr.cfg, not present."), to be stored with the next store.
const CrashLoopRules kLogMayLag = [] {
    CrashLoopRules rules;
    rules.logMayLagWhenTold = true;
    return rules;
}();
const CrashLoopRules kSettingsMayLag = [] {
    CrashLoopRules rules = kLogMayLag;
    rules.settingsMayLagWhenTold = true;
    return rules;
}();

// The work completes the one basket made for its till: after a failure the
// till does it again with the basket the failure left, which must be the
// same sale still, and take the same number.
Work completing(std::shared_ptr<TillState> state, std::shared_ptr<Basket> sale)
{
    return [state, sale](ScriptedMessages &messages) {
        return completeTransaction(*state, *sale, messages) == CompletionResult::Archived;
    };
}

Work refunding(std::shared_ptr<TillState> state, std::shared_ptr<Basket> returned,
    RefundForm form, int64_t customer = 0)
{
    return [state, returned, form, customer](ScriptedMessages &messages) {
        RecordingSaleDevices devices;
        ScriptedRefundPrompts prompts;
        prompts.choice = refundIn(form);
        prompts.customer = customer;
        return refundBasket(*state, *returned, messages, devices, prompts)
            == RefundResult::Refunded;
    };
}

Work sellingStock(std::shared_ptr<TillState> state)
{
    auto sale = std::make_shared<Basket>();
    ringUpItem(*state, *sale, CrashLoopShop::first(state->items.index()));
    ringUpItem(*state, *sale, CrashLoopShop::first(state->items.index(), 1));
    ringUpItem(*state, *sale, CrashLoopShop::first(state->items.index()));
    SaleShop::ringUpNonInventory(*sale, "CARD", 1.25f);
    SaleShop::pay(*sale, "Split", 1.00f);
    return completing(state, sale);
}

Work receiving(std::shared_ptr<TillState> state)
{
    return [state](ScriptedMessages &messages) {
        ReceiptForm form;
        form.quantity = "12";
        return receiveStock(*state, CrashLoopShop::first(state->items.index(), 1), form, messages)
            == ReceiptResult::Booked;
    };
}

TEST_F(TransactionCrashLoop, SalesRefundsAndAccountPayments)
{
    // Only the crash after the undo journal is gone keeps the work.
    const auto keptByOneCrash = [](const CrashLoopCounts &counts) {
        EXPECT_EQ(counts.keptByCrash, 1);
    };
    keptByOneCrash(expectWhole("sale", [](std::shared_ptr<TillState> state) -> Work {
        auto sale = std::make_shared<Basket>();
        SaleShop::ringUpNonInventory(*sale, "CARD", 1.25f);
        SaleShop::ringUpNonInventory(*sale, "RIBBON", 0.75f);
        SaleShop::pay(*sale, "Cash");
        return completing(state, sale);
    }, kLogMayLag));
    keptByOneCrash(expectWhole("sale of stock", sellingStock, kLogMayLag));
    keptByOneCrash(expectWhole("refund", [](std::shared_ptr<TillState> state) -> Work {
        auto returned = std::make_shared<Basket>();
        SaleShop::ringUpNonInventory(*returned, "GIFT WRAP", 2.50f);
        return refunding(state, returned, RefundForm::Cash);
    }, kLogMayLag));
    keptByOneCrash(expectWhole("refund of stock to an account",
        [](std::shared_ptr<TillState> state) -> Work {
            auto returned = std::make_shared<Basket>();
            ringUpItem(*state, *returned, first(state->items.index()));
            ringUpItem(*state, *returned, first(state->items.index(), 1));
            return refunding(
                state, returned, RefundForm::Credit, first(state->customers.index()));
        },
        kLogMayLag));
    keptByOneCrash(expectWhole("account payment", [](std::shared_ptr<TillState> state) -> Work {
        return [state](ScriptedMessages &messages) {
            RecordingSaleDevices devices;
            return takeAccountPayment(*state, first(state->customers.index()), "3.00",
                       AccountPaymentMethod::Cheque, messages, devices)
                == AccountPaymentResult::Paid;
        };
    }, kLogMayLag));
}

TEST_F(TransactionCrashLoop, ASaleAfterATornEndOfTheArchive)
{
    // Bytes that are no whole record at the end of today's saleslog.dat, with
    // no journal to explain them: the sale cuts them off and keeps them beside.
    const std::string sales
        = DataDir(folder.path()).path(dayFileName(kDay.year, kDay.month, kDay.day, kSalesLogName));
    writeBytes(sales, readBytes(sales) + std::string(123, '\x5A'));
    EXPECT_EQ(expectWhole("sale after a torn end", sellingStock, kLogMayLag).keptByCrash, 1);
}

using FirstOfTheDayCrashLoop = CrashLoopShop;

TEST_F(FirstOfTheDayCrashLoop, TheFirstSaleAndStockReceiptOfTheDay)
{
    // Today's archive files are made by the first sale.
    EXPECT_EQ(expectWhole("first sale of the day", sellingStock, kLogMayLag).keptByCrash, 1);
    EXPECT_EQ(expectWhole("first stock receipt of the day", receiving).keptByCrash, 1);
}

TEST_F(TransactionCrashLoop, StockReceiptsTakingsAndPettyCash)
{
    // The day's ininvent.dat holds one receipt already.
    {
        auto state = load();
        ScriptedMessages messages;
        ASSERT_EQ(receiving(state)(messages), true) << messages.lastText();
    }
    EXPECT_EQ(expectWhole("stock receipt", receiving).keptByCrash, 1);
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
    expectWhole("closeout", [](std::shared_ptr<TillState> state) -> Work {
        return [state](ScriptedMessages &messages) {
            return logCloseout(state->dir, closeoutFigures(state->config), {2, "ANNE"}, kDay,
                messages);
        };
    });
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
    CrashLoopRules backupRules = kLogMayLag;
    backupRules.alsoPutBack = {folder.path()};
    expectWhole("backup", [backup](std::shared_ptr<TillState> state) -> Work {
        return [state, backup](ScriptedMessages &messages) {
            return backupToFolder(*state, backup, kDay, messages);
        };
    }, backupRules, backup);

    // A restore from that backup, taken before the shop's last sale. The
    // history goes, and the backup's day counters come back with it.
    CrashLoopRules restoreRules;
    restoreRules.nextStart = [](const std::string &shop) {
        return checkNextStartAndSale(shop, kDay, false);
    };
    expectWhole("restore", [backup](std::shared_ptr<TillState> state) -> Work {
        return [state, backup](ScriptedMessages &messages) {
            return restoreFromFolder(*state, backup, messages)
                == RestoreResult::Restored;
        };
    }, restoreRules);
    std::filesystem::remove_all(backup);
}

} // namespace
} // namespace ovix::test
