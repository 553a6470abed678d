#pragma once
// Sales as a receipt prints them, built without a data folder: the printed
// lines, the paid sale's texts and the settings most receipts share. Used by
// the receipt tests, their golden pages and the printed-receipt tests.

#include "print/logic/receipt.h"
#include "sales/logic/basket.h"
#include "store/receipt_words.h"
#include "store/store_heading.h"
#include "store/till_config.h"

#include <cstdint>
#include <string>

namespace ovix::test {

// Appends a line rung up at `price` including tax. With `taxFactor` above 1
// the price holds tax 1 at that factor (1.175f for 17.50%): its taxable part is
// price / taxFactor and the rest is tax 1. Otherwise the line is not taxed.
void addReceiptLine(
    Basket &sale, int64_t item, const char *description, float price, float taxFactor = 0);

// Clears `sale` and makes it transaction 7, paid at 14:05 on 08/12/2026 by
// `paymentType` ("Cash", "EFT", "Refund" ...) with clerk `clerk`.
void startReceiptSale(Basket &sale, const char *paymentType, int32_t clerk);

// The settings every receipt test starts from: "$", the footer "Always happy
// to help!", tax 1 `taxOneName` at `taxOneRate` hundredths of a percent.
void useReceiptSettings(TillConfig &config, const char *taxOneName, int64_t taxOneRate);

// A shop's printed side without a data folder: the sample heading, the English
// words, "$", VAT at 17.50% and CITY at 2.50%, and transaction 7 of clerk 3,
// Ann, paid in cash, with no lines yet.
struct ReceiptShop {
    ReceiptShop();

    // A line at `price` including tax; a taxed line carries the 17.50% in tax 1.
    void addLine(int64_t item, const char *description, float price, bool taxed = false)
    {
        addReceiptLine(sale, item, description, price, taxed ? 1.175f : 0);
    }
    ReceiptData data() const
    {
        return ReceiptData { sale, tendered, change, config, heading, words, "Ann", logo };
    }

    Basket sale {};
    TillConfig config;
    StoreHeading heading;
    ReceiptWords words;
    double tendered = 20;
    double change = 0;
    std::string logo; // the logo file's bytes, none by default
};

// A BMP file header and the start of its info header, byte by byte: enough
// for a picture's size, nothing to draw.
std::string bitmapHeader(int32_t width, int32_t height);

} // namespace ovix::test
