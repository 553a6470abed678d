#include "platform/clock.h"
#include "platform/file.h"
#include "platform/scripted_messages.h"
#include "store/till_config.h"
#include "support/test_support.h"
#include "support/torn_append_access.h"
#include "till/logic/clerks.h"
#include "till/logic/commands.h"
#include "sales/logic/till_state.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <map>
#include <optional>
#include <string>

using namespace ovix;
using ovix::test::TempDir;

namespace {

// Offsets of the clerk table in wr.cfg, typed here rather than taken from the code.
constexpr size_t kCurrentClerkAt = 34354;
size_t nameAt(int clerk)
{
    return 34762 + 30 * static_cast<size_t>(clerk);
}
size_t passwordAt(int clerk)
{
    return 37762 + 10 * static_cast<size_t>(clerk);
}
size_t availabilityAt(int clerk)
{
    return 39346 + 4 * static_cast<size_t>(clerk);
}
size_t userControlAt(int item)
{
    return 42246 + 4 * static_cast<size_t>(item);
}

// A wr.cfg image with the first-run clerk table, clerk 1 logged on.
std::string clerkBlock()
{
    std::string bytes(kTillConfigSize, '\0');
    for (int clerk = 1; clerk <= 99; ++clerk) {
        std::string name = clerk == 1   ? "Administrator"
                           : clerk == 2 ? "Manager"
                                        : "Clerk " + std::to_string(clerk);
        test::putText(bytes, nameAt(clerk), name);
        test::putText(bytes, passwordAt(clerk), "7351");
    }
    test::putI64(bytes, kCurrentClerkAt, 1);
    return bytes;
}

struct Till {
    TempDir folder;
    TillState state{folder.path()};
    ScriptedMessages messages;

    explicit Till(const std::string &block = clerkBlock()) { state.config.assign(block); }
    std::string log() const { return test::readBytes(folder.file("bun4.dat")); }
    int64_t storedClerk() const { return test::getI64(state.config.view(), kCurrentClerkAt); }
};

class FixedClock {
public:
    explicit FixedClock(LocalTime time) { setFixedLocalTime(time); }
    ~FixedClock() { setFixedLocalTime(std::nullopt); }
};

} // namespace

TEST(ClerkLogOn, RightPasswordLogsOnAndStoresTheClerk)
{
    std::string block = clerkBlock();
    test::putText(block, passwordAt(7), "12345678");
    test::putText(block, passwordAt(8), "123456789"); // nine bytes and the terminator
    test::putI32(block, availabilityAt(1), 2);        // ignored for clerks 1 and 2
    test::putI32(block, availabilityAt(2), 2);
    Till till(block);
    EXPECT_TRUE(logOn(till.state, "3 Clerk 3", "7351", till.messages));
    EXPECT_EQ(till.storedClerk(), 3);
    EXPECT_TRUE(till.state.restricted());
    EXPECT_TRUE(till.messages.shown.empty());

    EXPECT_TRUE(logOn(till.state, "7 Clerk 7", "12345678", till.messages));
    EXPECT_FALSE(logOn(till.state, "8 Clerk 8", "12345678", till.messages));
    EXPECT_TRUE(logOn(till.state, "8 Clerk 8", "123456789", till.messages));
    EXPECT_TRUE(logOn(till.state, "1 Administrator", "7351", till.messages));
    EXPECT_TRUE(logOn(till.state, "2 Manager", "7351", till.messages));
    EXPECT_EQ(till.storedClerk(), 2);
    EXPECT_FALSE(till.state.restricted());
}

TEST(ClerkLogOn, RefusalsSayNothingAndChangeNothing)
{
    std::string block = clerkBlock();
    test::putText(block, passwordAt(5), std::string(10, '\0'));
    test::putI32(block, availabilityAt(6), 2);
    Till till(block);
    const struct {
        const char *selector;
        const char *password;
    } refused[] = {
        {"1 Administrator", "1234"}, {"1 Administrator", "735"},  {"1 Administrator", "73510"},
        {"1 Administrator", ""},     {"0 Nobody", "7351"},        {"100 Clerk", "7351"},
        {"abc", "7351"},             {"", "7351"},                {"-3 Clerk", "7351"},
        {"5 Clerk 5", "7351"},  // an empty stored password matches nothing
        {"5 Clerk 5", ""},      // not even an empty one
        {"2 Manager", ""},
        {"6 Clerk 6", "7351"},  // not available for log-on
        {"99999999999999999999 Clerk", "7351"},
    };
    for (const auto &attempt : refused) {
        EXPECT_FALSE(logOn(till.state, attempt.selector, attempt.password, till.messages))
            << attempt.selector << " / " << attempt.password;
    }
    EXPECT_EQ(till.storedClerk(), 1);
    EXPECT_TRUE(till.messages.shown.empty());
    EXPECT_FALSE(fileExists(till.folder.file("bun4.dat")));

    // Nobody logs on without a password, even where none is stored.
    EXPECT_FALSE(logOn(till.state, "5 Clerk 5", "", till.messages));
    EXPECT_EQ(till.storedClerk(), 1);
}

