#include "sales/logic/transaction_discount.h"

#include "platform/c_format.h"
#include "platform/messages.h"
#include "sales/logic/cents_entry.h"
#include "sales/logic/item_entry.h"
#include "sales/logic/till_state.h"

#include <algorithm>
#include <cinttypes>

namespace ovix {

namespace {

constexpr int kPercentageStep = 50; // 0.50 %
constexpr int kHighestPercentage = 8000; // 80.00 %
// Amounts beyond this many cents are taken as damaged and go no further.
constexpr int64_t kLargestCents = 1000000000000;

int64_t cents(const Basket &basket, BasketTotal which)
{
    return moneyCents(basket.total(which));
}

void setCents(Basket &basket, BasketTotal which, int64_t value)
{
    basket.setTotal(which, static_cast<float>(static_cast<double>(value) / 100.0));
}

int64_t bounded(int64_t value)
{
    return std::clamp(value, -kLargestCents, kLargestCents);
}

// numerator / denominator rounded half away from zero; the denominator is
// positive.
int64_t roundedQuotient(int64_t numerator, int64_t denominator)
{
    const int64_t half = denominator / 2;
    return numerator >= 0 ? (numerator + half) / denominator : (numerator - half) / denominator;
}

// `part` of `whole` × `amount`, rounded to cents; 0 when there is no whole.
int64_t share(int64_t amount, int64_t part, int64_t whole)
{
    if (whole <= 0)
        return 0;
    return roundedQuotient(bounded(amount) * bounded(part), bounded(whole));
}

} // namespace

std::vector<int> discountPercentages()
{
    std::vector<int> list;
    for (int hundredths = 0; hundredths <= kHighestPercentage; hundredths += kPercentageStep)
        list.push_back(hundredths);
    return list;
}

std::string percentageText(int hundredths)
{
    return cformat("%d.%02d", hundredths / 100, hundredths % 100);
}

int64_t percentOfCents(int64_t amount, int hundredths)
{
    return bounded(amount) * hundredths / 10000;
}

void applyDiscountBeforeTax(Basket &basket, const TillConfig &config, int64_t amount)
{
    const int64_t nonTaxable = cents(basket, BasketTotal::NonTaxable);
    const int64_t taxable = cents(basket, BasketTotal::Taxable);
    const int64_t subtotal = cents(basket, BasketTotal::Subtotal);
    const int64_t taxOne = cents(basket, BasketTotal::TaxOne);
    const int64_t taxTwo = cents(basket, BasketTotal::TaxTwo);

    setCents(basket, BasketTotal::Discount, cents(basket, BasketTotal::Discount) + amount);
    setCents(basket, BasketTotal::Subtotal, subtotal - amount);
    if (taxable == 0) {
        setCents(basket, BasketTotal::NonTaxable, nonTaxable - amount);
        setCents(basket, BasketTotal::Total, cents(basket, BasketTotal::Total) - amount);
        return;
    }
    int64_t newTaxable = taxable - amount;
    if (nonTaxable != 0) {
        const int64_t newNonTaxable = nonTaxable - share(amount, nonTaxable, subtotal);
        newTaxable = taxable - (amount - (nonTaxable - newNonTaxable));
        setCents(basket, BasketTotal::NonTaxable, newNonTaxable);
    }
    setCents(basket, BasketTotal::Taxable, newTaxable);
    int64_t newTaxOne = taxOne;
    if (taxOne > 0) {
        const bool belowThreshold = config.get(cfg::taxThresholdOn) == 2
            && newTaxable <= moneyCents(config.get(cfg::taxThreshold));
        newTaxOne = belowThreshold ? 0 : share(newTaxable, taxOne, taxable);
    }
    int64_t newTaxTwo = taxTwo;
    if (taxTwo > 0)
        newTaxTwo = share(newTaxable, taxTwo, taxable);
    setCents(basket, BasketTotal::TaxOne, newTaxOne);
    setCents(basket, BasketTotal::TaxTwo, newTaxTwo);
    setCents(basket, BasketTotal::Total, subtotal - amount + newTaxOne + newTaxTwo);
}

TransactionDiscount::TransactionDiscount(TillState &state, Basket &basket, Messages &messages)
    : state_(state)
    , basket_(basket)
    , messages_(messages)
    , afterTax_(state.config.get(cfg::discountOnTotal) != 0)
    , undiscountedTotal_(cents(basket, BasketTotal::Total) + cents(basket, BasketTotal::Discount))
    , subtotal_(cents(basket, BasketTotal::Subtotal))
{
}

int64_t TransactionDiscount::baseCents() const
{
    if (afterTax_)
        return undiscountedTotal_;
    return cents(basket_, BasketTotal::NonTaxable) + cents(basket_, BasketTotal::Taxable);
}

int TransactionDiscount::presetPercentage() const
{
    const int rate = state_.config.get(cfg::discountButtonRate);
    if (afterTax_ || rate <= 0 || rate * 100 > kHighestPercentage)
        return 0;
    return rate * 100;
}

std::string TransactionDiscount::amountText(int hundredths) const
{
    return cformat("%" PRId64, percentOfCents(baseCents(), hundredths));
}

std::string TransactionDiscount::amendedTotal(std::string_view typed) const
{
    const int64_t amount = centsEntryCents(typed).value_or(0);
    const int64_t from = afterTax_ ? undiscountedTotal_ : subtotal_;
    if (amount <= 0 || amount >= from)
        return {};
    return centsText(from - amount);
}

bool TransactionDiscount::ok(std::string_view typed, ItemEntry &entry)
{
    const int64_t amount = centsEntryCents(typed).value_or(0);
    if (amount > baseCents()) {
        reportProblem(messages_, "Invalid discount");
        return false;
    }
    if (afterTax_) {
        setCents(basket_, BasketTotal::Discount, amount);
        setCents(basket_, BasketTotal::Total, undiscountedTotal_ - amount);
    } else if (amount > 0) {
        applyDiscountBeforeTax(basket_, state_.config, amount);
    }
    entry.redrawTotals();
    return true;
}

} // namespace ovix
