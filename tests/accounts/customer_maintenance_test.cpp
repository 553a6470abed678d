// Keeping member.dat: what an add, an amend, a deletion and a prune leave in
// the file, read back at the documented offsets; the log blocks byte for
// byte; the form's limits; and that a write failing anywhere leaves the files
// and the index as they were.

#include "accounts/logic/customer_maintenance.h"
#include "accounts/logic/customer_terms.h"
#include "accounts/customer_shop.h"
#include "platform/file_access.h"
#include "platform/undo_journal.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <climits>
#include <cstdio>
#include <functional>

using namespace ovix;
using namespace ovix::test;

namespace {

CustomerForm fullForm()
{
    CustomerForm form;
    form.number = "77";
    form.name = "Bell & sons";
    form.road = "1 high st";
    form.area = "east end";
    form.town = "dunmore";
    form.postcode = "dm1 2ab";
    form.telephone = "01234 567";
    form.extension = "12";
    form.telephone2 = "07700 900";
    form.email = "Shop@Bell.example";
    form.fax = "01234 568";
    form.contact = "mary";
    form.notes = "Leave at back";
    form.comment = "trade";
    form.comment2 = "since 2020";
    form.creditCard = "4111 1111";
    form.creditCardExpiry = "01/29";
    form.creditCard2 = "5500 0000";
    form.creditCard2Expiry = "02/30";
    form.shippingName = "bell warehouse";
    form.shippingRoad = "2 low st";
    form.shippingArea = "west";
    form.shippingTown = "dunmore";
    form.shippingPostcode = "dm2";
    form.taxable = "0";
    form.group = "12";
    form.transactions = "3";
    form.totalPurchases = "120.506";
    form.balance = "15.25";
    form.creditLimit = "500";
    form.termsIndex = 3;
    return form;
}

std::string fullFormBytes()
{
    std::string bytes(kCustomerBytes, '\0');
    putI64(bytes, member::kNumber, 77);
    putText(bytes, member::kName, "BELL & SONS");
    putText(bytes, member::kRoad, "1 HIGH ST");
    putText(bytes, member::kArea, "EAST END");
    putText(bytes, member::kTown, "DUNMORE");
    putText(bytes, member::kPostcode, "DM1 2AB");
    putText(bytes, member::kTelephone, "01234 567");
    putText(bytes, member::kExtension, "12");
    putText(bytes, member::kTelephone2, "07700 900");
    putText(bytes, member::kEmail, "Shop@Bell.example");
    putText(bytes, member::kFax, "01234 568");
    putText(bytes, member::kContact, "MARY");
    putText(bytes, member::kNotes, "Leave at back");
    putText(bytes, member::kComment, "TRADE");
    putText(bytes, member::kComment2, "SINCE 2020");
    putText(bytes, member::kCreditCard, "4111 1111");
    putText(bytes, member::kCreditCardExpiry, "01/29");
    putText(bytes, member::kCreditCard2, "5500 0000");
    putText(bytes, member::kCreditCard2Expiry, "02/30");
    putText(bytes, member::kShipping1, "BELL WAREHOUSE");
    putText(bytes, member::kShipping2, "2 LOW ST");
    putText(bytes, member::kShipping3, "WEST");
    putText(bytes, member::kShipping4, "DUNMORE");
    putText(bytes, member::kShipping5, "DM2");
    putI64(bytes, member::kTax, 0);
    putI32(bytes, member::kGroup, 12);
    putI32(bytes, member::kTransactions, 3);
    putF32(bytes, member::kTotalPurchases, 120.51f);
    putF32(bytes, member::kBalance, 15.25f);
    putF32(bytes, member::kCreditLimit, 500.0f);
    putI32(bytes, member::kTerms, 4);
    putText(bytes, member::kLastUsed, "NEW");
    return bytes;
}

} // namespace

