#include "sales/logic/archived_transaction.h"

#include "store/fixed_text.h"

#include <algorithm>

namespace ovix {

namespace {

template <size_t N> void copyText(char (&to)[N], const char (&from)[N])
{
    writeText(to, readText(from));
}

// The basket's totals that mirror reserved record fields, by their index.
constexpr int kReserved64 = 8;
constexpr int kReserved96 = 16;
constexpr int kReserved104 = 18;
constexpr int kReserved120 = 22;

} // namespace

TransactionRecord transactionRecordOf(const Basket &sale)
{
    TransactionRecord record {};
    record.transactionNumber = sale.transactionNumber;
    record.daySequence = sale.daySequence;
    record.customerNumber = sale.customerNumber;
    record.clerkNumber = sale.clerkNumber;
    record.lineCount = sale.lineCount;
    record.nonTaxable = sale.total(BasketTotal::NonTaxable);
    record.taxable = sale.total(BasketTotal::Taxable);
    record.subtotal = sale.total(BasketTotal::Subtotal);
    record.taxOne = sale.total(BasketTotal::TaxOne);
    record.taxTwo = sale.total(BasketTotal::TaxTwo);
    record.cost = sale.total(BasketTotal::Cost);
    record.total = sale.total(BasketTotal::Total);
    record.discount = sale.total(BasketTotal::Discount);
    for (int i = 0; i < 5; ++i)
        record.reserved64[i] = sale.totals[kReserved64 + i];
    record.cashBack = sale.total(BasketTotal::CashBack);
    record.cashPart = sale.total(BasketTotal::CashPart);
    record.eftPart = sale.total(BasketTotal::EftPart);
    record.reserved96 = sale.totals[kReserved96];
    record.chequePart = sale.total(BasketTotal::ChequePart);
    record.reserved104[0] = sale.totals[kReserved104];
    record.reserved104[1] = sale.totals[kReserved104 + 1];
    record.balanceBefore = sale.total(BasketTotal::BalanceBefore);
    record.balanceAfter = sale.total(BasketTotal::BalanceAfter);
    record.reserved120 = sale.totals[kReserved120];
    copyText(record.timeText, sale.timeText);
    copyText(record.dateText, sale.dateText);
    copyText(record.customerName, sale.customerName);
    for (int i = 0; i < 4; ++i)
        copyText(record.customerAddress[i], sale.customerAddress[i]);
    copyText(record.customerTelephone, sale.customerTelephone);
    copyText(record.paymentType, sale.paymentType);
    for (int i = 0; i < 5; ++i)
        copyText(record.reservedTexts394[i], sale.reservedTexts394[i]);
    copyText(record.reservedText594, sale.reservedText594);
    for (int i = 0; i < 2; ++i) {
        copyText(record.reservedTexts614[i], sale.reservedTexts614[i]);
        copyText(record.reservedTexts774[i], sale.reservedTexts774[i]);
        record.reservedNumbers854[i] = sale.reservedNumbers854[i];
        record.reservedAmounts862[i] = sale.reservedAmounts862[i];
    }
    copyText(record.reservedText694, sale.reservedText694);
    copyText(record.transactionNote, sale.transactionNote);
    return record;
}

SoldItemRecord soldItemRecordOf(const Basket &sale, int line, int64_t category)
{
    SoldItemRecord record {};
    record.transactionNumber = sale.transactionNumber;
    record.category = category;
    record.customerNumber = sale.customerNumber;
    record.itemNumber = sale.lineItemNumber[line];
    writeText(record.description, lineDescriptionText(sale, line));
    record.nonTaxable = sale.lineNonTaxable[line];
    record.taxable = sale.lineTaxable[line];
    record.taxOne = sale.lineTaxOne[line];
    record.taxTwo = sale.lineTaxTwo[line];
    record.cost = sale.lineCost[line];
    record.discount = sale.lineDiscount[line];
    record.total = sale.lineTotal[line];
    record.clerkNumber = sale.clerkNumber;
    return record;
}

void loadArchivedTransaction(
    Basket &basket, const TransactionRecord &record, std::span<const SoldItemRecord> lines)
{
    clearBasket(basket);
    basket.transactionNumber = record.transactionNumber;
    basket.daySequence = record.daySequence;
    basket.customerNumber = record.customerNumber;
    basket.clerkNumber = record.clerkNumber;
    basket.setTotal(BasketTotal::NonTaxable, record.nonTaxable);
    basket.setTotal(BasketTotal::Taxable, record.taxable);
    basket.setTotal(BasketTotal::Subtotal, record.subtotal);
    basket.setTotal(BasketTotal::TaxOne, record.taxOne);
    basket.setTotal(BasketTotal::TaxTwo, record.taxTwo);
    basket.setTotal(BasketTotal::Cost, record.cost);
    basket.setTotal(BasketTotal::Total, record.total);
    basket.setTotal(BasketTotal::Discount, record.discount);
    basket.setTotal(BasketTotal::CashBack, record.cashBack);
    basket.setTotal(BasketTotal::CashPart, record.cashPart);
    basket.setTotal(BasketTotal::EftPart, record.eftPart);
    basket.setTotal(BasketTotal::ChequePart, record.chequePart);
    basket.setTotal(BasketTotal::BalanceBefore, record.balanceBefore);
    basket.setTotal(BasketTotal::BalanceAfter, record.balanceAfter);
    copyText(basket.timeText, record.timeText);
    copyText(basket.dateText, record.dateText);
    copyText(basket.customerName, record.customerName);
    for (int i = 0; i < 4; ++i)
        copyText(basket.customerAddress[i], record.customerAddress[i]);
    copyText(basket.customerTelephone, record.customerTelephone);
    copyText(basket.paymentType, record.paymentType);
    copyText(basket.transactionNote, record.transactionNote);
    const size_t taken = std::min(lines.size(), static_cast<size_t>(kBasketLineCapacity));
    for (size_t at = 0; at < taken; ++at) {
        const SoldItemRecord &sold = lines[at];
        BasketLine line;
        line.itemNumber = sold.itemNumber;
        line.description = readText(sold.description);
        line.nonTaxable = sold.nonTaxable;
        line.taxable = sold.taxable;
        line.taxOne = sold.taxOne;
        line.taxTwo = sold.taxTwo;
        line.cost = sold.cost;
        line.discount = sold.discount;
        line.total = sold.total;
        setBasketLine(basket, static_cast<int>(at), line);
    }
    basket.lineCount = static_cast<int32_t>(taken);
}

} // namespace ovix
