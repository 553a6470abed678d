#include "print/logic/label_job.h"

#include "platform/c_format.h"
#include "platform/leading_number.h"
#include "platform/messages.h"
#include "sales/logic/tax_rounding.h"
#include "store/fixed_text.h"
#include "store/shop.h"

#include <cmath>
#include <functional>

namespace ovix {

namespace {

// A typed setting within [low, high], else `standIn`.
int settingOr(const std::string &text, int low, int high, int standIn)
{
    const LeadingNumber typed = parseLeadingNumber(text);
    if (typed.outOfRange || typed.value < low || typed.value > high)
        return standIn;
    return static_cast<int>(typed.value);
}

// A tax on `amount` at `rate` hundredths of a percent, rounded as a sale's line.
int64_t taxCents(float amount, int64_t rate, bool noTaxRounding)
{
    const float tax = amount * static_cast<float>(rate) / 10000.0f;
    return moneyCents(roundTaxAmount(tax, noTaxRounding));
}

template <typename Record>
bool readRange(const RecordFile<Record> &file, int64_t low, int64_t high, Messages &messages,
    const std::function<void(int64_t number, const Record &record)> &take)
{
    const auto range = file.walkRange(low, high, messages);
    if (!range)
        return false;
    for (size_t position = range->first; position < range->last; ++position) {
        const IndexEntry entry = file.index()[position];
        Record record {};
        if (!file.readRecord(entry.slot, record, messages))
            return false;
        take(entry.number, record);
    }
    return true;
}

} // namespace

LabelSheetSize defaultSheetSize(LabelFormat format)
{
    switch (format) {
    case LabelFormat::TwoColumn:
        return { 3380, 16 };
    case LabelFormat::ThreeColumn:
        return { 1690, 48 };
    case LabelFormat::VideoSpine:
        break;
    }
    return { 1690, 16 };
}

int defaultElementWidth(LabelSymbology symbology)
{
    return symbology == LabelSymbology::Ean13 ? 50 : 40;
}

LabelEntryCheck readLabelEntry(const LabelEntry &entry, LabelJob &job, Messages &messages)
{
    const LeadingNumber start = parseLeadingNumber(entry.start);
    const LeadingNumber finish = parseLeadingNumber(entry.finish);
    if (start.value > kLabelRangeLimit || finish.value > kLabelRangeLimit) {
        reportProblem(messages, "Range limit 100000000000000000");
        return LabelEntryCheck::OutsideLimit;
    }
    // A negative number has no barcode: its bars would be drawn from a minus sign.
    const bool repeat = entry.source == LabelSource::RepeatItem;
    const bool invalid = repeat ? start.value <= 0
                                : start.value < 0 || finish.value < 0 || finish.value < start.value;
    if (invalid) {
        reportProblem(messages, "Invalid range");
        return LabelEntryCheck::Refused;
    }
    LabelJob read;
    read.start = start.value;
    read.finish = finish.value;
    read.source = entry.source;
    const LeadingNumber quantity = parseLeadingNumber(entry.quantity);
    read.quantity = quantity.outOfRange || quantity.value < 0 ? 0 : quantity.value;
    const bool tooMany = repeat ? read.quantity > kMostLabelsInOnePrint
        : entry.source == LabelSource::AllValues
        && read.finish - read.start >= kMostLabelsInOnePrint;
    if (tooMany) {
        reportProblem(messages,
            cformat("At most %lld labels can be printed at once.",
                static_cast<long long>(kMostLabelsInOnePrint)));
        return LabelEntryCheck::Refused;
    }
    read.format = entry.format;
    read.originX = settingOr(entry.originX, 1, 20000, 3600);
    read.originY = settingOr(entry.originY, 1, 20000, 400);
    read.labelHeight = settingOr(entry.labelHeight, 1, 20000, 1690);
    read.labelsPerSheet = settingOr(entry.labelsPerSheet, 1, 200, 16);
    read.fromCentre = settingOr(entry.fromCentre, 1, 20000, 4800);
    read.symbology = entry.symbology;
    read.elementWidth = settingOr(entry.elementWidth, 1, 200, 200);
    read.includePrice = entry.includePrice;
    read.priceWithTax = entry.priceWithTax;
    read.includeStore = entry.includeStore;
    read.priceBelowText = entry.priceBelowText;
    read.textSize = entry.textSize >= 10 && entry.textSize <= 200 ? entry.textSize : 0;
    job = read;
    return LabelEntryCheck::Accepted;
}

int64_t labelPriceCents(const ItemRecord &item, const TillConfig &config, bool withTax)
{
    const float price = std::isfinite(item.retail_price) ? item.retail_price : 0.0f;
    int64_t cents = moneyCents(price);
    if (!withTax || item.tax == 0)
        return cents;
    const bool noRounding = item.no_tax_rounding != 0;
    int64_t taxOne = 0;
    const int64_t rateOne = config.get(cfg::taxOneRate);
    if (config.get(cfg::taxOneActive) != 0 && rateOne > 0 && item.tax != 3)
        taxOne = taxCents(price, rateOne, noRounding);
    int64_t taxTwo = 0;
    const int64_t rateTwo = config.get(cfg::taxTwoRate);
    if (config.get(cfg::taxTwoActive) != 0 && rateTwo > 0 && item.tax != 2) {
        const float base = config.get(cfg::taxTwoCompound) != 0
            ? price + static_cast<float>(taxOne) / 100.0f
            : price;
        taxTwo = taxCents(base, rateTwo, noRounding);
    }
    return cents + taxOne + taxTwo;
}

std::optional<std::vector<LabelValue>> selectLabelValues(
    const Shop &shop, const LabelJob &job, Messages &messages)
{
    std::vector<LabelValue> values;
    auto takeItem = [&](int64_t number, const ItemRecord &item) {
        values.push_back(LabelValue { number, readText(item.description),
            labelPriceCents(item, shop.config, job.priceWithTax) });
    };
    switch (job.source) {
    case LabelSource::Inventory:
        if (!readRange<ItemRecord>(shop.items, job.start, job.finish, messages, takeItem))
            return std::nullopt;
        break;
    case LabelSource::Customers:
        if (!readRange<CustomerRecord>(shop.customers, job.start, job.finish, messages,
                [&](int64_t number, const CustomerRecord &customer) {
                    values.push_back(LabelValue { number, readText(customer.name), 0 });
                }))
            return std::nullopt;
        break;
    case LabelSource::AllValues:
        for (int64_t number = job.start; number <= job.finish; ++number)
            values.push_back(LabelValue { number, {}, 0 });
        break;
    case LabelSource::RepeatItem:
        if (job.quantity <= 0)
            break;
        if (!readRange<ItemRecord>(shop.items, job.start, job.start, messages, takeItem))
            return std::nullopt;
        values.resize(static_cast<size_t>(job.quantity), values.front());
        break;
    }
    return values;
}

} // namespace ovix
