#include "platform/scripted_messages.h"
#include "sales/logic/basket.h"
#include "sales/logic/transaction_lists.h"
#include "sales/logic/transaction_lookup.h"
#include "sales/logic/transaction_view.h"
#include "sales/lookup_archive.h"
#include "support/recording_sale_devices.h"

#include <gtest/gtest.h>

#include <memory>

using namespace ovix;
using namespace ovix::test;

namespace {

constexpr LocalTime kToday { 2026, 3, 5, 10, 20, 0 };

// Three years of a small shop, kept from 1 June 2024: 1 and 2 before the
// history start, the rest after it; 4, 6 and 8 were given discounts.
struct SmallHistory : LookUpArchive {
    SmallHistory()
        : LookUpArchive({ 2024, 6, 1 })
    {
        add(1, { 2024, 5, 30 });
        add(2, { 2024, 5, 31 }, 0.50f);
        add(3, { 2024, 6, 1 });
        add(4, { 2024, 2, 29 }, 0.25f); // in the start year, before the start
        add(5, { 2025, 12, 31 }, 0, 3);
        add(6, { 2026, 2, 28 }, 1.00f, 2);
        add(7, { 2026, 3, 5 });
        add(8, { 2026, 3, 5 }, 0.10f);
    }
};

std::vector<std::string> listOf(const LookUpArchive &archive, TransactionListRequest request)
{
    ScriptedMessages messages;
    const std::optional<TransactionList> list
        = listTransactions(archive.dir, archive.config, kToday, request, messages);
    EXPECT_TRUE(list) << messages.lastText();
    return list ? list->lines : std::vector<std::string> {};
}

} // namespace

TEST(TransactionLookUp, FindsATransactionThroughItsYearIndexWithItsLines)
{
    SmallHistory archive;
    TransactionHistory history(archive.dir, archive.config, kToday);
    ScriptedMessages messages;
    const std::optional<FoundTransaction> found = history.find(5, messages);
    ASSERT_TRUE(found);
    EXPECT_EQ(found->day, (CalendarDay { 2025, 12, 31 }));
    EXPECT_EQ(+found->record.transactionNumber, 5);
    EXPECT_EQ(found->lines.size(), 3u);
    EXPECT_EQ(readText(found->lines[2].description), "ITEM 3");
    EXPECT_TRUE(messages.shown.empty());
}

TEST(TransactionLookUp, NumbersNotInTheHistoryEndSilently)
{
    SmallHistory archive;
    // The year before the history start is never read, nor is the next year.
    archive.add(9, { 2023, 1, 2 });
    archive.add(10, { 2027, 1, 2 });
    TransactionHistory history(archive.dir, archive.config, kToday);
    for (int64_t number :
        { int64_t(0), int64_t(9), int64_t(10), int64_t(11), int64_t(-1), int64_t(200000001) }) {
        ScriptedMessages messages;
        EXPECT_FALSE(history.find(number, messages)) << number;
        EXPECT_TRUE(messages.shown.empty()) << number;
    }
}

TEST(TransactionLookUp, AMissingSalesLogIsToldAndEndsTheLookUp)
{
    SmallHistory archive;
    archive.addIndexEntry(12, { 2026, 1, 7 });
    TransactionHistory history(archive.dir, archive.config, kToday);
    ScriptedMessages messages;
    EXPECT_FALSE(history.find(12, messages));
    EXPECT_EQ(messages.lastText(), "Unable to open sales log.");
    EXPECT_EQ(messages.lastCaption(), "Problem");
}

TEST(TransactionLookUp, ReprintLastAfterAPurgeLooksForTransactionZeroAndFindsNothing)
{
    SmallHistory archive;
    archive.addIndexEntry(0, { 2026, 3, 5 }); // even a damaged index holding 0
    archive.config.set(cfg::nextTransactionNumber, 1);
    EXPECT_EQ(lastTransactionNumber(archive.config), 0);
    TransactionHistory history(archive.dir, archive.config, kToday);
    ScriptedMessages messages;
    EXPECT_FALSE(history.find(lastTransactionNumber(archive.config), messages));
    EXPECT_TRUE(messages.shown.empty());

    archive.config.set(cfg::nextTransactionNumber, 9);
    EXPECT_TRUE(history.find(lastTransactionNumber(archive.config), messages));
}

TEST(TransactionLookUp, NextStepsOnAndInTheDiscountedListSkipsThoseWithout)
{
    SmallHistory archive;
    TransactionHistory history(archive.dir, archive.config, kToday);
    ScriptedMessages messages;
    EXPECT_EQ(+history.next(5, false, messages)->record.transactionNumber, 6);
    EXPECT_EQ(+history.next(6, true, messages)->record.transactionNumber, 8);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_FALSE(history.next(8, false, messages));
    EXPECT_EQ(messages.lastText(), "End of list.");
    EXPECT_EQ(messages.lastCaption(), "Problem");
}