TEST(CustomerMaintenance, AnAddWritesEveryBoxAtItsOffsetAndCountsTheNewCustomer)
{
    CustomerShop shop;
    const int64_t slots = shop.state.customers.slotCount();
    const int64_t counted = shop.state.config.get(cfg::newCustomersToday);
    ASSERT_EQ(storeNewCustomer(shop.state, fullForm(), shop.messages),
        CustomerStoreOutcome::Stored)
        << shop.messages.lastText();
    EXPECT_EQ(shop.messages.lastText(), "Store record?");
    EXPECT_EQ(shop.messages.lastCaption(), "New customer");
    const std::optional<int64_t> slot = shop.state.customers.slotOf(77);
    ASSERT_TRUE(slot);
    EXPECT_EQ(shop.slot(*slot), fullFormBytes());
    EXPECT_EQ(shop.state.customers.slotCount(), slots + (*slot == slots ? 1 : 0));
    EXPECT_EQ(shop.state.customers.key(*slot), (std::array<char, 2> { 'B', 'E' }));
    EXPECT_EQ(shop.state.config.get(cfg::newCustomersToday), counted + 1);
    EXPECT_EQ(getI64(readBytes(shop.file("wr.cfg")), 960), counted + 1);
}

TEST(CustomerMaintenance, TheFormsLimitsAreKeptInOrder)
{
    struct Case {
        const char *number;
        const char *name;
        const char *group;
        const char *problem; // nullptr: accepted
    } cases[] = {
        { "100000000000000000", "AB", "1", nullptr },
        { "100000000000000001", "AB", "1", "Number outside range." },
        { "0", "AB", "1", "Number outside range." },
        { "-4", "AB", "1", "Number outside range." },
        { "", "AB", "1", "Number outside range." },
        // More digits than 64 bits hold is out of range, not wrapped round onto 1.
        { "18446744073709551617", "AB", "1", "Number outside range." },
        { "9999999999999999999", "AB", "1", "Number outside range." },
        { "5", "A", "1", "The name must have at least two characters." },
        { "5", "", "0", "The name must have at least two characters." },
        { "5", "AB", "0", "Invalid category (1-2000)" },
        { "5", "AB", "2001", "Invalid category (1-2000)" },
        { "5", "AB", "2000", nullptr },
        { "5", "AB", "99999999999999999999", "Invalid category (1-2000)" },
    };
    for (const Case &c : cases) {
        CustomerForm form;
        form.number = c.number;
        form.name = c.name;
        form.group = c.group;
        const std::optional<std::string> problem = newCustomerProblem(form);
        EXPECT_EQ(problem.value_or(""), c.problem ? c.problem : "") << c.number << " " << c.name;
    }
}

TEST(CustomerMaintenance, AnEmailThatCouldAddMailCommandsIsRefused)
{
    struct Case {
        const char *email;
        bool refused;
    } cases[] = {
        { "jones@example.org", false },
        { "", false },
        { "jones@example.org\r\nRCPT TO:<other@example.org>", true },
        { "jones@example.org\n", true },
        { "jones\t@example.org", true },
        { "jones\x7F@example.org", true },
    };
    for (const Case &c : cases) {
        CustomerForm form;
        form.number = "5";
        form.name = "JONES";
        form.group = "1";
        form.email = c.email;
        const std::string expected = c.refused ? kEmailControlProblem : "";
        EXPECT_EQ(newCustomerProblem(form).value_or(""), expected) << c.email;
        EXPECT_EQ(amendmentProblem(form, 5).value_or(""), expected) << c.email;
    }
}

TEST(CustomerMaintenance, ARefusalOrANumberInUseOrNoConfirmationWritesNothing)
{
    CustomerShop shop;
    shop.add({ 5, "SMITH" });
    const std::string before = shop.memberFile();
    CustomerForm form = fullForm();
    form.name = "X";
    EXPECT_EQ(storeNewCustomer(shop.state, form, shop.messages), CustomerStoreOutcome::Refused);
    EXPECT_EQ(shop.messages.lastText(), "The name must have at least two characters.");
    EXPECT_EQ(shop.messages.beeps, 1);
    form = fullForm();
    form.number = "5";
    EXPECT_EQ(storeNewCustomer(shop.state, form, shop.messages), CustomerStoreOutcome::Ended);
    EXPECT_EQ(shop.messages.lastText(), "Number in use.");
    shop.messages.answers = { Answer::Cancel };
    EXPECT_EQ(storeNewCustomer(shop.state, fullForm(), shop.messages), CustomerStoreOutcome::Ended);
    EXPECT_EQ(shop.memberFile(), before);
    EXPECT_FALSE(shop.state.customers.slotOf(77));
}

