// Invoices and delivery notes printed as a till without a printer prints
// them, to PDF files, and read back with pdftotext; the design dialog's
// choices read back from wr.cfg at their offsets.

#include "accounts/logic/statement.h"
#include "platform/scripted_messages.h"
#include "print/logic/print_request.h"
#include "print/widgets/invoice_design_dialog.h"
#include "print/widgets/invoice_job.h"
#include "print/widgets/till_sale_devices.h"
#include "sales/logic/basket.h"
#include "sales/logic/till_state.h"
#include "store/customer_record.h"
#include "store/receipt_words.h"
#include "store/till_config_file.h"
#include "support/receipt_fixture.h"
#include "support/test_support.h"
#include "widgets/modal_dialogs.h"
#include "widgets/test_helpers.h"

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>

namespace ovix {
namespace {

using test::addReceiptLine;
using test::pdfText;

// A shop with a customer on file in band 3 (5% discount, 30 days) and a paid
// account sale of theirs.
struct InvoiceShop {
    InvoiceShop()
        : state(temp.path())
    {
        state.heading = StoreHeading::sample();
        loadDefaultReceiptWords(state.receiptWords, 0);
        test::useReceiptSettings(state.config, "VAT", 1750);
        state.config.setClerkName(2, "Ann");
        state.config.set(cfg::bandDiscount, 2, 3);
        state.config.set(cfg::bandPeriod, 2, 4);
        ScriptedMessages messages;
        std::ofstream(state.dir.path("member.dat"), std::ios::binary).flush();
        CustomerRecord customer {};
        customer.number = 4021;
        std::strcpy(customer.name, "J SMITH & SONS");
        customer.terms = 3;
        EXPECT_TRUE(state.customers.insert(customer, messages).has_value())
            << messages.lastText();

        test::startReceiptSale(sale, "Credit", 2);
        addReceiptLine(sale, 11, "APPLES", 1.50f);
        addReceiptLine(sale, 11, "APPLES", 1.50f);
        addReceiptLine(sale, 13, "RED WINE", 11.75f, 1.175f);
        sale.customerNumber = 4021;
        std::strcpy(sale.customerName, "J SMITH & SONS");
        std::strcpy(sale.customerAddress[0], "12 MILL LANE");
        sale.setTotal(BasketTotal::NonTaxable, 3.00f);
        sale.setTotal(BasketTotal::Taxable, 10.00f);
        sale.setTotal(BasketTotal::Subtotal, 13.00f);
        sale.setTotal(BasketTotal::TaxOne, 1.75f);
        sale.setTotal(BasketTotal::Total, 14.75f);
        sale.setTotal(BasketTotal::BalanceBefore, 40.00f);
        sale.setTotal(BasketTotal::BalanceAfter, 54.75f);
    }

    std::string printed(InvoiceKind kind, PrintDocument document)
    {
        PrintRequest request = documentPrintRequest(state.config, state.dir, document);
        request.pdfOnly = true;
        ScriptedMessages messages;
        const PrintJobResult result = printSaleInvoice(state, request, kind, sale, messages);
        for (const ScriptedMessages::Shown &box : messages.shown)
            EXPECT_NE(box.caption, "Problem") << box.text;
        if (result.pdfFiles.size() != 1)
            return {};
        pdfs.push_back(result.pdfFiles[0]);
        return result.pdfFiles[0];
    }

