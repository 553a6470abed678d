// Long invoices and delivery notes carry their item rows onto further pages:
// no row under the foot of its page, the column headings on every page, the
// totals and the foot on the last page only.

#include "platform/c_format.h"
#include "platform/scripted_messages.h"
#include "print/logic/invoice.h"
#include "print/logic/invoice_page.h"
#include "print/logic/recording_print_device.h"
#include "support/golden_page.h"
#include "support/receipt_fixture.h"

#include <gtest/gtest.h>

#include <cstring>

namespace ovix {
namespace {

// A4 at 300 dpi with a 4 mm unprintable margin at the left and top.
RecordingPageSetup a4Page()
{
    RecordingPageSetup setup;
    setup.pageWidth = 21000;
    setup.pageHeight = 29700;
    setup.offsetLeft = 400;
    setup.offsetTop = 400;
    setup.printableWidth = 20200;
    setup.printableHeight = 28900;
    setup.dotsPerInch = 300;
    setup.lineHeight = 420;
    setup.averageCharWidth = 180;
    return setup;
}

struct LongSale : test::ReceiptShop {
    // `lines` different items, every fifth of them twice (a row with a count).
    LongSale(int lines, bool customer)
    {
        for (int i = 1; i <= lines; ++i) {
            const std::string description = cformat("GOODS %03d", i);
            addLine(100 + i, description.c_str(), 1.00f);
            if (i % 5 == 0)
                addLine(100 + i, description.c_str(), 1.00f);
        }
        sale.setTotal(BasketTotal::Subtotal, 99.0f);
        sale.setTotal(BasketTotal::Total, 99.0f);
        if (customer) {
            sale.customerNumber = 4021;
            std::strcpy(sale.customerName, "J SMITH & SONS");
            std::strcpy(sale.customerAddress[0], "12 MILL LANE");
        }
    }

    // The pages drawn: the texts of each.
    std::vector<std::vector<PrintOperation>> pages(InvoiceKind kind)
    {
        const InvoiceData data { sale, config, heading, words, "Ann", 0, logo };
        printInvoice(device, kind, data, messages);
        EXPECT_TRUE(messages.shown.empty()) << messages.lastText();
        std::vector<std::vector<PrintOperation>> drawn(1);
        for (const PrintOperation &op : device.operations()) {
            if (op.kind == PrintOperation::Kind::NewPage)
                drawn.emplace_back();
            else if (op.kind == PrintOperation::Kind::Text)
                drawn.back().push_back(op);
        }
        return drawn;
    }

    RecordingPrintDevice device { a4Page() };
    ScriptedMessages messages;
};

int countOf(const std::vector<PrintOperation> &texts, const std::string &prefix)
{
    int count = 0;
    for (const PrintOperation &op : texts)
        count += op.text.rfind(prefix, 0) == 0;
    return count;
}

// The lowest item row of a page.
int lowestItem(const std::vector<PrintOperation> &texts)
{
    int lowest = 0;
    for (const PrintOperation &op : texts)
        if (op.text.rfind("GOODS ", 0) == 0 || op.text == "2 @ 1.00")
            lowest = std::max(lowest, op.y);
    return lowest;
}

} // namespace

TEST(InvoicePages, ItemRowsGoOnFurtherPagesAndTheFootOnlyOnTheLast)
{
    const RecordingPageSetup setup = a4Page();
    const int line = setup.lineHeight;
    // Standard: the foot block's upper bar is two inches above the bottom.
    const int footTwo = setup.printableHeight - setup.offsetTop - 2 * 2540 - 20;
    const int signatures = setup.printableHeight - setup.offsetTop - 4 * line - 10;
    struct Case {
        const char *name;
        InvoiceKind kind;
        int lines;
        bool customer;
        size_t pages;
        const char *total; // drawn once, on the last page
        int footTop; // no row of the last page below this
    };
    const Case cases[] = {
        { "short standard", InvoiceKind::Standard, 10, true, 1, "TOTAL: ", footTwo },
        { "standard of 30 lines with a customer", InvoiceKind::Standard, 25, true, 2, "TOTAL: ",
            footTwo },
        { "standard of 30 lines, cash", InvoiceKind::Standard, 25, false, 1, "TOTAL: ",
            footTwo },
        { "standard of 60 lines", InvoiceKind::Standard, 50, true, 2, "TOTAL: ", footTwo },
        { "standard of 180 lines", InvoiceKind::Standard, 150, false, 5, "TOTAL: ", footTwo },
        { "delivery note of 60 lines", InvoiceKind::DeliveryNote, 50, true, 2, "TOTAL: ",
            signatures },
    };
    for (const Case &c : cases) {
        LongSale sale(c.lines, c.customer);
        const auto pages = sale.pages(c.kind);
        ASSERT_EQ(pages.size(), c.pages) << c.name;
        int items = 0;
        int counted = 0;
        for (size_t p = 0; p < pages.size(); ++p) {
            const bool last = p + 1 == pages.size();
            items += countOf(pages[p], "GOODS ");
            counted += countOf(pages[p], "2 @ 1.00");
            EXPECT_EQ(countOf(pages[p], "DESCRIPTION"), 1) << c.name << " page " << p;
            EXPECT_EQ(countOf(pages[p], c.total), last ? 1 : 0) << c.name << " page " << p;
            EXPECT_EQ(countOf(pages[p], "Received"), last ? 1 : 0) << c.name << " page " << p;
            const int limit = last ? c.footTop : setup.printableHeight - setup.offsetTop - 10;
            EXPECT_LE(lowestItem(pages[p]) + line, limit) << c.name << " page " << p;
            EXPECT_GT(countOf(pages[p], "GOODS "), 0) << c.name << " page " << p;
        }
        EXPECT_EQ(items, c.lines) << c.name;
        EXPECT_EQ(counted, c.lines / 5) << c.name;
    }
}

TEST(InvoicePages, AnInvoiceOfSixtyLinesMatchesItsReviewedPages)
{
    LongSale sale(50, true);
    const InvoiceData data { sale.sale, sale.config, sale.heading, sale.words, "Ann", 0,
        sale.logo };
    printInvoice(sale.device, InvoiceKind::Standard, data, sale.messages);
    EXPECT_TRUE(
        test::matchesGoldenPage(sale.device.transcript(), "print/data/standard_invoice_long.txt"));
}

TEST(InvoicePages, RowsAreSharedOutWithoutSplittingAnItemWithACount)
{
    // Pages of 3 printed rows, the last of 2.
    const auto fits = [](int lines, bool lastPage) { return lines <= (lastPage ? 2 : 3); };
    const auto linesPerPage = [&](const std::vector<InvoiceRow> &rows) {
        std::vector<int> lines;
        for (const auto &page : invoiceRowPages(rows, fits))
            lines.push_back(invoiceRowLines(page));
        return lines;
    };
    const InvoiceRow one { 0, 1 };
    const InvoiceRow two { 0, 2 };
    struct Case {
        const char *name;
        std::vector<InvoiceRow> rows;
        std::vector<int> lines;
    };
    const Case cases[] = {
        { "none", {}, { 0 } },
        { "fits the last page", { one, one }, { 2 } },
        { "one page more", { one, one, one, one, one }, { 3, 2 } },
        { "the last page keeps a row", { one, one, one }, { 2, 1 } },
        { "a count is not split", { one, one, two, one }, { 2, 2, 1 } },
        { "a row too tall for any page", { two, two }, { 2, 2 } },
    };
    for (const Case &c : cases)
        EXPECT_EQ(linesPerPage(c.rows), c.lines) << c.name;
}

} // namespace ovix
