// Letters to customers: the two debtor letters and the mailmerge, their
// printed pages compared with reviewed transcripts (support/golden_page.h),
// who gets a mailmerge letter, how its text is broken into lines, and the
// text file that Load and Save keep it in.

#include "accounts/logic/debtor_letter.h"
#include "accounts/logic/mailmerge.h"
#include "accounts/logic/mailmerge_text.h"
#include "platform/file.h"
#include "print/logic/recording_print_device.h"
#include "store/fixed_text.h"
#include "store/store_heading.h"
#include "support/golden_page.h"
#include "support/receipt_fixture.h"
#include "till/sale_fixture.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace ovix;
using namespace ovix::test;

namespace {

// An A4 page at 600 dots per inch with 4 mm margins: 134 characters a line.
RecordingPageSetup a4()
{
    RecordingPageSetup page;
    page.pageWidth = 21000;
    page.pageHeight = 29700;
    page.offsetLeft = 400;
    page.offsetTop = 400;
    page.printableWidth = 20200;
    page.printableHeight = 28900;
    page.dotsPerInch = 600;
    return page;
}

CustomerRecord customer(int64_t number, const char *name, float balance, const char *lastUsed = "")
{
    CustomerRecord record {};
    record.number = number;
    writeText(record.name, name);
    writeText(record.salutation, "MR");
    writeText(record.first_name, "J");
    writeText(record.road, "12 MILL LANE");
    writeText(record.town, "OLDTOWN");
    writeText(record.postcode, "OT1 2AB");
    writeText(record.customer_last_used, lastUsed);
    record.balance = balance;
    return record;
}

// A shop whose member.dat holds the customers given.
struct LetterShop : SaleShop {
    explicit LetterShop(const std::vector<CustomerRecord> &customers)
    {
        state.heading = StoreHeading::sample();
        for (const CustomerRecord &record : customers) {
            ScriptedMessages quiet;
            EXPECT_TRUE(state.customers.insert(record, quiet).has_value()) << quiet.lastText();
        }
    }
};

std::vector<int64_t> numbersOf(const std::vector<CustomerRecord> &customers)
{
    std::vector<int64_t> numbers;
    for (const CustomerRecord &record : customers)
        numbers.push_back(int64_t {record.number}); // a copy: the field is packed
    return numbers;
}

std::vector<std::string> textsOf(const RecordingPrintDevice &device)
{
    std::vector<std::string> texts;
    for (const PrintOperation &op : device.operations())
        if (op.kind == PrintOperation::Kind::Text)
            texts.push_back(op.text);
    return texts;
}

} // namespace

TEST(DebtorLetter, EachLetterMatchesItsReviewedPage)
{
    const StoreHeading heading = StoreHeading::sample();
    const CustomerRecord smith = customer(4021, "J SMITH & SONS", 123.45f);
    struct Case {
        DebtorLetter letter;
        std::string logo;
        const char *golden;
    };
    const Case cases[] = {
        { DebtorLetter::First, "", "print/data/debtor_letter_1.txt" },
        { DebtorLetter::Final, "", "print/data/debtor_letter_2.txt" },
        // A 300 x 100 picture: a quarter of the width wide, a third of it high.
        { DebtorLetter::Final, bitmapHeader(300, 100), "print/data/debtor_letter_2_logo.txt" },
        // A damaged letter.bmp is no logo at all.
        { DebtorLetter::Final, "BM not a picture", "print/data/debtor_letter_2.txt" },
    };
    for (const Case &c : cases) {
        RecordingPrintDevice device(a4());
        printDebtorLetter(device, c.letter, { heading, smith, c.logo, kSaleTime });
        EXPECT_TRUE(matchesGoldenPage(device.transcript(), c.golden)) << c.golden;
    }
}

TEST(DebtorLetter, GoesOnlyToACustomerWhoOwesACentOrMore)
{
    struct Case {
        float balance;
        bool allowed;
    };
    const Case cases[] = { { 30.0f, true }, { 0.01f, true }, { 0.0f, false }, { 0.004f, false },
        { -5.0f, false } };
    for (const Case &c : cases) {
        ScriptedMessages messages;
        EXPECT_EQ(owesForDebtorLetter(customer(7, "SMITH", c.balance), messages), c.allowed)
            << c.balance;
        if (c.allowed) {
            EXPECT_TRUE(messages.shown.empty());
        } else {
            EXPECT_EQ(messages.lastText(), "No amount is outstanding");
            EXPECT_EQ(messages.lastCaption(), "Problem");
        }
    }
}

TEST(Mailmerge, ALetterWithAWrappedSentenceAndALineBreakMatchesItsReviewedPage)
{
    // One sentence of 300 characters, then a line of its own after CR LF.
    std::string sentence;
    while (sentence.size() < 290)
        sentence += "Our spring sale starts soon ";
    sentence.resize(299);
    sentence += ".";
    ASSERT_EQ(sentence.size(), 300u);
    const StoreHeading heading = StoreHeading::sample();
    const MailmergePrint print { heading, sentence + "\r\nWe hope to see you there.",
        kSaleTime };
    RecordingPrintDevice device(a4());
    printMailmergeLetter(device, print, customer(4021, "SMITH", 0.0f));
    EXPECT_TRUE(matchesGoldenPage(device.transcript(), "print/data/mailmerge_letter.txt"));
}