TEST(ClerkLogOn, LogLinesAndCaptionCarryNumberAndName)
{
    FixedClock clock(LocalTime{.year = 2026, .month = 3, .day = 7, .hour = 9, .minute = 5});
    std::string block = clerkBlock();
    const std::string name("Jos\xE9\0\0\0\0", 8); // over "Clerk 12"
    test::putText(block, nameAt(12), name);
    Till till(block);
    ASSERT_TRUE(logOn(till.state, "12 Jos\xE9", "7351", till.messages));
    ASSERT_TRUE(logOn(till.state, " 1 Administrator", "7351", till.messages));
    EXPECT_EQ(till.log(), "\r\n09:05 07/03/2026  Log on.\r\nClerk: 12, Jos\xE9\r\n"
                          "\r\n09:05 07/03/2026  Log on.\r\nClerk: 1, Administrator\r\n");
    EXPECT_EQ(clerkCaption(till.state), "OVIX Retail    Assoc: 1, Administrator");
    ASSERT_TRUE(logOn(till.state, "12", "7351", till.messages));
    EXPECT_EQ(clerkCaption(till.state), "OVIX Retail    Assoc: 12, Jos\xC3\xA9");
}

TEST(ClerkLogOn, UnwritableLogIsReportedButTheLogOnStands)
{
    Till till;
    ASSERT_EQ(::mkdir(till.folder.file("bun4.dat").c_str(), 0755), 0);
    EXPECT_TRUE(logOn(till.state, "4 Clerk 4", "7351", till.messages));
    EXPECT_EQ(till.storedClerk(), 4);
    ASSERT_EQ(till.messages.shown.size(), 1u);
    EXPECT_EQ(till.messages.lastText(), "Unable to open bun4.dat");
    EXPECT_EQ(till.messages.lastCaption(), "Problem");
}

TEST(ClerkLogOn, ALogOnBlockCutShortIsCutBackAndReported)
{
    Till till;
    test::writeBytes(till.folder.file("bun4.dat"), "earlier\r\n");
    test::TornAppendAccess disk("bun4.dat", 12, false);
    setFileAccess(&disk);
    const bool loggedOn = logOn(till.state, "4 Clerk 4", "7351", till.messages);
    setFileAccess(nullptr);
    EXPECT_TRUE(loggedOn);
    EXPECT_TRUE(disk.torn());
    EXPECT_EQ(till.storedClerk(), 4);
    EXPECT_EQ(till.log(), "earlier\r\n");
    ASSERT_EQ(till.messages.shown.size(), 1u);
    EXPECT_EQ(till.messages.lastText(), "Unable to open bun4.dat");
}

