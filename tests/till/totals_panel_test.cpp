#include "store/till_config.h"
#include "sales/logic/basket.h"
#include "till/logic/totals_panel.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

using namespace ovix;

namespace {

using Texts = std::vector<std::string>;

struct Panel {
    TillConfig config;
    std::unique_ptr<Basket> basket = std::make_unique<Basket>();

    Panel()
    {
        config.set(cfg::nextTransactionNumber, 41);
    }
    void ringUp(float taxable, float nonTaxable, float taxOne, float total)
    {
        basket->lineCount = 2;
        basket->setTotal(BasketTotal::Taxable, taxable);
        basket->setTotal(BasketTotal::NonTaxable, nonTaxable);
        basket->setTotal(BasketTotal::Subtotal, taxable + nonTaxable);
        basket->setTotal(BasketTotal::TaxOne, taxOne);
        basket->setTotal(BasketTotal::Total, total);
    }
};

} // namespace

TEST(TotalsPanel, AnEmptyBasketShowsOnlyTheNextTransaction)
{
    Panel panel;
    TotalsPanelText text = totalsPanelText(*panel.basket, panel.config);
    EXPECT_EQ(text.captions, (Texts { "Transaction: 41" }));
    EXPECT_TRUE(text.amounts.empty());

    // Trade prices and barcode mode are shown even before a line.
    panel.config.set(cfg::tradePricesOn, 2);
    panel.config.set(cfg::skuOneEntry, 2);
    text = totalsPanelText(*panel.basket, panel.config);
    EXPECT_EQ(text.captions, (Texts { "Trade sale", kBarcodeModeMarker, "Transaction: 41" }));
    // Only the stored value 2 means on.
    panel.config.set(cfg::tradePricesOn, 1);
    panel.config.set(cfg::skuOneEntry, 1);
    text = totalsPanelText(*panel.basket, panel.config);
    EXPECT_EQ(text.captions, (Texts { "Transaction: 41" }));
}

TEST(TotalsPanel, AmountsInOrderWithTheDiscountAndTheSecondCurrencyOnlyWhenThere)
{
    Panel panel;
    panel.ringUp(10.0f, 2.5f, 2.0f, 14.5f);
    TotalsPanelText text = totalsPanelText(*panel.basket, panel.config);
    EXPECT_EQ(text.captions, (Texts { "2", "Transaction: 41" }));
    EXPECT_EQ(text.amounts, (Texts { "10.00", "2.50", "12.50", "2.00", "0.00", "14.50" }));

    panel.basket->setTotal(BasketTotal::Discount, 1.25f);
    panel.config.set(cfg::secondCurrencyOn, 2);
    panel.config.setText(cfg::secondCurrencySymbol, "EU");
    panel.config.set(cfg::conversionRate, 1.5);
    text = totalsPanelText(*panel.basket, panel.config);
    EXPECT_EQ(text.amounts,
        (Texts { "10.00", "2.50", "12.50", "2.00", "0.00", "(1.25)", "14.50", "EU21.75" }));
    panel.config.setText(cfg::taxOneName, "VAT");
    panel.config.setText(cfg::taxTwoName, "LEVY");
    EXPECT_EQ(totalsPanelText(*panel.basket, panel.config).amountCaptions,
        (Texts { "Taxable", "Non-taxable", "Subtotal", "VAT", "LEVY", "Discount", "Total", "" }));

    // A rate of 0 or a flag that is off shows no second currency.
    panel.config.set(cfg::conversionRate, 0.0);
    EXPECT_EQ(totalsPanelText(*panel.basket, panel.config).amounts.size(), 7u);
    panel.config.set(cfg::conversionRate, 1.5);
    panel.config.set(cfg::secondCurrencyOn, 0);
    EXPECT_EQ(totalsPanelText(*panel.basket, panel.config).amounts.size(), 7u);
}
