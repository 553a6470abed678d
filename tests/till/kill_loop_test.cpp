// The till killed outright (SIGKILL) at random moments while it completes
// sales, refunds and account payments as fast as it can, a few hundred times
// over: after each kill the next start succeeds, and the day's archive, the
// customer's balance and the day's counters tell one story - every operation
// wholly there or wholly absent, no record torn, no transaction number twice.

#include "accounts/logic/account_payment.h"
#include "platform/file_access.h"
#include "platform/scripted_messages.h"
#include "sales/logic/complete_transaction.h"
#include "sales/refund_fixture.h"
#include "store/data_set.h"
#include "support/recording_sale_devices.h"
#include "support/start_fixture.h"
#include "till/logic/startup.h"
#include "till/next_start_check.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <random>
#include <sys/wait.h>
#include <unistd.h>

namespace ovix::test {
namespace {

const LocalTime kDay = at(2024, 3, 5, 10);
constexpr int kMostKills = 300;
constexpr auto kMostTime = std::chrono::seconds(25);

// A killed process loses nothing the kernel already holds, so syncing
// proves nothing here (the sync order has its own tests); leaving it out
// lets a few hundred kills land within seconds.
class NoSyncAccess : public FileAccess {
public:
    NoSyncAccess() { setFileAccess(this); }
    ~NoSyncAccess() override { setFileAccess(nullptr); }
    int fsync(int) override { return 0; }
};

int64_t firstCustomer(const TillState &state)
{
    for (const IndexEntry &entry : state.customers.index().entries()) {
        if (entry.number > 0)
            return entry.number;
    }
    return 0;
}

// The child: starts the till as each morning and works until it is killed.
// It writes one byte to `ready` once it has started.
[[noreturn]] void workUntilKilled(const std::string &folder, int64_t customer, int ready)
{
    NoSyncAccess fast;
    ScriptedMessages quiet;
    TillState state(folder);
    setFixedLocalTime(kDay);
    if (!openData(state, quiet) || !completeStart(state, quiet))
        _exit(3);
    if (::write(ready, "!", 1) != 1)
        _exit(7);
    RecordingSaleDevices devices;
    for (;;) {
        Basket sale {};
        SaleShop::ringUpNonInventory(sale, "GIFT WRAP", 2.50f);
        SaleShop::ringUpNonInventory(sale, "CARD", 1.25f);
        SaleShop::pay(sale, "Cash");
        if (completeTransaction(state, sale, quiet) != CompletionResult::Archived)
            _exit(4);
        Basket returned {};
        SaleShop::ringUpNonInventory(returned, "GIFT WRAP", 2.50f);
        ScriptedRefundPrompts prompts;
        prompts.choice = refundIn(RefundForm::Cash);
        if (refundBasket(state, returned, quiet, devices, prompts) != RefundResult::Refunded)
            _exit(5);
        if (takeAccountPayment(state, customer, "1.00", AccountPaymentMethod::Cash, quiet, devices)
            != AccountPaymentResult::Paid)
            _exit(6);
        quiet.shown.clear();
        quiet.proposals.clear();
    }
}

using KillLoop = ShopStart;

TEST_F(KillLoop, EveryKillLeavesWholeOperationsAndANumberUsedOnce)
{
    ScriptedMessages messages;
    ASSERT_TRUE(addDemoShop(DataDir(folder.path()), at(2024, 3, 4), messages)) << messages.lastText();
    int64_t customer = 0;
    {
        TillState state(folder.path());
        ASSERT_TRUE(start(state, kDay, messages)) << messages.lastText();
        customer = firstCustomer(state);
        shutdownTill(state, messages);
    }
    ASSERT_GT(customer, 0);

    NoSyncAccess fast;
    std::mt19937 random(20261209);
    std::uniform_int_distribution<int> pause(0, 30000); // microseconds
    const auto end = std::chrono::steady_clock::now() + kMostTime;
    int kills = 0;
    int exits = 0;
    size_t transactions = 0;
    while (kills < kMostKills && std::chrono::steady_clock::now() < end) {
        int ready[2];
        ASSERT_EQ(::pipe(ready), 0);
        std::fflush(nullptr);
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            ::close(ready[0]);
            workUntilKilled(folder.path(), customer, ready[1]);
        }
        ::close(ready[1]);
        // One kill in four may land in the start itself (undoing the work
        // the last kill interrupted); the others wait until it is working.
        if (kills % 4 != 0) {
            char byte = 0;
            (void)!::read(ready[0], &byte, 1);
        }
        ::close(ready[0]);
        ::usleep(static_cast<useconds_t>(pause(random)));
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        if (WIFSIGNALED(status))
            ++kills;
        else
            ++exits; // it stopped on its own: a failure it met
        ASSERT_FALSE(WIFEXITED(status)) << "the till stopped with " << WEXITSTATUS(status);
        const NextStartFindings found = checkNextStart(folder.path(), kDay);
        transactions = found.numbers.size();
        ASSERT_EQ(found.faults, "") << "after kill " << kills;
    }
    std::printf("Kill loop: %d kills, %zu transactions archived and checked after each\n", kills,
        transactions);
    EXPECT_GE(kills, 50);
    EXPECT_GT(transactions, 0u);
}

} // namespace
} // namespace ovix::test