TEST(CustomerMaintenance, ADeletedCustomersSlotIsTakenByTheNextAddAndTheDeletionLogged)
{
    CustomerShop shop;
    shop.add({ 4, "JONES" });
    const int64_t fiveSlot = shop.add({ 5, "SMITH" });
    const std::string smith = shop.slot(fiveSlot);
    const std::string logBefore = shop.log();

    shop.messages.answers = { Answer::Cancel };
    EXPECT_FALSE(deleteCustomer(shop.state, 5, shop.messages));
    EXPECT_EQ(shop.messages.lastText(), "Are you sure?");
    EXPECT_EQ(shop.messages.lastCaption(), "5 Name: SMITH");
    EXPECT_EQ(shop.slot(fiveSlot), smith);

    ASSERT_TRUE(deleteCustomer(shop.state, 5, shop.messages)) << shop.messages.lastText();
    std::string freed = smith;
    putI64(freed, member::kNumber, -1);
    freed[member::kName] = '\0';
    freed[member::kName + 1] = '\0';
    EXPECT_EQ(shop.slot(fiveSlot), freed);
    EXPECT_EQ(shop.log(), logBefore + "\r\n10:20 5/3/2026 Customer 5, SMITH deleted.\r\n");
    EXPECT_FALSE(shop.state.customers.slotOf(5));

    const int64_t slots = shop.state.customers.slotCount();
    const size_t size = shop.memberFile().size();
    const int64_t free = shop.state.customers.freeCount();
    CustomerForm form = fullForm();
    form.number = "9";
    ASSERT_EQ(storeNewCustomer(shop.state, form, shop.messages), CustomerStoreOutcome::Stored);
    EXPECT_EQ(shop.state.customers.slotOf(9), fiveSlot);
    EXPECT_EQ(shop.state.customers.slotCount(), slots);
    EXPECT_EQ(shop.state.customers.freeCount(), free - 1);
    EXPECT_EQ(shop.memberFile().size(), size);

    EXPECT_FALSE(deleteCustomer(shop.state, 5, shop.messages));
    EXPECT_EQ(shop.messages.lastText(), "Invalid number.");
}

