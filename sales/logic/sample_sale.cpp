#include "sales/logic/sample_sale.h"

#include "platform/clock.h"
#include "store/fixed_text.h"
#include "store/till_config.h"
#include "sales/logic/basket.h"
#include "sales/logic/complete_transaction.h"

#include <algorithm>
#include <cmath>

namespace ovix {

namespace {

float cents(double amount)
{
    return static_cast<float>(std::round(amount * 100.0) / 100.0);
}

} // namespace

SampleSale fillSampleSale(Basket &sale, const TillConfig &config, const LocalTime &now)
{
    clearBasket(sale);
    BasketLine plain;
    plain.itemNumber = 101;
    plain.description = "SAMPLE ITEM";
    plain.nonTaxable = 1.50f;
    plain.total = 1.50f;
    setBasketLine(sale, 0, plain);
    setBasketLine(sale, 1, plain);

    const double rate = std::max<double>(0.0, double(config.get(cfg::taxOneRate)) / 10000.0);
    BasketLine taxed;
    taxed.itemNumber = 102;
    taxed.description = "SAMPLE TAXED ITEM";
    taxed.total = 12.00f;
    taxed.taxable = cents(12.00 / (1.0 + rate));
    taxed.taxOne = cents(12.00 - taxed.taxable);
    setBasketLine(sale, 2, taxed);
    sale.lineCount = 3;

    const double total = 15.00;
    sale.setTotal(BasketTotal::NonTaxable, 3.00f);
    sale.setTotal(BasketTotal::Taxable, taxed.taxable);
    sale.setTotal(BasketTotal::Subtotal, cents(3.00 + taxed.taxable));
    sale.setTotal(BasketTotal::TaxOne, taxed.taxOne);
    sale.setTotal(BasketTotal::Total, float(total));
    sale.setTotal(BasketTotal::CashPart, float(total));

    sale.transactionNumber = 1234;
    sale.clerkNumber = currentClerkNumber(config);
    sale.customerNumber = 1;
    writeText(sale.customerName, "SAMPLE CUSTOMER");
    writeText(sale.customerAddress[0], "1 HIGH STREET");
    writeText(sale.customerAddress[1], "TOWN");
    writeText(sale.customerTelephone, "0123 456789");
    writeText(sale.paymentType, "Cash");
    writeText(sale.transactionNote, "Sample note");
    writeText(sale.timeText, transactionTimeText(now));
    writeText(sale.dateText, transactionDateText(now));
    return { 20.00, 20.00 - total };
}

} // namespace ovix