TEST(ClerkLogOn, ClerkOneWithTheStandardPasswordIsRemindedToChangeIt)
{
    const struct {
        const char *clerkOnePassword;
        const char *selector;
        const char *typed;
        bool reminded;
    } cases[] = {
        {"7351", "1 Administrator", "7351", true},
        {"2468", "1 Administrator", "2468", false},
        {"73510", "1 Administrator", "73510", false},
        {"735", "1 Administrator", "735", false},
        {"7351", "2 Manager", "7351", false}, // the manager's own 7351 is not asked about
        {"7351", "3 Clerk 3", "7351", false},
        {"2468", "3 Clerk 3", "7351", false},
    };
    for (const auto &c : cases) {
        std::string block = clerkBlock();
        test::putText(block, passwordAt(1), std::string(c.clerkOnePassword) + std::string(5, '\0'));
        Till till(block);
        ASSERT_TRUE(logOn(till.state, c.selector, c.typed, till.messages)) << c.selector;
        till.messages.shown.clear();
        EXPECT_EQ(remindOfStandardPassword(till.state, till.messages), c.reminded)
            << c.selector << " / " << c.clerkOnePassword;
        if (!c.reminded) {
            EXPECT_TRUE(till.messages.shown.empty());
            continue;
        }
        ASSERT_EQ(till.messages.shown.size(), 1u);
        EXPECT_EQ(till.messages.lastText(), kStandardPasswordReminder);
        EXPECT_EQ(till.messages.lastCaption(), "Password");
        EXPECT_EQ(till.messages.shown.back().kind, MessageKind::Information);
        EXPECT_EQ(till.messages.beeps, 0);
    }

    // Once clerk 1 has a password of its own, the reminder stops.
    Till till;
    ASSERT_TRUE(logOn(till.state, "1 Administrator", "7351", till.messages));
    EXPECT_TRUE(remindOfStandardPassword(till.state, till.messages));
    ASSERT_EQ(applyOperatorSetup(till.state.config, 1, "Administrator", true, "2468", "2468",
                  till.messages),
        OperatorSetupResult::Amended);
    ASSERT_TRUE(logOn(till.state, "1 Administrator", "2468", till.messages));
    till.messages.shown.clear();
    EXPECT_FALSE(remindOfStandardPassword(till.state, till.messages));
    EXPECT_TRUE(till.messages.shown.empty());
}

TEST(ClerkSelector, UpAndDownWrapAndSkipUnavailableClerks)
{
    std::string block = clerkBlock();
    test::putI32(block, availabilityAt(3), 2);
    test::putI32(block, availabilityAt(99), 2);
    test::putI32(block, availabilityAt(1), 2); // ignored: clerk 1 is always available
    Till till(block);
    const TillConfig &config = till.state.config;
    EXPECT_EQ(clerkSelectorText(config, 1), "1 Administrator");
    EXPECT_EQ(nextAvailableClerk(config, 1, 1), 2);
    EXPECT_EQ(nextAvailableClerk(config, 2, 1), 4);
    EXPECT_EQ(nextAvailableClerk(config, 4, -1), 2);
    EXPECT_EQ(nextAvailableClerk(config, 98, 1), 1);
    EXPECT_EQ(nextAvailableClerk(config, 1, -1), 98);
    EXPECT_EQ(nextAvailableClerk(config, 0, -1), 98); // from outside 1-99: as from 1

    test::putI32(block, availabilityAt(99), 0);
    till.state.config.assign(block);
    EXPECT_EQ(nextAvailableClerk(config, 99, 1), 1);
    EXPECT_EQ(nextAvailableClerk(config, 1, -1), 99);
    EXPECT_EQ(clerkSelectorText(config, 99), "99 Clerk 99");

    for (int clerk = 3; clerk <= 99; ++clerk)
        test::putI32(block, availabilityAt(clerk), 2);
    till.state.config.assign(block);
    EXPECT_EQ(nextAvailableClerk(config, 2, 1), 1);
    EXPECT_EQ(nextAvailableClerk(config, 1, -1), 2);
}

TEST(OperatorSetup, AvailableClerkGetsNameAndPassword)
{
    Till till;
    EXPECT_EQ(applyOperatorSetup(till.state.config, 5, std::string(29, 'N'), true, "12345678",
                                 "12345678", till.messages),
              OperatorSetupResult::Amended);
    const std::string bytes(till.state.config.view());
    EXPECT_EQ(test::getText(bytes, nameAt(5), 30), std::string(29, 'N'));
    EXPECT_EQ(test::getText(bytes, passwordAt(5), 10), "12345678");
    EXPECT_EQ(test::getI32(bytes, availabilityAt(5)), 0);
    EXPECT_EQ(till.messages.lastText(), "Amended");
    EXPECT_EQ(till.messages.lastCaption(), "Clerk");
    // Neighbours untouched.
    EXPECT_EQ(test::getText(bytes, nameAt(4), 30), "Clerk 4");
    EXPECT_EQ(test::getText(bytes, nameAt(6), 30), "Clerk 6");
    EXPECT_EQ(test::getText(bytes, passwordAt(6), 10), "7351");
}