TEST(TransactionLists, EachListTakesItsEntriesFromTheHistoryStartOn)
{
    SmallHistory archive;
    using Kind = TransactionListKind;
    struct Case {
        const char *name;
        TransactionListRequest request;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        { "all", { Kind::All },
            { "3 on day 1 of month 6, 2024", "5 on day 31 of month 12, 2025",
                "6 on day 28 of month 2, 2026", "7 on day 5 of month 3, 2026",
                "8 on day 5 of month 3, 2026" } },
        { "day", { Kind::Day, 2026, 3, 5 },
            { "7 on day 5 of month 3, 2026", "8 on day 5 of month 3, 2026" } },
        { "day before the start", { Kind::Day, 2024, 5, 31 }, {} },
        { "month", { Kind::Month, 2026, 2 }, { "6 on day 28 of month 2, 2026" } },
        { "year", { Kind::Year, 2025 }, { "5 on day 31 of month 12, 2025" } },
        { "year of the start", { Kind::Year, 2024 }, { "3 on day 1 of month 6, 2024" } },
        { "year before the start", { Kind::Year, 2023 }, {} },
        { "discounted", { Kind::Discounted },
            { "6 on day 28 of month 2, 2026", "8 on day 5 of month 3, 2026" } },
    };
    for (const Case &c : cases)
        EXPECT_EQ(listOf(archive, c.request), c.lines) << c.name;
}

TEST(TransactionLists, TheDiscountedListWalksTheCalendarLeapDaysIncluded)
{
    LookUpArchive archive({ 2024, 2, 27 });
    archive.add(1, { 2024, 2, 29 }, 0.50f);
    archive.add(2, { 2024, 3, 1 }, 0.50f);
    archive.add(3, { 2025, 2, 28 }, 0.50f);
    // A folder for a day no calendar has is no day of the walk.
    archive.append({ 2025, 2, 29 }, "saleslog.dat", archive.bytesOf([] {
        TransactionRecord record {};
        record.transactionNumber = 4;
        record.discount = 1.0f;
        return record;
    }()));
    EXPECT_EQ(listOf(archive, { TransactionListKind::Discounted }),
        (std::vector<std::string> { "1 on day 29 of month 2, 2024", "2 on day 1 of month 3, 2024",
            "3 on day 28 of month 2, 2025" }));
}

TEST(TransactionLists, AListStopsAt31000Entries)
{
    for (const int entries : { 31000, 31001 }) {
        LookUpArchive archive({ 2026, 1, 1 });
        std::string index(4, '\0');
        for (int n = 1; n <= entries; ++n)
            index += LookUpArchive::bytesOf(YearIndexEntry { n, 2, 1 });
        std::filesystem::create_directories(archive.folder.file("2026"));
        writeBytes(archive.folder.file("2026/base.dat"), index);
        ScriptedMessages messages;
        const std::optional<TransactionList> list = listTransactions(
            archive.dir, archive.config, kToday, { TransactionListKind::All }, messages);
        if (entries == 31000) {
            ASSERT_TRUE(list);
            EXPECT_EQ(list->lines.size(), 31000u);
            EXPECT_TRUE(list->invoiceList);
            continue;
        }
        EXPECT_FALSE(list);
        EXPECT_EQ(messages.lastText(), "Reduce the history on the Configuration menu");
        EXPECT_EQ(messages.lastCaption(), "Problem, too many transactions");
    }
}

TEST(TransactionLists, ThePeriodIsAskedDayMonthYearAndAnythingOutOfRangeEnds)
{
    using Kind = TransactionListKind;
    struct Case {
        Kind kind;
        std::vector<std::optional<std::string>> replies;
        std::optional<std::vector<int>> period; // year, month, day
        size_t asked;
    };
    const Case cases[] = {
        { Kind::Day, { "5", " 3 ", "2026" }, std::vector<int> { 2026, 3, 5 }, 3 },
        { Kind::Month, { "12", "2025" }, std::vector<int> { 2025, 12, 0 }, 2 },
        { Kind::Year, { "4000" }, std::vector<int> { 4000, 0, 0 }, 1 },
        { Kind::Day, { "32" }, std::nullopt, 1 },
        { Kind::Month, { "0" }, std::nullopt, 1 },
        { Kind::Year, { "1999" }, std::nullopt, 1 },
        { Kind::Day, { "5", std::nullopt }, std::nullopt, 2 },
        { Kind::Year, { "20x6" }, std::nullopt, 1 },
    };
    for (const Case &c : cases) {
        ScriptedMessages messages;
        messages.textReplies.assign(c.replies.begin(), c.replies.end());
        const std::optional<TransactionListRequest> request
            = askTransactionListPeriod(c.kind, "In specific day", messages);
        EXPECT_EQ(messages.shown.size(), c.asked);
        ASSERT_EQ(request.has_value(), c.period.has_value());
        if (request) {
            EXPECT_EQ(request->year, (*c.period)[0]);
            EXPECT_EQ(request->month, (*c.period)[1]);
            EXPECT_EQ(request->day, (*c.period)[2]);
        }
    }
    ScriptedMessages messages;
    messages.textReplies = { "5", "3", "2026" };
    askTransactionListPeriod(Kind::Day, "In specific day", messages);
    ASSERT_EQ(messages.shown.size(), 3u);
    EXPECT_EQ(messages.shown[0].text, "Please enter the day (1-31)");
    EXPECT_EQ(messages.shown[1].text, "Please enter the month (1-12)");
    EXPECT_EQ(messages.shown[2].text, "Please enter the year (yyyy)");
}

