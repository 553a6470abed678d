// A sale and a refund to a customer's account read through the file seam:
// every write they make reaches the disk in an order a power cut cannot
// tear (see support/sync_order.h).

#include "platform/file_access.h"
#include "platform/scripted_messages.h"
#include "platform/undo_journal.h"
#include "sales/logic/complete_transaction.h"
#include "sales/refund_fixture.h"
#include "support/recording_sale_devices.h"
#include "support/sync_order.h"

#include <gtest/gtest.h>

namespace ovix::test {
namespace {

std::string joined(const std::vector<std::string> &faults)
{
    std::string text;
    for (const std::string &fault : faults)
        text += fault + "\n";
    return text;
}

TEST(SaleSyncOrder, ASaleAndARefundToAnAccountSyncBeforeTheyCommit)
{
    RefundShop shop;
    writeBytes(shop.temp.file("bun4.dat"), "\r\n09:00 05/03/2026  Switched on.\r\n");
    const std::string journal = shop.temp.file(kJournalName);

    SyncTracingAccess sale;
    setFileAccess(&sale);
    Basket first = shop.kettle();
    SaleShop::pay(first, "Cash");
    ScriptedMessages messages;
    EXPECT_EQ(completeTransaction(shop.state, first, messages), CompletionResult::Archived)
        << messages.lastText();
    setFileAccess(nullptr);
    EXPECT_EQ(joined(syncOrderFaults(sale.events(), journal)), "");
    EXPECT_FALSE(sale.events().empty());

    SyncTracingAccess refund;
    setFileAccess(&refund);
    RecordingSaleDevices devices;
    ScriptedRefundPrompts prompts;
    prompts.choice = refundIn(RefundForm::Credit);
    prompts.customer = 7;
    Basket basket = shop.basket();
    EXPECT_EQ(refundBasket(shop.state, basket, messages, devices, prompts), RefundResult::Refunded)
        << messages.lastText();
    setFileAccess(nullptr);
    EXPECT_EQ(joined(syncOrderFaults(refund.events(), journal)), "");
}

} // namespace
} // namespace ovix::test
