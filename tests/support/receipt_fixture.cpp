#include "support/receipt_fixture.h"

#include "support/test_support.h"

#include <cstring>

namespace ovix::test {

void addReceiptLine(
    Basket &sale, int64_t item, const char *description, float price, float taxFactor)
{
    BasketLine line;
    line.itemNumber = item;
    line.description = description;
    line.total = price;
    if (taxFactor > 1) {
        line.taxable = price / taxFactor;
        line.taxOne = price - line.taxable;
    } else {
        line.nonTaxable = price;
    }
    setBasketLine(sale, sale.lineCount++, line);
}

void startReceiptSale(Basket &sale, const char *paymentType, int32_t clerk)
{
    clearBasket(sale);
    sale.transactionNumber = 7;
    sale.clerkNumber = clerk;
    std::strcpy(sale.timeText, "14:05");
    std::strcpy(sale.dateText, "08/12/2026");
    std::strcpy(sale.paymentType, paymentType);
}

void useReceiptSettings(TillConfig &config, const char *taxOneName, int64_t taxOneRate)
{
    config.setText(cfg::currencySymbol, "$");
    config.setText(cfg::taxOneName, taxOneName);
    config.set(cfg::taxOneRate, taxOneRate);
    config.setText(cfg::receiptMessage, "Always happy to help!");
}

ReceiptShop::ReceiptShop()
    : heading(StoreHeading::sample())
{
    loadDefaultReceiptWords(words, 0);
    useReceiptSettings(config, "VAT", 1750);
    config.setText(cfg::taxTwoName, "CITY");
    config.set(cfg::taxTwoRate, 250);
    startReceiptSale(sale, "Cash", 3);
}

std::string bitmapHeader(int32_t width, int32_t height)
{
    std::string bytes(54, '\0');
    bytes[0] = 'B';
    bytes[1] = 'M';
    putI32(bytes, 2, 54);
    putI32(bytes, 10, 54);
    putI32(bytes, 14, 40);
    putI32(bytes, 18, width);
    putI32(bytes, 22, height);
    return bytes;
}

} // namespace ovix::test
