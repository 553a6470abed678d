#include "sales/logic/transaction_view.h"

#include "platform/c_format.h"
#include "platform/cp1252.h"
#include "platform/messages.h"
#include "sales/logic/archived_transaction.h"
#include "sales/logic/basket.h"
#include "sales/logic/sale_devices.h"
#include "sales/logic/transaction_lookup.h"
#include "store/fixed_text.h"
#include "store/till_config.h"

#include <cinttypes>

namespace ovix {

namespace {

std::string money(float amount)
{
    return cformat("%.2f", static_cast<double>(amount));
}

} // namespace

void loadFoundTransaction(Basket &basket, const FoundTransaction &found, Messages &messages)
{
    loadArchivedTransaction(basket, found.record, found.lines);
    if (found.lines.size() > static_cast<size_t>(kBasketLineCapacity)) {
        const int64_t number = found.record.transactionNumber;
        reportProblem(messages,
            cformat("Transaction %" PRId64 " holds %zu lines. Only the first %d are shown and "
                    "printed.",
                number, found.lines.size(), kBasketLineCapacity));
    }
}

TransactionView transactionView(const Basket &loaded, const TillConfig &config)
{
    TransactionView view;
    view.number = loaded.transactionNumber;
    view.date = toUtf8(readText(loaded.dateText));
    view.time = toUtf8(readText(loaded.timeText));
    view.clerk = toUtf8(
        cformat("%d: %s", loaded.clerkNumber, config.clerkName(loaded.clerkNumber).c_str()));
    view.lines = loaded.lineCount;
    view.discount = money(loaded.total(BasketTotal::Discount));
    view.customer = loaded.customerNumber;
    view.nonTaxable = money(loaded.total(BasketTotal::NonTaxable));
    view.taxable = money(loaded.total(BasketTotal::Taxable));
    view.subtotal = money(loaded.total(BasketTotal::Subtotal));
    view.taxOne = money(loaded.total(BasketTotal::TaxOne));
    view.taxTwo = money(loaded.total(BasketTotal::TaxTwo));
    view.total = money(loaded.total(BasketTotal::Total));
    const std::string paymentType = readText(loaded.paymentType);
    view.payment = toUtf8(paymentType);
    if (paymentType == "Split") {
        view.payment += cformat("  Cash: %.2f  CH: %.2f  EFT: %.2f",
            static_cast<double>(loaded.total(BasketTotal::CashPart)),
            static_cast<double>(loaded.total(BasketTotal::ChequePart)),
            static_cast<double>(loaded.total(BasketTotal::EftPart)));
    }
    view.type = toUtf8(paymentType);
    if (paymentType == "Cash" || paymentType == "EFT" || paymentType == "CH"
        || paymentType == "Credit")
        view.type += " sale";
    const int lines
        = loaded.lineCount < kBasketLineCapacity ? loaded.lineCount : kBasketLineCapacity;
    for (int line = 0; line < lines; ++line) {
        view.lineTexts.push_back(toUtf8(cformat("%" PRId64 " %s  %.2f", loaded.lineItemNumber[line],
            lineDescriptionText(loaded, line).c_str(),
            static_cast<double>(loaded.lineTotal[line]))));
    }
    view.note = toUtf8(readFixedText(loaded.transactionNote, sizeof loaded.transactionNote));
    view.cashBack = money(loaded.total(BasketTotal::CashBack));
    return view;
}

void reprintTransaction(
    const Basket &loaded, PrintDocument document, const TillConfig &config, SaleDevices &devices)
{
    const bool throughDialog
        = !goesToReceiptPrinter(document) || receiptPrinterListIndex(config) == 0;
    const double total = loaded.total(BasketTotal::Total);
    devices.printDocument(document, loaded, { total, 0 }, throughDialog);
}

} // namespace ovix
