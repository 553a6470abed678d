// "Amend balance": the typed balance, the record and the log's block written
// together, and nothing changed by bad text or a failing disk.

#include "accounts/account_shop.h"
#include "accounts/logic/balance_amendment.h"
#include "platform/file_access.h"

#include <gtest/gtest.h>

using namespace ovix;
using namespace ovix::test;

TEST(BalanceAmendment, TypedBalancesAreWholeCentsOrRefused)
{
    struct Case {
        const char *typed;
        std::optional<int64_t> cents;
    };
    const Case cases[] = {
        { "120.50", 12050 }, { "-20", -2000 }, { "0", 0 }, { " 7.006 ", 701 }, { "+3", 300 },
        { ".5", 50 }, { "9999999.99", 999999999 }, { "-9999999.99", -999999999 },
        { "10000000", std::nullopt }, { "", std::nullopt }, { "-", std::nullopt },
        { ".", std::nullopt }, { "12a", std::nullopt }, { "1e5", std::nullopt },
        { "--1", std::nullopt }, { "inf", std::nullopt },
    };
    for (const Case &c : cases)
        EXPECT_EQ(typedBalanceCents(c.typed), c.cents) << c.typed;
}

TEST(BalanceAmendment, ThePromptShowsTheCustomerAndWhatIsOwed)
{
    AccountShop shop;
    const CustomerRecord smith = shop.customer(7);
    EXPECT_EQ(amendBalanceTitle(smith), "7 SMITH, owed:");
    EXPECT_EQ(balanceText(smith), "30.00");
}

TEST(BalanceAmendment, TheBalanceAndItsLogBlockAreWrittenOnce)
{
    FixedClock clock(kSaleTime);
    AccountShop shop;
    CustomerRecord expected = shop.customer(7);
    const std::string archiveBefore = shop.file("2026/3/5/saleslog.dat");
    ScriptedMessages messages;
    ASSERT_TRUE(amendBalance(shop.state, 7, "-20.00", messages));
    EXPECT_EQ(messages.lastText(), "Updated");
    EXPECT_EQ(messages.lastCaption(), "Customer");
    expected.balance = -20.0f;
    const CustomerRecord smith = shop.customer(7);
    EXPECT_EQ(std::memcmp(&smith, &expected, sizeof smith), 0);
    EXPECT_EQ(shop.logCount("\r\n10:20 05/03/2026  Credit amendment\r\nCustomer: 7 SMITH\r\n"
                            "Before: 30.00, After: -20.00\r\n"),
        1u);
    // A correction is no transaction: the archive and the number stay.
    EXPECT_EQ(shop.file("2026/3/5/saleslog.dat"), archiveBefore);
    EXPECT_EQ(shop.state.config.get(cfg::nextTransactionNumber), 41);
}

TEST(BalanceAmendment, BadTextAMissingCustomerOrAFailingDiskChangeNothing)
{
    FixedClock clock(kSaleTime);
    AccountShop shop;
    const SaleShop::Snapshot before = shop.snapshot();
    ScriptedMessages messages;
    EXPECT_FALSE(amendBalance(shop.state, 7, "twenty", messages));
    EXPECT_EQ(messages.lastText(), "The balance must be an amount such as 120.50 or -20.00");
    EXPECT_FALSE(amendBalance(shop.state, 99, "5", messages));
    EXPECT_EQ(shop.snapshot(), before);

    for (int n = 1; n <= 3; ++n) {
        FaultyFileAccess faulty;
        faulty.faultWriteNumber(n, FaultyFileAccess::Mode::Fail);
        setFileAccess(&faulty);
        ScriptedMessages failing;
        const bool amended = amendBalance(shop.state, 7, "5", failing);
        setFileAccess(nullptr);
        if (amended)
            break; // the failing write came after the update (none left to fail)
        EXPECT_EQ(shop.snapshot(), before) << n;
        EXPECT_FALSE(failing.shown.empty()) << n;
    }
}
