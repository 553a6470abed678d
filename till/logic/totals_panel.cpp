#include "till/logic/totals_panel.h"

#include "platform/c_format.h"
#include "store/till_config.h"
#include "sales/logic/basket.h"

#include <cmath>

namespace ovix {

TotalsPanelText totalsPanelText(const Basket &basket, const TillConfig &config)
{
    TotalsPanelText text;
    if (config.get(cfg::tradePricesOn) == 2)
        text.captions.emplace_back("Trade sale");
    if (config.get(cfg::skuOneEntry) == 2)
        text.captions.emplace_back(kBarcodeModeMarker);
    const int lines = basket.lineCount;
    if (lines > 0)
        text.captions.push_back(cformat("%d", lines));
    text.captions.push_back(
        cformat("Transaction: %d", static_cast<int>(config.get(cfg::nextTransactionNumber))));
    if (lines <= 0)
        return text;

    auto amount = [&](BasketTotal which, std::string caption) {
        text.amounts.push_back(cformat("%.2f", static_cast<double>(basket.total(which))));
        text.amountCaptions.push_back(std::move(caption));
    };
    amount(BasketTotal::Taxable, "Taxable");
    amount(BasketTotal::NonTaxable, "Non-taxable");
    amount(BasketTotal::Subtotal, "Subtotal");
    amount(BasketTotal::TaxOne, config.text(cfg::taxOneName));
    amount(BasketTotal::TaxTwo, config.text(cfg::taxTwoName));
    const float discount = basket.total(BasketTotal::Discount);
    if (discount != 0) {
        text.amounts.push_back(cformat("(%.2f)", static_cast<double>(discount)));
        text.amountCaptions.emplace_back("Discount");
    }
    amount(BasketTotal::Total, "Total");
    const double rate = config.get(cfg::conversionRate);
    if (config.get(cfg::secondCurrencyOn) > 0 && std::isfinite(rate) && rate > 0) {
        const std::string symbol = config.text(cfg::secondCurrencySymbol);
        text.amounts.push_back(cformat("%s%.2f", symbol.c_str(),
            static_cast<double>(basket.total(BasketTotal::Total)) * rate));
        text.amountCaptions.emplace_back();
    }
    return text;
}

} // namespace ovix
