// Whatever the umask, every file and folder a day's work leaves in the shop's
// folder and its backup is the shop's account's alone: customers' details,
// card references and clerks' passwords are in them.

#include "accounts/logic/account_payment.h"
#include "exchange/logic/export_file.h"
#include "platform/scripted_messages.h"
#include "sales/logic/complete_transaction.h"
#include "sales/refund_fixture.h"
#include "store/data_set.h"
#include "support/recording_sale_devices.h"
#include "support/start_fixture.h"
#include "till/logic/backup.h"
#include "till/logic/startup.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>

namespace ovix::test {
namespace {

namespace fs = std::filesystem;

class FileModes : public ShopStart {
protected:
    void SetUp() override
    {
        oldMask_ = ::umask(0);
        ShopStart::SetUp();
    }
    void TearDown() override
    {
        ::umask(oldMask_);
        ShopStart::TearDown();
    }

private:
    mode_t oldMask_ = 0;
};

// Every path under `root` (itself included) whose mode is not 0600 for a
// file or 0700 for a folder, with its mode.
std::string looseModes(const std::string &root)
{
    std::string loose;
    auto check = [&](const fs::path &path) {
        struct stat st {};
        if (::lstat(path.c_str(), &st) != 0)
            return;
        const mode_t wanted = S_ISDIR(st.st_mode) ? 0700 : 0600;
        if ((st.st_mode & 07777) != wanted) {
            char mode[8];
            std::snprintf(mode, sizeof mode, "%04o", st.st_mode & 07777);
            loose += path.string().substr(root.size()) + " " + mode + "\n";
        }
    };
    check(root);
    for (const auto &entry : fs::recursive_directory_iterator(root))
        check(entry.path());
    return loose;
}

TEST_F(FileModes, ADaysWorkLeavesNothingOthersCanRead)
{
    const DataDir dir(folder.path());
    ScriptedMessages messages;
    ASSERT_TRUE(addDemoShop(dir, at(2024, 3, 4), messages)) << messages.lastText();
    TillState state(folder.path());
    ASSERT_TRUE(start(state, at(2024, 3, 5, 10), messages)) << messages.lastText();
    RecordingSaleDevices devices;

    Basket sale {};
    SaleShop::ringUpNonInventory(sale, "GIFT WRAP", 2.50f);
    SaleShop::pay(sale, "Cash");
    EXPECT_EQ(completeTransaction(state, sale, messages), CompletionResult::Archived)
        << messages.lastText();

    Basket returned {};
    SaleShop::ringUpNonInventory(returned, "GIFT WRAP", 2.50f);
    ScriptedRefundPrompts prompts;
    prompts.choice = refundIn(RefundForm::Cash);
    EXPECT_EQ(refundBasket(state, returned, messages, devices, prompts), RefundResult::Refunded)
        << messages.lastText();

    int64_t customer = 0;
    for (const IndexEntry &entry : state.customers.index().entries()) {
        if (entry.number > 0 && customer == 0)
            customer = entry.number;
    }
    ASSERT_GT(customer, 0);
    EXPECT_EQ(takeAccountPayment(state, customer, "5.00", AccountPaymentMethod::Cash, messages, devices),
        AccountPaymentResult::Paid)
        << messages.lastText();

    ExportChoice choice;
    choice.finish = 100000;
    EXPECT_TRUE(exportRecords(state, choice, folder.file("INVENTOR.TXT"), messages))
        << messages.lastText();

    const std::string backup = folder.file("backup");
    EXPECT_TRUE(backupToFolder(state, backup, at(2024, 3, 5, 17), messages)) << messages.lastText();
    shutdownTill(state, messages);

    EXPECT_TRUE(fs::exists(folder.file("2024/3/5/saleslog.dat")));
    EXPECT_TRUE(fs::exists(backup + "/film.dat"));
    EXPECT_EQ(looseModes(folder.path()), "");
}

} // namespace
} // namespace ovix::test