TEST(CustomerMaintenance, AnAmendKeepsTheBalanceAndLogsBeforeAndAfter)
{
    CustomerShop shop;
    ASSERT_EQ(storeNewCustomer(shop.state, fullForm(), shop.messages),
        CustomerStoreOutcome::Stored);
    const int64_t slot = *shop.state.customers.slotOf(77);
    const std::string logBefore = shop.log();
    std::optional<CustomerRecord> record = readCustomer(shop.state, 77, shop.messages);
    ASSERT_TRUE(record);
    CustomerForm form = formOfRecord(*record);
    form.name = "bell ltd";
    form.town = "dunmore north";
    form.group = "7";
    form.balance = "999"; // hidden when amending: never read
    form.creditCard = "4222";
    ASSERT_EQ(storeAmendedCustomer(shop.state, 77, form, shop.messages),
        CustomerStoreOutcome::Stored)
        << shop.messages.lastText();

    std::string expected = fullFormBytes();
    putText(expected, member::kName, std::string("BELL LTD") + '\0' + '\0' + '\0');
    putText(expected, member::kTown, "DUNMORE NORTH");
    putI32(expected, member::kGroup, 7);
    putText(expected, member::kCreditCard, std::string("4222") + '\0' + '\0' + '\0' + '\0' + '\0');
    EXPECT_EQ(shop.slot(slot), expected);
    EXPECT_EQ(getF32(shop.slot(slot), member::kBalance), 15.25f);
    EXPECT_EQ(shop.log(),
        logBefore
            + "\r\n10:20 05/03/2026  Customer 77 amended:"
              "\r\nBefore: BELL & SONS\r\n1 HIGH ST, EAST END\r\nDUNMORE, DM1 2AB"
              "\r\nTel: 01234 567, Category: 12\r\nComment: TRADE"
              "\r\n\r\nAfter: BELL LTD\r\n1 HIGH ST, EAST END\r\nDUNMORE NORTH, DM1 2AB"
              "\r\nTel: 01234 567, Category: 7\r\nComment: TRADE"
              "\r\nCredit card: 4222\r\n");
    EXPECT_EQ(shop.state.customers.key(slot), (std::array<char, 2> { 'B', 'E' }));

    const std::string file = shop.memberFile();
    const std::string log = shop.log();
    struct Case {
        const char *number;
        const char *name;
        const char *group;
        const char *problem;
    } refusals[] = {
        { "78", "BELL LTD", "7", "Number cannot be changed" },
        { "177", "BELL LTD", "7", "Number cannot be changed" },
        { "77", "B", "7", "The name must have at least two characters." },
        { "77", "BELL LTD", "2001", "Invalid category (1-2000)" },
    };
    for (const Case &c : refusals) {
        form.number = c.number;
        form.name = c.name;
        form.group = c.group;
        EXPECT_EQ(storeAmendedCustomer(shop.state, 77, form, shop.messages),
            CustomerStoreOutcome::Refused)
            << c.number;
        EXPECT_EQ(shop.messages.lastText(), c.problem);
    }
    EXPECT_EQ(shop.memberFile(), file);
    EXPECT_EQ(shop.log(), log);
}

TEST(CustomerMaintenance, AnAmendmentTheLogCannotTakeStaysWrittenAndIsTold)
{
    CustomerShop shop;
    const int64_t slot = shop.add({ 5, "SMITH" });
    std::remove(shop.file("bun4.dat").c_str());
    ASSERT_EQ(mkdir(shop.file("bun4.dat").c_str(), 0700), 0);
    CustomerForm form = formOfRecord(*readCustomer(shop.state, 5, shop.messages));
    form.name = "SMYTHE";
    EXPECT_EQ(storeAmendedCustomer(shop.state, 5, form, shop.messages),
        CustomerStoreOutcome::Stored);
    EXPECT_EQ(shop.messages.lastText(), "Data file: bun4.dat, not present.");
    EXPECT_EQ(shop.messages.lastCaption(), "Fatal error");
    EXPECT_EQ(getText(shop.slot(slot), member::kName, 30), "SMYTHE");
}

TEST(CustomerMaintenance, TheOfferedNumberSkipsNumbersOnFileAndNeverRunsPastTheTop)
{
    struct Case {
        int64_t lastIssued;
        std::vector<int64_t> onFile;
        std::optional<int64_t> offer;
    } cases[] = {
        { 0, {}, 1 },
        { -7, {}, 1 },
        { 10, { 11, 12, 14 }, 13 },
        { 99999999999999998, {}, 99999999999999999 },
        { 99999999999999999, {}, 100000000000000000 },
        { 99999999999999999, { 100000000000000000 }, std::nullopt },
        { 100000000000000000, {}, std::nullopt },
        { INT64_MAX, {}, std::nullopt },
    };
    for (const Case &c : cases) {
        CustomerShop shop;
        for (const int64_t number : c.onFile)
            shop.add({ number, "ON FILE" });
        shop.state.config.set(cfg::lastCustomerNumber, c.lastIssued);
        EXPECT_EQ(offeredCustomerNumber(shop.state), c.offer) << c.lastIssued;
        shop.state.config.set(cfg::noNumberOnNewCustomer, 0);
        EXPECT_EQ(newCustomerForm(shop.state).number,
            c.offer ? std::to_string(*c.offer) : std::string());
    }
    CustomerShop shop;
    shop.state.config.set(cfg::noNumberOnNewCustomer, 1);
    const CustomerForm form = newCustomerForm(shop.state);
    EXPECT_EQ(form.number, "");
    EXPECT_EQ(form.taxable, "1");
    EXPECT_EQ(form.group, "1");
    EXPECT_EQ(form.creditLimit, "2000");
    EXPECT_EQ(form.balance, "0");
    EXPECT_EQ(form.termsIndex, 0);
}