TEST(Mailmerge, TextBreaksAtCarriageReturnsAndAtTheLastSpaceThatFits)
{
    // The recording device's characters are 150 wide: 10 fit in 1500.
    RecordingPageSetup narrow = a4();
    narrow.printableWidth = 1500;
    const RecordingPrintDevice device(narrow);
    struct Case {
        const char *name;
        std::string text;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        { "fits", "short text", { "short text" } },
        { "one character too many", "short texts", { "short", "texts" } },
        { "several breaks", "aa bb cc dd ee ff gg hh", { "aa bb cc", "dd ee ff", "gg hh" } },
        { "no space", "abcdefghijklmno", { "abcdefghij", "klmno" } },
        { "CR LF", "one\r\ntwo", { "one", "two" } },
        { "empty lines kept", "one\r\n\r\ntwo", { "one", "", "two" } },
        { "a final CR LF adds nothing", "one\r\n", { "one" } },
        { "a lone CR", "one\rtwo", { "one", "two" } },
        { "a lone line feed", "one\ntwo", { "one", "two" } },
        { "a leading space is not a break", " abcdefghijk", { " abcdefghi", "jk" } },
        { "nothing", "", {} },
    };
    for (const Case &c : cases)
        EXPECT_EQ(mailmergeLines(c.text, device), c.lines) << c.name;
}

TEST(Mailmerge, TheSelectionTakesTheCustomersItNames)
{
    const int year = 2026;
    struct Case {
        const char *name;
        MailmergeSelection selection;
        float balance;
        const char *lastUsed;
        bool taken;
    };
    const Case cases[] = {
        { "all, owing", MailmergeSelection::All, 10.0f, "09:1502/03/2026", true },
        { "all, in credit", MailmergeSelection::All, -10.0f, "NEW", true },
        { "owes", MailmergeSelection::OweMoney, 0.01f, "", true },
        { "owes nothing", MailmergeSelection::OweMoney, 0.0f, "", false },
        { "under a cent", MailmergeSelection::OweMoney, 0.004f, "", false },
        { "in credit", MailmergeSelection::OweMoney, -3.0f, "", false },
        { "in this year", MailmergeSelection::NotActiveThisYear, 0, "09:1502/03/2026", false },
        { "last year", MailmergeSelection::NotActiveThisYear, 0, "09:1531/12/2025", true },
        { "NEW", MailmergeSelection::NotActiveThisYear, 0, "NEW", true },
        { "never", MailmergeSelection::NotActiveThisYear, 0, "", true },
        { "11 characters", MailmergeSelection::NotActiveThisYear, 0, "09:1502/03/", true },
        { "garbled year", MailmergeSelection::NotActiveThisYear, 0, "09:1502/03/XXXX", true },
    };
    for (const Case &c : cases)
        EXPECT_EQ(mailmergeTakes(c.selection, customer(1, "A", c.balance, c.lastUsed), year),
            c.taken)
            << c.name;
}

TEST(Mailmerge, TheRangeTypedEndsTheRunWhenItHoldsNoNumber)
{
    struct Case {
        const char *start;
        const char *end;
        std::optional<std::pair<int64_t, int64_t>> range;
    };
    const Case cases[] = {
        { "1", "100", std::pair<int64_t, int64_t> { 1, 100 } },
        { "5", "5", std::pair<int64_t, int64_t> { 5, 5 } },
        { "0", "100", std::nullopt },
        { "-3", "100", std::nullopt },
        { "", "100", std::nullopt },
        { "ABC", "100", std::nullopt },
        { "10", "9", std::nullopt },
    };
    for (const Case &c : cases) {
        const std::optional<MailmergeRange> range = mailmergeRange(c.start, c.end);
        ASSERT_EQ(range.has_value(), c.range.has_value()) << c.start << ".." << c.end;
        if (range) {
            EXPECT_EQ(range->start, c.range->first);
            EXPECT_EQ(range->end, c.range->second);
        }
    }
}

TEST(Mailmerge, CustomersAreTakenInNumberOrderFromTheRange)
{
    LetterShop shop({ customer(30, "C", 5.0f), customer(10, "A", 0.0f),
        customer(20, "B", 12.0f, "09:1502/03/2026"), customer(40, "D", 0.0f) });
    struct Case {
        const char *name;
        MailmergeRange range;
        MailmergeSelection selection;
        std::vector<int64_t> numbers;
    };
    const Case cases[] = {
        { "everyone", { 1, 100 }, MailmergeSelection::All, { 10, 20, 30, 40 } },
        { "from the first number not below the start", { 11, 30 }, MailmergeSelection::All,
            { 20, 30 } },
        { "debtors", { 1, 100 }, MailmergeSelection::OweMoney, { 20, 30 } },
        { "no debtors in the range", { 35, 100 }, MailmergeSelection::OweMoney, {} },
        { "inactive", { 1, 100 }, MailmergeSelection::NotActiveThisYear, { 10, 30, 40 } },
        { "nobody there", { 50, 60 }, MailmergeSelection::All, {} },
    };
    for (const Case &c : cases) {
        ScriptedMessages messages;
        const auto customers
            = mailmergeCustomers(shop.state, c.range, c.selection, 2026, messages);
        ASSERT_TRUE(customers.has_value()) << c.name;
        EXPECT_EQ(numbersOf(*customers), c.numbers) << c.name;
        EXPECT_TRUE(messages.shown.empty()) << c.name;
    }
    const MailmergeRange presets = mailmergePresets(shop.state);
    EXPECT_EQ(presets.start, 10);
    EXPECT_EQ(presets.end, 40);
}