TEST(OperatorSetup, ProblemsChangeNothing)
{
    Till till;
    const std::string before(till.state.config.view());
    const struct {
        std::string name;
        const char *password;
        const char *repeat;
        OperatorSetupResult result;
        const char *message;
    } problems[] = {
        {std::string(30, 'N'), "1", "1", OperatorSetupResult::NameTooLong, "Name too long"},
        {"Ann", "123456789", "123456789", OperatorSetupResult::PasswordTooLong,
         "Password too long"},
        {"Ann", "1234", "123456789", OperatorSetupResult::PasswordTooLong, "Password too long"},
        {"Ann", "1234", "1235", OperatorSetupResult::PasswordsDoNotMatch,
         "Passwords do not match"},
        {"Ann", "12a4", "12a4", OperatorSetupResult::PasswordNotNumeric,
         "Passwords must be numeric upto 8 characters"},
        {"", "1", "1", OperatorSetupResult::NameEmpty, "Please enter a name for the clerk"},
        {"Ann", "", "", OperatorSetupResult::PasswordEmpty,
         "Please enter a password of 1 to 8 digits"},
        {"Ann", "", "1", OperatorSetupResult::PasswordsDoNotMatch, "Passwords do not match"},
    };
    for (const auto &problem : problems) {
        till.messages.shown.clear();
        EXPECT_EQ(applyOperatorSetup(till.state.config, 5, problem.name, true, problem.password,
                                     problem.repeat, till.messages),
                  problem.result);
        ASSERT_EQ(till.messages.shown.size(), 1u);
        EXPECT_EQ(till.messages.lastText(), problem.message);
        EXPECT_EQ(till.messages.lastCaption(), "Problem");
        EXPECT_TRUE(till.state.config.view() == before) << problem.message;
    }
    for (int clerk : {0, 100}) {
        EXPECT_EQ(applyOperatorSetup(till.state.config, clerk, "Ann", true, "1", "1",
                                     till.messages),
                  OperatorSetupResult::OutsideRange);
    }
    EXPECT_TRUE(till.state.config.view() == before);
}

TEST(OperatorSetup, UntickedClerkKeepsItsPasswordButClerksOneAndTwoStayAvailable)
{
    Till till;
    // The password boxes do not matter when the clerk is made unavailable.
    EXPECT_EQ(applyOperatorSetup(till.state.config, 3, "Clerk 3", false, "1", "2", till.messages),
              OperatorSetupResult::Amended);
    std::string bytes(till.state.config.view());
    EXPECT_EQ(test::getI32(bytes, availabilityAt(3)), 2);
    EXPECT_EQ(test::getText(bytes, passwordAt(3), 10), "7351");
    EXPECT_FALSE(logOn(till.state, "3 Clerk 3", "7351", till.messages));

    EXPECT_EQ(applyOperatorSetup(till.state.config, 3, "Clerk 3", true, "42", "42", till.messages),
              OperatorSetupResult::Amended);
    EXPECT_TRUE(logOn(till.state, "3 Clerk 3", "42", till.messages));

    for (int clerk : {1, 2}) {
        EXPECT_EQ(applyOperatorSetup(till.state.config, clerk, "Boss", false, "99", "99",
                                     till.messages),
                  OperatorSetupResult::Amended);
        bytes = std::string(till.state.config.view());
        EXPECT_EQ(test::getI32(bytes, availabilityAt(clerk)), 0);
        EXPECT_EQ(test::getText(bytes, passwordAt(clerk), 10), "99");
    }
    // A mismatch for clerk 1 is still a problem, whatever the box says, and
    // clerks 1 and 2 always need a password.
    EXPECT_EQ(applyOperatorSetup(till.state.config, 1, "Boss", false, "1", "2", till.messages),
              OperatorSetupResult::PasswordsDoNotMatch);
    EXPECT_EQ(applyOperatorSetup(till.state.config, 2, "Boss", false, "", "", till.messages),
              OperatorSetupResult::PasswordEmpty);
    // An unavailable clerk keeps the password, so empty boxes do not matter.
    EXPECT_EQ(applyOperatorSetup(till.state.config, 4, "Clerk 4", false, "", "", till.messages),
              OperatorSetupResult::Amended);
    EXPECT_EQ(till.state.config.clerkPassword(4), "7351");
}

