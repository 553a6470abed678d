// Sales, refunds, account payments, stock receipts, the takings amendment,
// petty cash, the closeout, backups and restores, interrupted at each of their writes
// and syncs by a crash, a failing disk and a full one (support/crash_loop.h).

#include "accounts/logic/account_payment.h"
#include "inventory/logic/stock_receipt.h"
#include "reports/logic/closeout.h"
#include "reports/logic/takings_history.h"
#include "sales/logic/complete_transaction.h"
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
    expectWhole("sale of stock", [](std::shared_ptr<TillState> state) -> Work {
        return [state](ScriptedMessages &messages) {
            Basket sale {};
            ringUpItem(*state, sale, first(state->items.index()));
            ringUpItem(*state, sale, first(state->items.index(), 1));
            ringUpItem(*state, sale, first(state->items.index()));
            SaleShop::ringUpNonInventory(sale, "CARD", 1.25f);
            SaleShop::pay(sale, "Split", 1.00f);
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
    expectWhole("refund of stock to an account", [](std::shared_ptr<TillState> state) -> Work {
        return [state](ScriptedMessages &messages) {
            Basket returned {};
            ringUpItem(*state, returned, first(state->items.index()));
            ringUpItem(*state, returned, first(state->items.index(), 1));
            RecordingSaleDevices devices;
            ScriptedRefundPrompts prompts;
            prompts.choice = refundIn(RefundForm::Credit);
            prompts.customer = first(state->customers.index());
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
    expectWhole("backup", [backup](std::shared_ptr<TillState> state) -> Work {
        return [state, backup](ScriptedMessages &messages) {
            return backupToFolder(*state, backup, kDay, messages);
        };
    }, CrashLoopRules {true, false, {folder.path()}}, backup);

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
