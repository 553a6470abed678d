#include "platform/scripted_messages.h"
#include "print/logic/print_request.h"
#include "print/logic/receipt_words.h"
#include "print/widgets/receipt_job.h"
#include "support/test_support.h"
#include "till/logic/basket.h"
#include "till/logic/till_state.h"

#include <cstdio>
#include <cstring>
#include <gtest/gtest.h>

namespace ovix {
namespace {

std::string pdfText(const std::string &pdf)
{
    std::string output;
    FILE *pipe = popen(("pdftotext -layout '" + pdf + "' -").c_str(), "r");
    if (!pipe)
        return output;
    char buffer[4096];
    size_t count;
    while ((count = fread(buffer, 1, sizeof buffer, pipe)) > 0)
        output.append(buffer, count);
    pclose(pipe);
    return output;
}

void addLine(Basket &sale, int64_t item, const char *description, float price, bool taxed)
{
    BasketLine line;
    line.itemNumber = item;
    line.description = description;
    line.total = price;
    if (taxed) {
        line.taxable = price / 1.2f;
        line.taxOne = price - line.taxable;
    } else {
        line.nonTaxable = price;
    }
    setBasketLine(sale, sale.lineCount++, line);
}

// A card sale with tax, a discount and cash back, in a shop with a second
// currency, printed as both receipts to PDF files (pdftotext shows a run of
// blanks as one).
TEST(ReceiptPdf, MixedSaleReadsBackFromBothReceipts)
{
    test::TempDir temp;
    TillState state(temp.path());
    state.heading = StoreHeading::sample();
    loadDefaultReceiptWords(state.receiptWords, 0);
    TillConfig &config = state.config;
    config.setText(cfg::currencySymbol, "$");
    config.setText(cfg::taxOneName, "VAT");
    config.set(cfg::taxOneRate, 2000);
    config.setText(cfg::receiptMessage, "Always happy to help!");
    config.setClerkName(2, "Ann");
    config.set(cfg::secondCurrencyOn, 2);
    config.set(cfg::conversionRate, 1.25);
    config.setText(cfg::secondCurrencySymbol, "E");
    config.set(cfg::customReceiptSecondCurrency, 2);
    config.set(cfg::customReceiptMarkExempt, 2);
    config.set(cfg::customReceiptLines, size_t(ReceiptField::StoreName), 1);
    config.set(cfg::customReceiptLines, size_t(ReceiptField::StoreAddressOne), 2);
    config.set(cfg::customReceiptLines, size_t(ReceiptField::Receipt), 4);
    config.set(cfg::customReceiptLines, size_t(ReceiptField::Date), 5);
    config.set(cfg::customReceiptLines, size_t(ReceiptField::TaxOne), 1);
    config.set(cfg::customReceiptLines, size_t(ReceiptField::Total), 2);
    config.set(cfg::customReceiptPaymentTypeLine, 4);
    config.set(cfg::customReceiptLines, size_t(ReceiptField::ByLine), 6);
    config.set(cfg::customReceiptBarcode, 2);

    Basket sale {};
    clearBasket(sale);
    sale.transactionNumber = 7;
    sale.clerkNumber = 2;
    std::strcpy(sale.timeText, "14:05");
    std::strcpy(sale.dateText, "08/12/2026");
    std::strcpy(sale.paymentType, "EFT");
    addLine(sale, 11, "Apples", 1.50f, false);
    addLine(sale, 11, "Apples", 1.50f, false);
    addLine(sale, 11, "Apples", 1.50f, false);
    addLine(sale, 12, "Red wine", 12.00f, true);
    sale.setTotal(BasketTotal::Subtotal, 14.50f);
    sale.setTotal(BasketTotal::TaxOne, 2.00f);
    sale.setTotal(BasketTotal::Discount, 1.50f);
    sale.setTotal(BasketTotal::Total, 15.00f);
    sale.setTotal(BasketTotal::EftPart, 35.00f);
    sale.setTotal(BasketTotal::CashBack, 20.00f);

    ScriptedMessages messages;
    PrintRequest request = documentPrintRequest(config, state.dir, PrintDocument::StandardReceipt);
    request.pdfOnly = true;
    PrintJobResult standard
        = printSaleReceipt(state, request, ReceiptKind::Standard, sale, 35, 0, messages);
    ASSERT_EQ(standard.pdfFiles.size(), 1u);
    const std::string text = pdfText(standard.pdfFiles[0]);
    for (const char *expected : { "YOUR SHOP NAME", "Receipt: 7", "14:05 08/12/2026", "2, Ann",
             "Apples", "3 @ 1.50", "4.50", "Red wine", "12.00", "Discount: (1.50)",
             "Total: $15.00", "Payment: EFT (CB: 20.00)", "VAT: 2.00 (20.00%)",
             "Always happy to help!" })
        EXPECT_NE(text.find(expected), std::string::npos) << expected << " in\n" << text;
    EXPECT_EQ(text.find("E18.75"), std::string::npos);

    PrintJobResult custom
        = printSaleReceipt(state, request, ReceiptKind::Custom, sale, 35, 0, messages);
    ASSERT_EQ(custom.pdfFiles.size(), 1u);
    const std::string customText = pdfText(custom.pdfFiles[0]);
    for (const char *expected : { "YOUR SHOP NAME", "Receipt: 7", "E 4.50", "(Discount: 1.50)",
             "VAT: 2.00 (20.00%)", "Total $15.00 E18.75", "Payment: EFT (CB: 20.00)" })
        EXPECT_NE(customText.find(expected), std::string::npos)
            << expected << " in\n" << customText;

    if (const char *folder = std::getenv("OVIX_RECEIPT_PNG_FOLDER")) {
        std::system(("pdftoppm -r 100 -png -singlefile '" + standard.pdfFiles[0] + "' '"
            + folder + "/standard_receipt'").c_str());
        std::system(("pdftoppm -r 100 -png -singlefile '" + custom.pdfFiles[0] + "' '"
            + folder + "/custom_receipt'").c_str());
    }
}

} // namespace
} // namespace ovix