TEST(OperatorSetup, ClerkNumberQuestion)
{
    Till till;
    till.messages.textReplies = {std::string("5"), std::string(" 99 "), std::string("0"),
                                 std::string("100"), std::string("abc"), std::string("5x"),
                                 std::nullopt};
    EXPECT_EQ(askOperatorSetupClerk(till.state, till.messages), 5);
    EXPECT_EQ(till.messages.shown.back().text, "Please enter the clerk number (1-99):");
    EXPECT_EQ(askOperatorSetupClerk(till.state, till.messages), 99);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(askOperatorSetupClerk(till.state, till.messages), 0);
        EXPECT_EQ(till.messages.lastText(), "Outside range");
        EXPECT_EQ(till.messages.lastCaption(), "Problem");
    }
    const size_t shownBefore = till.messages.shown.size();
    EXPECT_EQ(askOperatorSetupClerk(till.state, till.messages), 0); // cancelled
    EXPECT_EQ(till.messages.shown.size(), shownBefore + 1);       // the question only

    ASSERT_TRUE(logOn(till.state, "3 Clerk 3", "7351", till.messages));
    till.messages.shown.clear();
    till.messages.textReplies = {std::string("5")};
    EXPECT_EQ(askOperatorSetupClerk(till.state, till.messages), 0);
    ASSERT_EQ(till.messages.shown.size(), 1u);
    EXPECT_EQ(till.messages.lastText(), "Administrator or manager");
    EXPECT_EQ(till.messages.lastCaption(), "Restricted access");
}

TEST(UserControl, FlagsStoredInDialogOrderAndOnlyClerksOneAndTwoMayChangeThem)
{
    Till till;
    UserControlChoices choices{};
    choices[static_cast<size_t>(UserControlItem::Configuration)] = true;
    choices[static_cast<size_t>(UserControlItem::Refunds)] = true;
    choices[static_cast<size_t>(UserControlItem::HideCostPrice)] = true;
    applyUserControl(till.state.config, choices);
    const std::string bytes(till.state.config.view());
    for (int item = 0; item < kUserControlItems; ++item) {
        const bool on = item == 0 || item == 22 || item == 26;
        EXPECT_EQ(test::getI32(bytes, userControlAt(item)), on ? 2 : 0) << item;
    }
    EXPECT_EQ(userControlChoices(till.state.config), choices);
    EXPECT_EQ(test::getI32(bytes, userControlAt(27)), 0); // the byte after the flags

    EXPECT_TRUE(mayChangeUserControl(till.state));
    ASSERT_TRUE(logOn(till.state, "3 Clerk 3", "7351", till.messages));
    EXPECT_FALSE(mayChangeUserControl(till.state));
}

