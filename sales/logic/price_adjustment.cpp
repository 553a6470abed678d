#include "sales/logic/price_adjustment.h"

#include "platform/c_format.h"
#include "platform/messages.h"
#include "sales/logic/basket_view.h"
#include "sales/logic/cents_entry.h"
#include "sales/logic/item_entry.h"
#include "sales/logic/tax_rounding.h"
#include "sales/logic/till_state.h"
#include "store/fixed_text.h"
#include "store/item_record.h"
#include "store/user_control.h"

#include <cinttypes>

namespace ovix {

namespace {

// Retail prices beyond this many cents are taken as damaged records.
constexpr int64_t kLargestRetailCents = 1000000000000;

// A tax at `rate` hundredths of a percent, worked out in single precision as
// a sale works it out, then rounded to cents.
int64_t taxCents(float amount, int64_t rate, bool noTaxRounding)
{
    const float tax = amount * static_cast<float>(rate) / 10000.0f;
    return moneyCents(roundTaxAmount(tax, noTaxRounding));
}

float amountOf(int64_t cents)
{
    return static_cast<float>(static_cast<double>(cents) / 100.0);
}

// The weight typed: digits only, at most kWeightWidth of them; nothing else.
std::optional<int64_t> typedWeight(std::string_view typed)
{
    const std::string digits = centsEntryDigits(typed);
    if (digits.empty() || digits.size() > static_cast<size_t>(kWeightWidth))
        return std::nullopt;
    return std::stoll(digits);
}

void addCents(Basket &basket, BasketTotal which, int64_t cents)
{
    basket.setTotal(which, amountOf(moneyCents(basket.total(which)) + cents));
}

} // namespace

LineCents lineCents(const Basket &basket, int line)
{
    LineCents values;
    if (line < 0 || line >= basket.lineCount || line >= kBasketLineCapacity)
        return values;
    values.nonTaxable = moneyCents(basket.lineNonTaxable[line]);
    values.taxable = moneyCents(basket.lineTaxable[line]);
    values.taxOne = moneyCents(basket.lineTaxOne[line]);
    values.taxTwo = moneyCents(basket.lineTaxTwo[line]);
    values.total = moneyCents(basket.lineTotal[line]);
    return values;
}

LineCents pricedLineCents(
    const TillConfig &config, int64_t priceCents, int taxCode, bool noTaxRounding)
{
    LineCents values;
    if (taxCode == 0) {
        values.nonTaxable = priceCents;
        values.total = priceCents;
        return values;
    }
    const float price = amountOf(priceCents);
    const int64_t rateOne = config.get(cfg::taxOneRate);
    if (config.get(cfg::taxOneActive) != 0 && rateOne > 0 && taxCode != 3)
        values.taxOne = taxCents(price, rateOne, noTaxRounding);
    const int64_t rateTwo = config.get(cfg::taxTwoRate);
    if (config.get(cfg::taxTwoActive) != 0 && rateTwo > 0 && taxCode != 2) {
        const float base
            = config.get(cfg::taxTwoCompound) != 0 ? price + amountOf(values.taxOne) : price;
        values.taxTwo = taxCents(base, rateTwo, noTaxRounding);
    }
    values.taxable = priceCents;
    values.total = priceCents + values.taxOne + values.taxTwo;
    return values;
}

std::optional<int64_t> weighedPriceCents(float retail, int64_t weight)
{
    if (weight < kLightestWeight || weight > kHeaviestWeight)
        return std::nullopt;
    const int64_t retailCents = moneyCents(retail);
    if (retailCents > kLargestRetailCents || retailCents < -kLargestRetailCents)
        return std::nullopt;
    const int64_t hundredths = retailCents * weight;
    return hundredths >= 0 ? (hundredths + 50) / 100 : (hundredths - 50) / 100;
}

void applyLineCents(Basket &basket, int line, const LineCents &values)
{
    if (line < 0 || line >= basket.lineCount || line >= kBasketLineCapacity)
        return;
    const LineCents old = lineCents(basket, line);
    addCents(basket, BasketTotal::NonTaxable, values.nonTaxable - old.nonTaxable);
    addCents(basket, BasketTotal::Taxable, values.taxable - old.taxable);
    addCents(basket, BasketTotal::Subtotal,
        values.nonTaxable - old.nonTaxable + values.taxable - old.taxable);
    addCents(basket, BasketTotal::TaxOne, values.taxOne - old.taxOne);
    addCents(basket, BasketTotal::TaxTwo, values.taxTwo - old.taxTwo);
    addCents(basket, BasketTotal::Total, values.total - old.total);
    basket.lineNonTaxable[line] = amountOf(values.nonTaxable);
    basket.lineTaxable[line] = amountOf(values.taxable);
    basket.lineTaxOne[line] = amountOf(values.taxOne);
    basket.lineTaxTwo[line] = amountOf(values.taxTwo);
    basket.lineTotal[line] = amountOf(values.total);
}

std::optional<LastLineItem> readLastLineItem(
    const TillState &state, const Basket &basket, Messages &messages)
{
    if (basket.lineCount <= 0 || basket.lineCount > kBasketLineCapacity) {
        reportProblem(messages, "No items");
        return std::nullopt;
    }
    LastLineItem item;
    item.line = basket.lineCount - 1;
    item.number = basket.lineItemNumber[item.line];
    if (item.number == 0) {
        reportProblem(messages, "Non inventory item");
        return std::nullopt;
    }
    const std::optional<int64_t> slot = state.items.slotOf(item.number);
    if (!slot) {
        reportProblem(messages, cformat("%" PRId64, item.number), "Invalid entry");
        return std::nullopt;
    }
    ItemRecord record {};
    if (!state.items.readRecord(*slot, record, messages))
        return std::nullopt;
    if (record.number != item.number) {
        reportProblem(messages, cformat("%" PRId64, item.number), "Invalid entry");
        return std::nullopt;
    }
    item.description = lineDescriptionText(basket, item.line);
    item.quantity = record.quantity;
    item.cost = record.cost_price;
    item.retail = record.retail_price;
    item.taxCode = record.tax;
    item.noTaxRounding = record.no_tax_rounding != 0;
    item.values = lineCents(basket, item.line);
    return item;
}

bool costPriceShown(const TillState &state)
{
    return !state.restricted() || !userControlSet(state.config, UserControlItem::HideCostPrice);
}

LineAdjustment::LineAdjustment(
    Kind kind, LastLineItem item, TillState &state, Basket &basket, Messages &messages)
    : kind_(kind)
    , item_(std::move(item))
    , state_(state)
    , basket_(basket)
    , messages_(messages)
    , boxes_(item_.values)
{
}

bool LineAdjustment::amountChanged(std::string_view typed)
{
    const std::optional<int64_t> cents = centsEntryCents(typed);
    if (!cents || *cents == 0)
        return true;
    if (*cents > kAdjustedPriceLimitCents) {
        boxes_ = item_.values;
        price_ = 0;
        reportProblem(messages_, "Invalid price, limit 20000.00");
        return false;
    }
    price_ = *cents;
    boxes_ = pricedLineCents(state_.config, price_, item_.taxCode, item_.noTaxRounding);
    return true;
}

void LineAdjustment::zero()
{
    price_ = 0;
    boxes_ = LineCents {};
}

std::string LineAdjustment::weightChanged(std::string_view typed)
{
    const std::optional<int64_t> weight = typedWeight(typed);
    const std::optional<int64_t> price
        = weight ? weighedPriceCents(item_.retail, *weight) : std::nullopt;
    if (!price) {
        price_ = 0;
        return {};
    }
    price_ = *price;
    if (price_ > 0) {
        const bool taxed = item_.values.nonTaxable == 0 && item_.taxCode != 0;
        boxes_ = pricedLineCents(
            state_.config, price_, taxed ? item_.taxCode : 0, item_.noTaxRounding);
    }
    return centsText(price_);
}

std::string LineAdjustment::listText() const
{
    const double total = basket_.lineTotal[item_.line];
    if (state_.config.get(cfg::cartDescriptionOnly) != 0)
        return cformat("%s (%d)  %.2f", item_.description.c_str(), item_.quantity, total);
    return cformat("%" PRId64 "  %s (%d)  %.2f", item_.number, item_.description.c_str(),
        item_.quantity, total);
}

bool LineAdjustment::ok(ItemEntry &entry, BasketView &view)
{
    if (price_ < 0) {
        reportProblem(messages_, "Invalid price");
        return false;
    }
    const int64_t total = moneyCents(basket_.total(BasketTotal::Total));
    const int64_t change = boxes_.total - lineCents(basket_, item_.line).total;
    if (moneyCents(basket_.total(BasketTotal::Discount)) > 0 && total + change < 0) {
        reportProblem(messages_, "Discount exceeds transaction");
        return false;
    }
    if (change > 0 && total + change > moneyCents(kTransactionLimit)) {
        reportProblem(messages_, "Transaction limit 100000.00");
        return false;
    }
    applyLineCents(basket_, item_.line, boxes_);
    view.lineRemoved(item_.line);
    view.lineAdded(listText());
    entry.redrawTotals();
    return true;
}

} // namespace ovix