TEST(CustomerMaintenance, ATermsBandOutOfRangeIsClampedNeverUsedAsAnIndex)
{
    struct Case {
        int32_t terms;
        int band;
    } cases[] = { { 1, 1 }, { 8, 8 }, { 0, 1 }, { -3, 1 }, { 9, 8 }, { INT32_MAX, 8 },
        { INT32_MIN, 1 } };
    CustomerShop shop;
    for (const Case &c : cases) {
        CustomerRecord record {};
        record.terms = c.terms;
        EXPECT_EQ(customerBand(record), c.band) << c.terms;
        EXPECT_EQ(formOfRecord(record).termsIndex, c.band - 1) << c.terms;
        EXPECT_EQ(bandText(shop.state.config, customerBand(record)),
            bandTexts(shop.state.config)[static_cast<size_t>(c.band - 1)]);
    }
}

TEST(CustomerMaintenance, PruneOffersByTaxLastUseAndDebt)
{
    EXPECT_EQ(pruneCutOff(3, 2026).month, 9);
    EXPECT_EQ(pruneCutOff(3, 2026).year, 2025);
    EXPECT_EQ(pruneCutOff(6, 2026).month, 12);
    EXPECT_EQ(pruneCutOff(6, 2026).year, 2025);
    EXPECT_EQ(pruneCutOff(7, 2026).month, 1);
    EXPECT_EQ(pruneCutOff(7, 2026).year, 2026);
    const PruneCutOff cutOff = pruneCutOff(3, 2026); // September 2025
    struct Case {
        int64_t number;
        int64_t tax;
        const char *lastUsed;
        float balance;
        bool omitDebtors;
        bool offered;
    } cases[] = {
        { 1, 0, "10:0001/09/2025", 0, false, true },
        { 1, 0, "10:0001/10/2025", 0, false, false },
        { 1, 0, "10:0001/01/2026", 0, false, false },
        { 1, 0, "10:0001/12/2024", 0, false, true },
        { 1, 1, "10:0001/12/2024", 0, false, false }, // taxable: never
        { 0, 0, "10:0001/12/2024", 0, false, false },
        { 1, 0, "10:0001/12/2024", 5.0f, false, true },
        { 1, 0, "10:0001/12/2024", 5.0f, true, false },
        { 1, 0, "10:0001/12/2024", -5.0f, true, false }, // in credit is not exactly 0
        { 1, 0, "10:0001/12/2024", 0.0f, true, true },
        { 1, 0, "NEW", 5.0f, true, true }, // no date: offered whatever it owes
        { 1, 0, "", -5.0f, true, true },
    };
    for (const Case &c : cases) {
        CustomerRecord record {};
        record.number = c.number;
        record.tax = c.tax;
        writeText(record.customer_last_used, c.lastUsed);
        record.balance = c.balance;
        EXPECT_EQ(pruneOffers(record, cutOff, c.omitDebtors), c.offered)
            << c.lastUsed << " " << c.balance << " " << c.omitDebtors;
    }
}