TEST(Mailmerge, AnEmptyFileOffersOneToOneAndAMissingFileEndsTheRun)
{
    LetterShop shop({});
    const MailmergeRange presets = mailmergePresets(shop.state);
    EXPECT_EQ(presets.start, 1);
    EXPECT_EQ(presets.end, 1);

    LetterShop gone({ customer(10, "A", 1.0f) });
    ASSERT_EQ(::unlink(gone.temp.file("member.dat").c_str()), 0);
    ScriptedMessages messages;
    EXPECT_FALSE(mailmergeCustomers(gone.state, { 1, 100 }, MailmergeSelection::All, 2026, messages)
            .has_value());
    EXPECT_EQ(messages.lastText(), "Data file: member.dat, not present.");
    EXPECT_EQ(messages.lastCaption(), "Fatal error");
}

TEST(Mailmerge, EachCustomerHasAPageOfTheirOwn)
{
    const StoreHeading heading = StoreHeading::sample();
    const MailmergePrint print { heading, "Hello.", kSaleTime };
    RecordingPrintDevice device(a4());
    printMailmerge(device, print, { customer(1, "ONE", 0), customer(2, "TWO", 0) });
    int pages = 1;
    for (const PrintOperation &op : device.operations())
        pages += op.kind == PrintOperation::Kind::NewPage;
    EXPECT_EQ(pages, 2);
    const std::vector<std::string> texts = textsOf(device);
    EXPECT_EQ(std::count(texts.begin(), texts.end(), "Manager"), 2);
    EXPECT_EQ(mailmergeDate({ 2026, 12, 31 }), "31 Dec 2026");
}

TEST(MailmergeText, LoadTakesATextFileOfOneTo1000Bytes)
{
    TempDir folder;
    struct Case {
        const char *name;
        std::optional<std::string> bytes; // nothing: no file
        bool loaded;
        const char *message;
        const char *caption;
    };
    const Case cases[] = {
        { "a letter", std::string("Dear friends,\r\nHello."), true, "", "" },
        { "1000 bytes", std::string(1000, 'x'), true, "", "" },
        { "1001 bytes", std::string(1001, 'x'), false, "File of incorrect type", "Problem" },
        { "empty", std::string(), false, "File of incorrect type", "Problem" },
        { "a NUL byte", std::string("ab\0cd", 5), false, "File of incorrect type", "Problem" },
        { "missing", std::nullopt, false, "File not present.", "Fatal error" },
    };
    int n = 0;
    for (const Case &c : cases) {
        const std::string path = folder.file("text" + std::to_string(++n) + ".txt");
        if (c.bytes)
            writeBytes(path, *c.bytes);
        ScriptedMessages messages;
        const std::optional<std::string> text = loadMailmergeText(path, messages);
        ASSERT_EQ(text.has_value(), c.loaded) << c.name;
        if (text) {
            EXPECT_EQ(*text, *c.bytes) << c.name;
            EXPECT_TRUE(messages.shown.empty()) << c.name;
        } else {
            EXPECT_EQ(messages.lastText(), c.message) << c.name;
            EXPECT_EQ(messages.lastCaption(), c.caption) << c.name;
        }
    }
    ScriptedMessages messages;
    EXPECT_FALSE(loadMailmergeText(folder.path(), messages).has_value());
    EXPECT_EQ(messages.lastText(), "File not present.");
}

TEST(MailmergeText, SaveReplacesTheFileOrSaysItFailed)
{
    TempDir folder;
    const std::string path = folder.file("letter.txt");
    ScriptedMessages messages;
    ASSERT_TRUE(saveMailmergeText(path, "First\r\nSecond", messages));
    EXPECT_EQ(readBytes(path), "First\r\nSecond");
    struct stat info {};
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
    ASSERT_TRUE(saveMailmergeText(path, "Shorter", messages));
    EXPECT_EQ(readBytes(path), "Shorter");
    EXPECT_TRUE(messages.shown.empty());

    // A folder that does not exist, and a folder in the file's place.
    for (const std::string &bad : { folder.file("no/such/letter.txt"), folder.path() }) {
        ScriptedMessages refused;
        EXPECT_FALSE(saveMailmergeText(bad, "Text", refused)) << bad;
        EXPECT_EQ(refused.lastText(), "File failure.") << bad;
        EXPECT_EQ(refused.lastCaption(), "Fatal error") << bad;
    }
    EXPECT_EQ(readBytes(path), "Shorter");
}
