#include "platform/data_dir.h"
#include "print/logic/print_request.h"
#include "store/till_config.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

namespace ovix {
namespace {

class PrintRequestTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        config.set(cfg::printConfirm, 1);
    }
    void chooseReceiptPrinter(int32_t index, std::string_view name)
    {
        config.set(cfg::receiptPrinterIndex, index);
        config.setText(cfg::receiptPrinterDevice, name);
    }

    test::TempDir dir;
    DataDir dataDir { dir.path() };
    TillConfig config;
};

TEST_F(PrintRequestTest, NamedReceiptPrinterTakesReceiptsButNotInvoices)
{
    chooseReceiptPrinter(2, "Caf\xE9-TM88");
    const PrintDocument receipts[]
        = { PrintDocument::StandardReceipt, PrintDocument::CustomReceipt };
    for (PrintDocument receipt : receipts) {
        PrintRequest request = documentPrintRequest(config, dataDir, receipt);
        EXPECT_EQ(request.printer, PrinterChoice::NamedPrinter);
        EXPECT_EQ(request.printerName, "Caf\xC3\xA9-TM88"); // UTF-8 for the system
        EXPECT_EQ(request.copies, 1);
    }
    for (PrintDocument page : { PrintDocument::StandardInvoice, PrintDocument::CustomInvoice,
             PrintDocument::DeliveryNote, PrintDocument::Other }) {
        EXPECT_EQ(documentPrintRequest(config, dataDir, page).printer, PrinterChoice::Dialog);
    }
    EXPECT_EQ(
        documentPrintRequest(config, dataDir, PrintDocument::StandardInvoice).kind, "invoice");
}

TEST_F(PrintRequestTest, DefaultChoiceGoesThroughTheDialogUnlessConfirmIsOmitted)
{
    chooseReceiptPrinter(0, "Left over name");
    EXPECT_EQ(documentPrintRequest(config, dataDir, PrintDocument::StandardReceipt).printer,
        PrinterChoice::Dialog);
    config.set(cfg::printConfirm, 0);
    EXPECT_EQ(documentPrintRequest(config, dataDir, PrintDocument::StandardReceipt).printer,
        PrinterChoice::DefaultPrinter);
    EXPECT_EQ(documentPrintRequest(config, dataDir, PrintDocument::StandardInvoice).printer,
        PrinterChoice::DefaultPrinter);
    // A damaged index or an index without a name is the default choice.
    chooseReceiptPrinter(-3, "TM88");
    EXPECT_EQ(documentPrintRequest(config, dataDir, PrintDocument::CustomReceipt).printer,
        PrinterChoice::DefaultPrinter);
    chooseReceiptPrinter(4, "");
    EXPECT_EQ(documentPrintRequest(config, dataDir, PrintDocument::CustomReceipt).printer,
        PrinterChoice::DefaultPrinter);
}

TEST_F(PrintRequestTest, AutomaticPrintAddsTheExtraCopiesWithinRange)
{
    for (auto [stored, copies] : { std::pair { 0, 1 }, { 1, 2 }, { 2, 3 }, { 3, 1 }, { -1, 1 } }) {
        config.set(cfg::receiptCopies, stored);
        EXPECT_EQ(
            automaticPrintRequest(config, dataDir, PrintDocument::StandardReceipt).copies, copies)
            << stored;
    }
}

TEST_F(PrintRequestTest, KitchenReceiptAlwaysGoesToTheDefaultPrinter)
{
    chooseReceiptPrinter(2, "TM88");
    PrintRequest request = kitchenPrintRequest(dataDir);
    EXPECT_EQ(request.printer, PrinterChoice::DefaultPrinter);
    EXPECT_EQ(request.copies, 1);
    EXPECT_EQ(request.pdfFolder, dir.path() + "/printouts");
}

TEST_F(PrintRequestTest, EveryDocumentHasItsPrintoutWordAndPrinter)
{
    // A named receipt printer chosen and the dialog asked for.
    chooseReceiptPrinter(2, "TM88");
    // Receipts printed to a file stand on the 80 mm roll; pages keep theirs.
    struct Case {
        PrintDocument document;
        const char *kind;
        PrinterChoice printer;
        int rollWidth;
    };
    const Case cases[] = {
        { PrintDocument::StandardReceipt, "receipt", PrinterChoice::NamedPrinter, 8000 },
        { PrintDocument::CustomReceipt, "custom-receipt", PrinterChoice::NamedPrinter, 8000 },
        { PrintDocument::StandardInvoice, "invoice", PrinterChoice::Dialog, 0 },
        { PrintDocument::CustomInvoice, "invoice-2", PrinterChoice::Dialog, 0 },
        { PrintDocument::DeliveryNote, "delivery-note", PrinterChoice::Dialog, 0 },
        { PrintDocument::KitchenReceipt, "kitchen-receipt", PrinterChoice::DefaultPrinter, 8000 },
        { PrintDocument::Other, "document", PrinterChoice::Dialog, 0 },
    };
    for (const Case &c : cases) {
        const PrintRequest request = documentPrintRequest(config, dataDir, c.document);
        EXPECT_EQ(request.kind, c.kind);
        EXPECT_EQ(request.printer, c.printer) << c.kind;
        EXPECT_EQ(request.copies, 1) << c.kind;
        EXPECT_EQ(request.pdfFolder, dir.path() + "/printouts") << c.kind;
        EXPECT_EQ(request.rollWidth, c.rollWidth) << c.kind;
        EXPECT_EQ(automaticPrintRequest(config, dataDir, c.document).rollWidth, c.rollWidth)
            << c.kind;
    }
}

} // namespace
} // namespace ovix