TEST(CustomerMaintenance, PruneStartsAtTheStartNumberAndDeletesWithoutALogLine)
{
    CustomerShop shop;
    shop.add({ 10, "OLD TEN", 0, "", "", 0, "10:0001/01/2024" });
    shop.add({ 50, "OLD FIFTY", 0, "", "", 0, "10:0001/01/2024" });
    shop.add({ 51, "RECENT", 0, "", "", 0, "10:0001/02/2026" });
    shop.add({ 60, "NEW ONE", 12.5f, "", "", 0, "NEW" });
    shop.add({ 70, "OLD SEVENTY", 0, "", "", 0, "10:0001/01/2024" });
    const std::string log = shop.log();
    shop.messages.textReplies = { std::string("50") };
    shop.messages.answers = { Answer::Yes, Answer::Yes, Answer::No, Answer::Cancel };
    EXPECT_EQ(pruneCustomers(shop.state, shop.messages), 1);
    std::vector<std::string> offered;
    for (const auto &shown : shop.messages.shown)
        offered.push_back(shown.caption + " | " + shown.text);
    const std::vector<std::string> expected = {
        "Prune members | Enter the start number:",
        "Prune members | Omit those that owe money?",
        "50 Name: OLD FIFTY | Last used: 01/01/2024 Balance: 0.00",
        "60 Name: NEW ONE | Last used:  Balance: 12.50",
        "70 Name: OLD SEVENTY | Last used: 01/01/2024 Balance: 0.00",
    };
    EXPECT_EQ(offered, expected);
    EXPECT_FALSE(shop.state.customers.slotOf(50));
    EXPECT_TRUE(shop.state.customers.slotOf(10));
    EXPECT_TRUE(shop.state.customers.slotOf(60));
    EXPECT_TRUE(shop.state.customers.slotOf(70));
    EXPECT_EQ(shop.log(), log);
}

// Every write and sync of each change, failed in turn: the change is told,
// and member.dat, wr.cfg, the log and the index are as they were.
TEST(CustomerMaintenance, AWriteFailingAnywhereChangesNothingAndIsTold)
{
    struct Case {
        const char *name;
        std::function<bool(CustomerShop &)> change;
    } cases[] = {
        { "add", [](CustomerShop &shop) {
              return storeNewCustomer(shop.state, fullForm(), shop.messages)
                  == CustomerStoreOutcome::Stored;
          } },
        { "amend", [](CustomerShop &shop) {
              CustomerForm form = formOfRecord(*readCustomer(shop.state, 5, shop.messages));
              form.name = "SMYTHE";
              return storeAmendedCustomer(shop.state, 5, form, shop.messages)
                  == CustomerStoreOutcome::Stored;
          } },
        { "delete", [](CustomerShop &shop) { return deleteCustomer(shop.state, 5, shop.messages); } },
    };
    for (const Case &c : cases) {
        bool succeeded = false;
        for (int fault = 1; fault < 60 && !succeeded; ++fault) {
            for (const bool onSync : { false, true }) {
                CustomerShop shop;
                shop.add({ 5, "SMITH" });
                const std::string file = shop.memberFile();
                const std::string log = shop.log();
                const std::string config = readBytes(shop.file("wr.cfg"));
                const std::vector<IndexEntry> index = shop.state.customers.index().entries();
                shop.messages.shown.clear();

                FaultyFileAccess faulty;
                if (onSync)
                    faulty.faultSyncNumber(fault, FaultyFileAccess::Mode::Fail);
                else
                    faulty.faultWriteNumber(fault, FaultyFileAccess::Mode::Fail);
                setFileAccess(&faulty);
                const bool done = c.change(shop);
                setFileAccess(nullptr);
                const bool faultHit = (onSync ? faulty.syncs() : faulty.writes()) >= fault;
                if (!faultHit) {
                    EXPECT_TRUE(done) << c.name << ": " << shop.messages.lastText();
                    succeeded = true;
                    continue;
                }
                if (done)
                    continue; // a fault after the commit point: the change stands whole
                SCOPED_TRACE(std::string(c.name) + (onSync ? " sync " : " write ")
                    + std::to_string(fault));
                EXPECT_FALSE(shop.messages.shown.empty());
                EXPECT_EQ(shop.memberFile(), file);
                EXPECT_EQ(shop.log(), log);
                EXPECT_EQ(readBytes(shop.file("wr.cfg")), config);
                EXPECT_FALSE(fileExists(shop.file(kJournalName)));
                const std::vector<IndexEntry> after = shop.state.customers.index().entries();
                ASSERT_EQ(after.size(), index.size());
                for (size_t i = 0; i < after.size(); ++i) {
                    EXPECT_EQ(after[i].number, index[i].number);
                    EXPECT_EQ(after[i].slot, index[i].slot);
                }
            }
        }
        EXPECT_TRUE(succeeded) << c.name;
    }
}
