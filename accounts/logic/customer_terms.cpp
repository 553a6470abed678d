#include "accounts/logic/customer_terms.h"

#include "store/customer_record.h"
#include "store/till_config.h"

#include <algorithm>

namespace ovix {

namespace {

constexpr std::array<const char *, kCustomerBands> kPeriodTexts = { "No credit, ", "10 days, ",
    "20 days, ", "30 days, ", "60 days, ", "90 days, ", "120 days, ", "180 days, " };
constexpr std::array<const char *, kCustomerBands> kDiscountTexts = { "Nett", "2% disc",
    "5% disc", "10% disc", "20% disc", "30% disc", "40% disc", "50% disc" };

size_t codeIndex(int code)
{
    return code >= 1 && code <= kCustomerBands ? static_cast<size_t>(code - 1) : 0;
}

} // namespace

int customerBand(const CustomerRecord &customer)
{
    const int32_t terms = customer.terms;
    return std::clamp<int32_t>(terms, 1, kCustomerBands);
}

const char *periodText(int periodCode)
{
    return kPeriodTexts[codeIndex(periodCode)];
}

const char *discountText(int discountCode)
{
    return kDiscountTexts[codeIndex(discountCode)];
}

std::string bandText(const TillConfig &config, int band)
{
    return std::string(periodText(bandPeriodCode(config, band)))
        + discountText(bandDiscountCode(config, band));
}

std::array<std::string, kCustomerBands> bandTexts(const TillConfig &config)
{
    std::array<std::string, kCustomerBands> texts;
    for (int band = 1; band <= kCustomerBands; ++band)
        texts[static_cast<size_t>(band - 1)] = bandText(config, band);
    return texts;
}

} // namespace ovix