namespace {

constexpr int kNoFlag = -1;
int flagOf(UserControlItem item)
{
    return static_cast<int>(item);
}

// The items greyed for a restricted clerk, and the user-control item that
// enables each again while it is clear.
std::map<std::pair<Popup, std::string>, int> greyedForRestrictedClerk()
{
    using P = Popup;
    using U = UserControlItem;
    return {
        {{P::File, "Listing font size"}, kNoFlag},
        {{P::File, "Indent listings"}, kNoFlag},
        {{P::File, "Email setup"}, kNoFlag},
        {{P::Activity, "Email report"}, kNoFlag},
        {{P::Inventory, "New line"}, flagOf(U::NewInventory)},
        {{P::Inventory, "Amend"}, flagOf(U::AmendInventory)},
        {{P::Inventory, "Delete"}, flagOf(U::DeleteInventory)},
        {{P::Customers, "Amend"}, kNoFlag},
        {{P::Customers, "Delete"}, flagOf(U::DeleteCustomer)},
        {{P::Customers, "Prune"}, flagOf(U::PruneCustomers)},
        {{P::Reminders, "Amend"}, kNoFlag},
        {{P::Reminders, "Delete"}, kNoFlag},
        {{P::Customers, "Customer statement"}, kNoFlag},
        {{P::Customers, "Amend balance"}, flagOf(U::CustomerBalance)},
        {{P::Reports, "Outstanding balances"}, kNoFlag},
        {{P::Reports, "Sales report"}, kNoFlag},
        {{P::Reports, "Sales by staff"}, kNoFlag},
        {{P::Reports, "Sales by item"}, kNoFlag},
        {{P::Reports, "Highest volume products"}, kNoFlag},
        {{P::Activity, "Activity summary"}, flagOf(U::StatusDisplay)},
        {{P::Activity, "Display log file"}, kNoFlag},
        {{P::Activity, "Print activity summary"}, flagOf(U::StatusDisplay)},
        {{P::Activity, "Display previous log file"}, kNoFlag},
        {{P::Activity, "Print log for today"}, kNoFlag},
        {{P::Activity, "Print log from a specific day"}, kNoFlag},
        {{P::Activity, "Print the log file"}, kNoFlag},
        {{P::Activity, "Print old log file"}, kNoFlag},
        {{P::Reports, "Print takings"}, flagOf(U::PrintTakings)},
        {{P::Reports, "Purge takings"}, flagOf(U::PurgeTakings)},
        {{P::Reports, "Purge log files"}, flagOf(U::PurgeLogFiles)},
        {{P::Customers, "Debtor letter 1"}, kNoFlag},
        {{P::Customers, "Debtor letter 2"}, kNoFlag},
        {{P::Customers, "Debtor email"}, kNoFlag},
        {{P::Utilities, "Mailmerge"}, kNoFlag},
        {{P::Utilities, "Custom receipt"}, kNoFlag},
        {{P::Utilities, "Configuration"}, flagOf(U::Configuration)},
        {{P::Activity, "Log file capacity"}, kNoFlag},
        {{P::Utilities, "Takings amendment"}, flagOf(U::TakingsAmendment)},
        {{P::Utilities, "File reset"}, flagOf(U::FileReset)},
        {{P::Utilities, "Tax setup"}, flagOf(U::TaxSetup)},
        {{P::Utilities, "Store print heading"}, kNoFlag},
        {{P::Utilities, "Operator setup"}, kNoFlag},
        {{P::Utilities, "User control"}, kNoFlag},
        {{P::Utilities, "Export"}, kNoFlag},
        {{P::Utilities, "Import"}, kNoFlag},
        {{P::Utilities, "Sound effects"}, kNoFlag},
        {{P::Utilities, "Hi res picture"}, kNoFlag},
        {{P::Utilities, "Purge transaction history"}, flagOf(U::FileReset)},
        // The caption stands on two menus; both are governed alike.
        {{P::Inventory, "Inventory received"}, flagOf(U::InventoryReceived)},
        {{P::Reports, "Inventory received"}, flagOf(U::InventoryReceived)},
    };
}

std::string withoutAmpersands(const char *caption)
{
    std::string text;
    for (const char *c = caption; *c; ++c)
        if (*c != '&')
            text += *c;
    return text;
}

} // namespace

TEST(MenuForClerk, EveryMenuCommandAgainstTheGreyedList)
{
    const auto greyed = greyedForRestrictedClerk();
    size_t matched = 0;
    TillConfig config;
    for (const MenuEntry &entry : menuTable()) {
        const auto found = greyed.find({entry.popup, withoutAmpersands(entry.caption)});
        const bool listed = found != greyed.end();
        const int flag = listed ? found->second : kNoFlag;
        matched += listed ? 1 : 0;
        const std::string what = withoutAmpersands(entry.caption);

        // No flags set: only the listed items without a flag stay grey.
        applyUserControl(config, UserControlChoices{});
        EXPECT_EQ(menuCommandAllowed(entry, config, true), !(listed && flag == kNoFlag)) << what;

        // One flag at a time.
        for (int item = 0; item < kUserControlItems; ++item) {
            UserControlChoices one{};
            one[static_cast<size_t>(item)] = true;
            applyUserControl(config, one);
            bool allowed = !(listed && (flag == kNoFlag || flag == item));
            if (entry.popup == Popup::Reports && item == flagOf(UserControlItem::ReportMenu))
                allowed = false;
            if (entry.popup == Popup::Activity && item == flagOf(UserControlItem::ActivityMenu))
                allowed = false;
            EXPECT_EQ(menuCommandAllowed(entry, config, true), allowed)
                << what << " with flag " << userControlCaption(static_cast<UserControlItem>(item));
        }

        // Clerks 1 and 2 may use everything, whatever is set.
        UserControlChoices all;
        all.fill(true);
        applyUserControl(config, all);
        EXPECT_TRUE(menuCommandAllowed(entry, config, false)) << what;
    }
    EXPECT_EQ(matched, greyed.size()) << "a greyed caption is missing from the menu";
}