TEST(TransactionLookUp, TheNumberPromptTakesANumberInRangeOrAnEmptyAnswerForTheList)
{
    const std::vector<std::pair<std::optional<std::string>, std::optional<int64_t>>> cases = {
        { "41", 41 },
        { " 200000000 ", 200000000 },
        { "", 0 },
        { "  ", 0 },
        { "0", std::nullopt },
        { "200000001", std::nullopt },
        { "-3", std::nullopt },
        { "4a", std::nullopt },
        { "+4", std::nullopt },
        { std::nullopt, std::nullopt },
    };
    for (const auto &[reply, number] : cases) {
        ScriptedMessages messages;
        messages.textReplies = { reply };
        EXPECT_EQ(askTransactionNumber(messages), number) << reply.value_or("(cancel)");
        EXPECT_EQ(messages.lastText(), "Transaction number (Enter to list)");
    }
    EXPECT_EQ(transactionNumberOfListLine("8 on day 5 of month 3, 2026"), 8);
    EXPECT_EQ(transactionNumberOfListLine("-8 on day 5 of month 3, 2026"), std::nullopt);
}

TEST(TransactionView, ADamagedDayWithMoreThan400LinesIsCutTo400WithAWarning)
{
    for (const int lines : { 400, 401, 1000 }) {
        LookUpArchive archive({ 2026, 1, 1 });
        archive.add(3, { 2026, 3, 5 }, 0, lines);
        TransactionHistory history(archive.dir, archive.config, kToday);
        ScriptedMessages messages;
        const std::optional<FoundTransaction> found = history.find(3, messages);
        ASSERT_TRUE(found);
        auto basket = std::make_unique<Basket>();
        basket->lineCount = 7;
        loadFoundTransaction(*basket, *found, messages);
        EXPECT_EQ(basket->lineCount, std::min(lines, 400));
        EXPECT_EQ(lineDescriptionText(*basket, 399), "ITEM 400");
        if (lines == 400) {
            EXPECT_TRUE(messages.shown.empty());
            continue;
        }
        EXPECT_EQ(messages.lastText(),
            cformat(
                "Transaction 3 holds %d lines. Only the first 400 are shown and printed.", lines));
        EXPECT_EQ(transactionView(*basket, archive.config).lineTexts.size(), 400u);
    }
}

TEST(TransactionView, ShowsTheTransactionAsTheDialogPrintsIt)
{
    TillConfig config;
    config.setClerkName(3, "JO");
    auto basket = std::make_unique<Basket>();
    basket->transactionNumber = 41;
    basket->clerkNumber = 3;
    basket->customerNumber = 7;
    writeText(basket->paymentType, "Split");
    writeText(basket->dateText, "Thu 5 Mar 26");
    writeText(basket->transactionNote, "GIFT WRAP");
    basket->setTotal(BasketTotal::Total, 12.59f);
    basket->setTotal(BasketTotal::CashPart, 5.00f);
    basket->setTotal(BasketTotal::EftPart, 7.59f);
    setBasketLine(*basket, 0, { 101, "TEA", 0, 2.50f, 0.50f, 0, 1.00f, 0, 3.00f });
    basket->lineCount = 1;
    const TransactionView view = transactionView(*basket, config);
    EXPECT_EQ(view.clerk, "3: JO");
    EXPECT_EQ(view.payment, "Split  Cash: 5.00  CH: 0.00  EFT: 7.59");
    EXPECT_EQ(view.type, "Split");
    EXPECT_EQ(view.total, "12.59");
    EXPECT_EQ(view.lineTexts, (std::vector<std::string> { "101 TEA  3.00" }));
    EXPECT_EQ(view.note, "GIFT WRAP");

    const std::pair<const char *, const char *> types[] = { { "Cash", "Cash sale" },
        { "CH", "CH sale" }, { "EFT", "EFT sale" }, { "Credit", "Credit sale" },
        { "Refund", "Refund" }, { "Payment (cash)", "Payment (cash)" } };
    for (const auto &[type, shown] : types) {
        writeText(basket->paymentType, type);
        EXPECT_EQ(transactionView(*basket, config).type, shown);
    }

    // Reprints tender the total with no change; a receipt goes through the
    // print dialog unless a receipt printer is chosen.
    RecordingSaleDevices devices;
    reprintTransaction(*basket, PrintDocument::CustomReceipt, config, devices);
    EXPECT_EQ(devices.calls, (std::vector<std::string> { "print 4 1" }));
}