    test::TempDir temp;
    TillState state;
    Basket sale {};
    std::vector<std::string> pdfs;
};

TEST(InvoicePdf, EachKindReadsBackWithItsTexts)
{
    InvoiceShop shop;
    struct Case {
        InvoiceKind kind;
        PrintDocument document;
        std::vector<const char *> texts;
    };
    const Case cases[] = {
        { InvoiceKind::Standard, PrintDocument::StandardInvoice,
            { "INVOICE", "YOUR SHOP NAME", "Invoice Number: 7", "Associate: Ann", "APPLES",
                "2 @ 1.50", "3.00", "RED WINE", "10.00", "CUSTOMER NO: 4021", "J SMITH & SONS",
                "Terms: 5% disc, 30 days", "SUBTOTAL: $13.00", "TOTAL: $14.75", "Authorized",
                "Received" } },
        { InvoiceKind::DeliveryNote, PrintDocument::DeliveryNote,
            { "Delivery Note", "Transaction reference: 7", "Unit price", "Shortages must be",
                "within 3 days", "Terms: 5% disc, 30 days", "Previous balance: 40.00",
                "Balance: 54.75" } },
    };
    for (const Case &c : cases) {
        const std::string pdf = shop.printed(c.kind, c.document);
        ASSERT_FALSE(pdf.empty());
        const std::string text = pdfText(pdf);
        for (const char *expected : c.texts)
            EXPECT_NE(text.find(expected), std::string::npos) << expected << " in\n" << text;
    }
    // The pictures of the documentation, when asked for.
    if (const char *folder = std::getenv("OVIX_INVOICE_PNG_FOLDER")) {
        EXPECT_EQ(std::system(("pdftoppm -r 50 -png -singlefile '" + shop.pdfs[0] + "' '"
                                  + folder + "/standard_invoice'")
                                  .c_str()),
            0);
    }
    for (const std::string &pdf : shop.pdfs)
        std::remove(pdf.c_str());
}

// The summary box's and "Auto receipt"'s way in: the till's devices print
// an invoice now (a PDF in the printouts folder) instead of nothing.
TEST(InvoicePdf, TheTillsDevicesPrintInvoicesAndDeliveryNotes)
{
    InvoiceShop shop;
    shop.state.config.set(cfg::printConfirm, 2); // straight to the default printer
    ScriptedMessages messages;
    TillSaleDevices devices(nullptr, shop.state, messages);
    for (PrintDocument document : { PrintDocument::StandardInvoice, PrintDocument::CustomInvoice,
             PrintDocument::DeliveryNote })
        devices.printDocument(document, shop.sale, { 14.75, 0 }, false);
    const QStringList made = QDir(QString::fromStdString(shop.state.dir.path("printouts")))
                                 .entryList({ QStringLiteral("*.pdf") }, QDir::Files);
    EXPECT_EQ(made.size(), 3) << messages.lastText();
}

// A statement of the same customer on A4, read back; with
// OVIX_INVOICE_PNG_FOLDER set its picture for the documentation too.
TEST(InvoicePdf, StatementReadsBack)
{
    InvoiceShop shop;
    CustomerRecord customer {};
    customer.number = 4021;
    std::strcpy(customer.name, "J SMITH & SONS");
    std::strcpy(customer.road, "12 MILL LANE");
    customer.terms = 3;
    const StatementPrint statement { shop.state.heading, shop.state.config, customer, "Ann",
        { 2026, 12, 8, 14, 5, 0 },
        { "Credit sale: Tue 1 Dec 26,  Transaction: 3, Total: 40.00",
            "Credit sale: Tue 8 Dec 26,  Transaction: 7, Total: 14.75", "Balance: 54.75" } };
    PrintRequest request;
    request.kind = "statement";
    request.pdfFolder = shop.state.dir.path(kPrintoutsFolderName);
    request.pdfOnly = true;
    ScriptedMessages messages;
    const PrintJobResult result = runPrintJob(
        request,
        [&](PrintDevice &device, Messages &problems) {
            printStatement(device, statement, problems);
        },
        messages);
    ASSERT_EQ(result.pdfFiles.size(), 1u);
    const std::string text = pdfText(result.pdfFiles[0]);
    for (const char *expected : { "STATEMENT", "Customer ID: 4021", "J SMITH & SONS",
             "Terms: 5% disc, 30 days", "Transaction: 7, Total: 14.75", "Balance: 54.75" })
        EXPECT_NE(text.find(expected), std::string::npos) << expected << " in\n" << text;
    if (const char *folder = std::getenv("OVIX_INVOICE_PNG_FOLDER")) {
        EXPECT_EQ(std::system(("pdftoppm -r 50 -png -singlefile '" + result.pdfFiles[0] + "' '"
                                  + folder + "/customer_statement'")
                                  .c_str()),
            0);
    }
    std::remove(result.pdfFiles[0].c_str());
}

std::string fileBytes(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    return { std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>() };
}

int32_t storedAt(const std::string &bytes, size_t offset)
{
    int32_t value = 0;
    std::memcpy(&value, bytes.data() + offset, 4);
    return value;
}

// Lines, options and the header font chosen in the dialog reach wr.cfg at
// their offsets; the other bytes of the block stay as they were.
TEST(InvoiceDesignDialog, ChoicesReadBackFromWrCfgAtTheirOffsets)
{
    InvoiceShop shop;
    TillConfig before = shop.state.config;
    InvoiceDesign chosenFont;
    chosenFont.fontFace = "Times New Roman";
    chosenFont.fontPoints = 14;
    InvoiceDesignDialog dialog(loadInvoiceDesign(shop.state.config),
        [&](const InvoiceDesign &) { return std::optional<InvoiceDesign>(chosenFont); }, nullptr);
    dialog.lineBox(0)->setValue(5); // "Store name"
    dialog.lineBox(static_cast<int>(InvoiceSection::Balance))->setValue(80);
    dialog.lineBox(kInvoiceNoteSection)->setValue(52);
    dialog.lineBox(3)->setValue(200); // the box stops at 80
    dialog.findChild<QCheckBox *>(QStringLiteral("boxEncased"))->setChecked(true);
    dialog.findChild<QCheckBox *>(QStringLiteral("headerFont"))->setChecked(true);
    dialog.findChild<QCheckBox *>(QStringLiteral("standardLogo"))->setChecked(true);
    dialog.fontButton()->click();
    EXPECT_EQ(dialog.fontLabel()->text(), QStringLiteral("Times New Roman, 14 pt"));
    applyInvoiceDesign(shop.state.config, dialog.design());
    ASSERT_TRUE(storeTillConfig(shop.state.dir, shop.state.config));

    const std::string stored = fileBytes(shop.state.dir.path("wr.cfg"));
    ASSERT_EQ(stored.size(), size_t(kTillConfigSize));
    struct Case {
        size_t offset;
        int32_t value;
    };
    const Case cases[] = {
        { 40710, 5 }, { 40710 + 4 * 3, 80 }, { 40710 + 4 * 17, 80 }, { 40798, 52 },
        { 40782, 0 }, { 40786, 1 }, { 40790, 0 }, { 40794, 1 }, { 40802, 1 }, { 39754, 14 },
    };
    for (const Case &c : cases)
        EXPECT_EQ(storedAt(stored, c.offset), c.value) << "offset " << c.offset;
    EXPECT_EQ(stored.substr(32834, 16), std::string("Times New Roman\0", 16));
    size_t changed = 0;
    for (size_t i = 0; i < stored.size(); ++i)
        changed += stored[i] != char(before.bytes()[i]) ? 1 : 0;
    EXPECT_LE(changed, 30u); // only the invoice design's bytes
}

} // namespace
} // namespace ovix
