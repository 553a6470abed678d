#include "sales/logic/item_entry.h"

#include "platform/c_format.h"
#include "platform/cp1252.h"
#include "platform/messages.h"
#include "platform/sounds.h"
#include "store/customer_record.h"
#include "store/fixed_text.h"
#include "store/item_record.h"
#include "sales/logic/abandon_sale.h"
#include "sales/logic/basket_view.h"
#include "platform/leading_number.h"
#include "sales/logic/saved_basket.h"
#include "sales/logic/shrinkage_log.h"
#include "sales/logic/tax_rounding.h"
#include "sales/logic/till_state.h"

#include <cinttypes>
#include <cmath>
#include <cstring>

namespace ovix {

namespace {

constexpr int32_t kBundleKind = 2;
constexpr int kComponentSlots = 6;

// Takes what a record read would have said, so that the barcode look-up can
// tell a missing film.dat (passed on) from a record it could not read.
class ReadFailure : public Messages {
public:
    bool fatal = false;
    std::string text;

    void show(std::string_view shown, std::string_view, MessageKind kind) override
    {
        if (kind == MessageKind::Error)
            fatal = true;
        if (text.empty() || kind == MessageKind::Error)
            text = std::string(shown);
    }
    bool confirm(std::string_view, std::string_view, MessageKind) override
    {
        return false;
    }
    Answer ask(std::string_view, std::string_view, bool, Answer) override
    {
        return Answer::Cancel;
    }
    std::optional<std::string> askText(
        std::string_view, std::string_view, std::string_view) override
    {
        return std::nullopt;
    }
    void beep() override
    {
    }
};

// Tax code of a line whose tax boxes are ticked as given.
int taxCodeOf(bool taxOne, bool taxTwo)
{
    if (taxOne && taxTwo)
        return 1;
    if (taxOne)
        return 2;
    if (taxTwo)
        return 3;
    return 0;
}

// A tax at `rate` hundredths of a percent, worked out in single precision as
// the stored amounts are.
float taxAt(float amount, int64_t rate)
{
    return amount * static_cast<float>(rate) / 10000.0f;
}

} // namespace

ItemEntry::ItemEntry(
    TillState &state, Basket &basket, Basket &savedBasket, BasketView &view, Messages &messages)
    : state_(state)
    , basket_(basket)
    , savedBasket_(savedBasket)
    , view_(view)
    , messages_(messages)
{
}

bool ItemEntry::barcodeMode() const
{
    return state_.config.get(cfg::skuOneEntry) == 2;
}

bool ItemEntry::findsBySku() const
{
    return state_.config.get(cfg::skuOneEntry) != 0;
}

ItemBoxOutcome ItemEntry::itemBoxEntered(std::string_view boxText)
{
    if (boxText.starts_with('\n') || boxText.starts_with("\r\n")) {
        view_.clearItemBox();
        return ItemBoxOutcome::OpenFind;
    }
    if (!boxText.ends_with('\n'))
        return ItemBoxOutcome::NotEntered;
    view_.clearItemBox();
    std::string_view text = boxText.substr(0, boxText.size() - 1);
    if (text.ends_with('\r'))
        text.remove_suffix(1);
    std::string entry(text.substr(0, kItemBoxWidth));
    if (barcodeMode())
        entry = toUpperCp1252(entry);
    addItem(0, entry, AddMode::Normal);
    return ItemBoxOutcome::Entered;
}

bool ItemEntry::addItem(int64_t number, std::string_view boxText, AddMode mode)
{
    return addOne(number, boxText, mode, false) == Outcome::Added;
}

bool ItemEntry::refuseWhenFull()
{
    if (basket_.lineCount < kBasketLineCapacity)
        return false;
    reportProblem(messages_, "Transaction limit 400 items");
    return true;
}

bool ItemEntry::findItem(int64_t number, std::string_view boxText, ItemRecord &record)
{
    const ItemIndex &items = state_.items;
    if (number != 0 || !barcodeMode()) {
        if (number == 0) {
            const LeadingNumber parsed = parseLeadingNumber(boxText);
            if (parsed.outOfRange || parsed.value < 0) {
                reportProblem(messages_, toUtf8(boxText), "Invalid entry");
                return false;
            }
            number = parsed.value;
        }
        const std::optional<int64_t> slot = items.slotOf(number);
        if (!slot) {
            reportProblem(messages_, cformat("%" PRId64, number), "Invalid entry");
            return false;
        }
        if (!items.readRecord(*slot, record, messages_))
            return false;
        if (record.number != number) {
            // film.dat no longer holds what the index says: sell nothing.
            reportProblem(messages_, cformat("%" PRId64, number), "Invalid entry");
            return false;
        }
        return true;
    }
    // An empty barcode names no item, even one whose SKU 1 is empty.
    const std::optional<int64_t> slot = boxText.empty() ? std::nullopt : items.findBySku1(boxText);
    if (!slot) {
        reportProblem(messages_, toUtf8(boxText), "Invalid entry");
        return false;
    }
    ReadFailure failure;
    if (!items.readRecord(*slot, record, failure)) {
        if (failure.fatal)
            reportFatal(messages_, failure.text);
        else
            reportProblem(messages_, "Film.dat");
        return false;
    }
    if (record.number <= 0) {
        reportProblem(messages_, toUtf8(boxText), "Invalid entry");
        return false;
    }
    return true;
}

bool ItemEntry::priceOf(const ItemRecord &record, AddMode mode, float &price)
{
    const TillConfig &config = state_.config;
    price = record.retail_price;
    if (config.get(cfg::tradePricesOn) == 2) {
        if (config.get(cfg::percentageTradeDiscount) != 0) {
            const float percentage = config.get(cfg::tradeDiscount);
            if (percentage != 0) {
                const float retail = price;
                price = static_cast<float>(roundMoney(retail - retail * percentage / 100.0f));
            }
        } else {
            const float trade = record.trade_price;
            if (!(trade > 0)) {
                reportProblem(messages_, "Trade price option active, no trade price");
                return false;
            }
            price = trade;
        }
    }
    // Two different reasons for no charge, kept apart.
    if (mode == AddMode::Free) { // NOLINT(bugprone-branch-clone)
        price = 0;
    } else if (record.buy_one_get_one_free != 0
        && nextUnitIsFreeUnderBuyOneGetOne(basket_, record.number)) {
        price = 0; // one free for each charged unit
    }
    return true;
}

bool ItemEntry::withinLimit(double price)
{
    // Compared in whole cents: a total of exactly 99999.99 is allowed even
    // though its float is a shade above the decimal value.
    const double total = basket_.total(BasketTotal::Total);
    if (std::isfinite(total + price) && std::fabs(total + price) < 1e9
        && moneyCents(total) + moneyCents(price) <= moneyCents(kTransactionLimit))
        return true;
    reportProblem(messages_, "Transaction limit 100000.00");
    return false;
}

LineAmounts ItemEntry::lineAmounts(float price, int taxCode, bool noTaxRounding) const
{
    LineAmounts amounts;
    if (price == 0)
        return amounts;
    if (taxCode == 0) {
        amounts.nonTaxable = price;
        amounts.total = price;
        return amounts;
    }
    const TillConfig &config = state_.config;
    float taxOne = 0;
    const int64_t rateOne = config.get(cfg::taxOneRate);
    if (config.get(cfg::taxOneActive) != 0 && rateOne > 0 && taxCode != 3) {
        const bool threshold = config.get(cfg::taxThresholdOn) == 2;
        // Compared in whole cents: the float taxable total and the double
        // threshold of the same amount must count as equal.
        const int64_t limit = moneyCents(config.get(cfg::taxThreshold));
        const float taxableBefore = basket_.total(BasketTotal::Taxable);
        const int64_t before = moneyCents(taxableBefore);
        const int64_t reached = before + moneyCents(price);
        float tax = taxAt(price, rateOne);
        if (threshold && reached > limit && before < limit) {
            // Passing the threshold taxes the whole taxable amount at once.
            tax = taxAt(price + taxableBefore, rateOne);
        }
        taxOne = static_cast<float>(roundTaxAmount(tax, noTaxRounding));
        if (threshold && reached <= limit)
            taxOne = 0;
    }
    float taxTwo = 0;
    const int64_t rateTwo = config.get(cfg::taxTwoRate);
    if (config.get(cfg::taxTwoActive) != 0 && rateTwo > 0 && taxCode != 2) {
        const float base = config.get(cfg::taxTwoCompound) != 0 ? price + taxOne : price;
        taxTwo = static_cast<float>(roundTaxAmount(taxAt(base, rateTwo), noTaxRounding));
    }
    amounts.taxable = price;
    amounts.taxOne = taxOne;
    amounts.taxTwo = taxTwo;
    amounts.total = price + taxOne + taxTwo;
    return amounts;
}

void ItemEntry::addLineToTotals(const LineAmounts &amounts, float price, float cost)
{
    if (price != 0) {
        if (amounts.taxable != 0) {
            addToRunningTotal(basket_, BasketTotal::TaxOne, amounts.taxOne);
            addToRunningTotal(basket_, BasketTotal::Taxable, amounts.taxable);
            addToRunningTotal(basket_, BasketTotal::TaxTwo, amounts.taxTwo);
        } else {
            addToRunningTotal(basket_, BasketTotal::NonTaxable, amounts.nonTaxable);
        }
        addToRunningTotal(basket_, BasketTotal::Total, amounts.total);
    }
    basket_.setTotal(BasketTotal::Cost, basket_.total(BasketTotal::Cost) + cost);
    addToRunningTotal(basket_, BasketTotal::Subtotal, price);
}

std::string ItemEntry::listText(int line, int quantity) const
{
    const std::string description = lineDescriptionText(basket_, line);
    const double total = basket_.lineTotal[line];
    if (state_.config.get(cfg::cartDescriptionOnly) != 0)
        return cformat("%s (%d)  %.2f", description.c_str(), quantity, total);
    return cformat("%" PRId64 "  %s (%d)  %.2f", basket_.lineItemNumber[line], description.c_str(),
        quantity, total);
}

ItemEntry::Outcome ItemEntry::addOne(
    int64_t number, std::string_view boxText, AddMode mode, bool inBundle)
{
    if (refuseWhenFull())
        return Outcome::BasketFull;
    ItemRecord record {};
    if (!findItem(number, boxText, record))
        return Outcome::Refused;
    if (record.record_kind == kBundleKind) {
        // A bundle inside a bundle is skipped: it could name itself.
        if (inBundle)
            return Outcome::NestedBundle;
        return addBundle(record) ? Outcome::Added : Outcome::Refused;
    }
    const int64_t itemNumber = record.number;
    const int32_t quantity = record.quantity;
    if (state_.config.get(cfg::permitShortStock) == 0
        && (quantity <= 0 || quantity < countLinesOf(basket_, itemNumber) + 1)) {
        reportProblem(messages_, "Item out of stock");
        return Outcome::Refused;
    }
    float price = 0;
    if (!priceOf(record, mode, price))
        return Outcome::Refused;
    if (!withinLimit(price))
        return Outcome::Refused;

    const int line = basket_.lineCount;
    const LineAmounts amounts = lineAmounts(price, record.tax, record.no_tax_rounding != 0);
    BasketLine added;
    added.itemNumber = itemNumber;
    added.description = readText(record.description);
    added.nonTaxable = amounts.nonTaxable;
    added.taxable = amounts.taxable;
    added.taxOne = amounts.taxOne;
    added.taxTwo = amounts.taxTwo;
    const float cost = record.cost_price;
    added.cost = std::isfinite(cost) ? cost : 0.0f; // a damaged record spoils no total
    added.total = amounts.total;
    setBasketLine(basket_, line, added);
    addLineToTotals(amounts, price, added.cost);
    view_.lineAdded(listText(line, quantity));
    basket_.lineCount = line + 1;

    const bool repeating = mode == AddMode::Repeat;
    redrawTotals(!repeating);
    if (state_.config.get(cfg::poleInUse) != 0 && !repeating)
        view_.poleShowItem(lineDescriptionText(basket_, line), basket_.lineTotal[line]);
    const int32_t age = record.age_warning;
    if (age > 1 && !repeating)
        messages_.show(cformat("%d", age), "Age alert", MessageKind::Warning);
    return Outcome::Added;
}

bool ItemEntry::addBundle(const ItemRecord &bundle)
{
    const std::string components[kComponentSlots] = {
        readText(bundle.format),
        readText(bundle.component_2),
        readText(bundle.component_3),
        readText(bundle.component_4),
        readText(bundle.component_5),
        readText(bundle.component_6),
    };
    bool added = false;
    for (int i = 0; i < kComponentSlots; ++i) {
        if (components[i].empty())
            continue;
        const LeadingNumber parsed = parseLeadingNumber(components[i]);
        if (parsed.outOfRange || parsed.value < 1 || parsed.value > kMaxRecordNumber)
            continue;
        const int32_t units = bundle.component_quantity[i];
        const AddMode mode = bundle.component_free[i] != 0 ? AddMode::Free : AddMode::Normal;
        for (int32_t unit = 0; unit < units; ++unit) {
            const Outcome outcome = addOne(parsed.value, {}, mode, true);
            if (outcome == Outcome::BasketFull)
                return added;
            if (outcome != Outcome::Added)
                break;
            added = true;
        }
    }
    return added;
}

bool ItemEntry::voidLine(int highlighted)
{
    const int lines = basket_.lineCount;
    if (lines <= 0) {
        reportProblem(messages_, "No items");
        return false;
    }
    if (highlighted < 0 || highlighted >= lines || lines > kBasketLineCapacity) {
        messages_.beep(); // nothing highlighted: nothing to void
        return false;
    }
    const std::string logBlock = voidedLineLogBlock(state_, basketLine(basket_, highlighted));
    removeBasketLine(basket_, highlighted);
    view_.lineRemoved(highlighted);
    redrawTotals(false);
    if (state_.config.get(cfg::soundOff) == 0)
        view_.playSound(kVoidSound);
    appendShrinkageBlock(state_, logBlock, messages_);
    return true;
}

int ItemEntry::repeatLast(std::string_view quantityText)
{
    const int lines = basket_.lineCount;
    if (lines <= 0) {
        reportProblem(messages_, "No items");
        return 0;
    }
    const int64_t itemNumber = basket_.lineItemNumber[lines - 1];
    if (itemNumber == 0) {
        reportProblem(messages_, "Non inventory item");
        return 0;
    }
    const LeadingNumber parsed = parseLeadingNumber(quantityText);
    const int64_t times = parsed.value == 0 ? 1 : parsed.value;
    if (parsed.outOfRange || kBasketLineCapacity - lines < times) {
        reportProblem(messages_, "Transaction limit 400 items");
        return 0;
    }
    int added = 0;
    for (int64_t i = 0; i < times; ++i) {
        // Once a unit is refused every further one would be refused the same
        // way, with the same message.
        if (addOne(itemNumber, {}, AddMode::Repeat, false) != Outcome::Added)
            break;
        ++added;
    }
    view_.clearItemBox();
    return added;
}

void ItemEntry::emptyBasket()
{
    if (basket_.lineCount <= 0)
        return;
    const std::string logBlock = emptiedBasketLogBlock(state_, basket_);
    view_.listCleared();
    clearBasket(basket_);
    redrawTotals(false);
    if (state_.config.get(cfg::soundOff) == 0)
        view_.playSound(kVoidSound);
    appendShrinkageBlock(state_, logBlock, messages_);
}

bool ItemEntry::saveBasket()
{
    if (basket_.lineCount <= 0) {
        reportProblem(messages_, "No items", "Save basket");
        return false;
    }
    std::memcpy(static_cast<void *>(&savedBasket_), &basket_, sizeof basket_);
    std::string error;
    if (!storeSavedBasket(state_.dir, savedBasket_, &error)) {
        reportProblem(messages_,
            std::string("Saved, but only until the till is closed: ") + kSavedBasketName
                + " cannot be written (" + error + ").",
            "Basket");
        return true;
    }
    reportInfo(messages_, "Saved", "Basket");
    return true;
}

bool ItemEntry::parkBasket(std::string *error)
{
    if (basket_.lineCount <= 0)
        return true;
    std::memcpy(static_cast<void *>(&savedBasket_), &basket_, sizeof basket_);
    return storeSavedBasket(state_.dir, savedBasket_, error);
}

bool ItemEntry::reloadBasket()
{
    if (savedBasket_.lineCount <= 0 || savedBasket_.lineCount > kBasketLineCapacity) {
        reportProblem(messages_, "No items", "Reload basket");
        return false;
    }
    if (!mayAbandonSale(basket_, messages_))
        return false;
    emptyBasket();
    std::memcpy(static_cast<void *>(&basket_), &savedBasket_, sizeof basket_);
    const bool hideNumbers = state_.config.get(cfg::cartDescriptionOnly) != 0;
    for (int line = 0; line < basket_.lineCount; ++line) {
        const std::string description = lineDescriptionText(basket_, line);
        const double total = basket_.lineTotal[line];
        const int64_t number = basket_.lineItemNumber[line];
        if (hideNumbers)
            view_.lineAdded(cformat("%s  %.2f", description.c_str(), total));
        else
            view_.lineAdded(cformat("%" PRId64 "  %s  %.2f", number, description.c_str(), total));
    }
    redrawTotals();
    return true;
}

LineAmounts ItemEntry::nonInventoryAmounts(double price, bool taxOne, bool taxTwo) const
{
    if (!std::isfinite(price))
        return {};
    return lineAmounts(static_cast<float>(roundMoney(price)), taxCodeOf(taxOne, taxTwo), false);
}

bool ItemEntry::addNonInventoryLine(
    std::string_view description, double price, bool taxOne, bool taxTwo)
{
    if (!std::isfinite(price) || price < 0) {
        reportProblem(messages_, "Invalid price");
        return false;
    }
    if (refuseWhenFull())
        return false;
    const auto rounded = static_cast<float>(roundMoney(price));
    if (!withinLimit(rounded))
        return false;
    const LineAmounts amounts = nonInventoryAmounts(rounded, taxOne, taxTwo);
    const int line = basket_.lineCount;
    BasketLine added;
    added.itemNumber = 0;
    added.description = std::string(description);
    added.nonTaxable = amounts.nonTaxable;
    added.taxable = amounts.taxable;
    added.taxOne = amounts.taxOne;
    added.taxTwo = amounts.taxTwo;
    added.total = amounts.total;
    setBasketLine(basket_, line, added);
    addLineToTotals(amounts, rounded, 0);
    const double total = basket_.lineTotal[line];
    view_.lineAdded(cformat("%s  %.2f", lineDescriptionText(basket_, line).c_str(), total));
    basket_.lineCount = line + 1;
    redrawTotals();
    if (state_.config.get(cfg::poleInUse) != 0)
        view_.poleShowItem(lineDescriptionText(basket_, line), total);
    return true;
}

bool ItemEntry::associateCustomer(int64_t number)
{
    const std::optional<int64_t> slot = state_.customers.slotOf(number);
    if (!slot)
        return false;
    CustomerRecord customer {};
    if (!state_.customers.readRecord(*slot, customer, messages_))
        return false;
    associateCustomer(customer);
    return true;
}

void ItemEntry::associateCustomer(const CustomerRecord &customer)
{
    setBasketCustomer(basket_, customer);
    reportInfo(messages_, toUtf8(readText(basket_.customerName)), "Customer associated");
}

void ItemEntry::setTransactionNote(std::string_view note)
{
    writeText(basket_.transactionNote, note.substr(0, kTransactionNoteWidth));
    reportInfo(messages_, "Added", "Transaction note");
}

void ItemEntry::toggleTradePrices()
{
    TillConfig &config = state_.config;
    config.set(cfg::tradePricesOn, config.get(cfg::tradePricesOn) == 2 ? 0 : 2);
    redrawTotals();
}

void ItemEntry::saleCompleted()
{
    view_.listCleared();
    redrawTotals(true);
}

void ItemEntry::redrawTotals(bool addSound)
{
    view_.totalsChanged();
    if (state_.config.get(cfg::poleInUse) != 0)
        view_.poleShowPassive();
    if (state_.config.get(cfg::soundOff) == 0 && addSound)
        view_.playSound(kAddSound);
}

} // namespace ovix
