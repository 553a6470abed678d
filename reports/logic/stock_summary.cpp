#include "reports/logic/stock_summary.h"

#include "platform/c_format.h"
#include "platform/data_dir.h"
#include "platform/messages.h"
#include "reports/logic/closeout.h"
#include "store/fixed_text.h"
#include "store/item_record.h"
#include "store/record_scan.h"

#include <algorithm>
#include <cinttypes>
#include <limits>

namespace ovix {

std::optional<StockSummary> summariseStock(const DataDir &dir, Messages &messages)
{
    StockSummary summary;
    const ScanResult scan = forEachRecord<ItemRecord>(dir.path(kItemFileName), {},
        [&summary](int64_t, const ItemRecord &item) {
            if (item.quantity <= 0)
                return;
            summary.items += item.quantity;
            summary.costCents += item.quantity * moneyCents(item.cost_price);
            summary.retailCents += item.quantity * moneyCents(item.retail_price);
        });
    if (scan.status == ScanResult::Status::NotOpened) {
        reportFatal(messages, "Data file film.dat, not present.");
        return std::nullopt;
    }
    return summary;
}

std::string stockMargin(const StockSummary &summary)
{
    if (summary.costCents <= 0 || summary.retailCents <= 0
        || summary.costCents == summary.retailCents)
        return "N/A";
    return cformat("%.2f%%",
        static_cast<double>(summary.retailCents - summary.costCents) * 100.0
            / static_cast<double>(summary.costCents));
}

std::vector<std::pair<std::string, std::string>> stockSummaryLines(const StockSummary &summary)
{
    const int64_t items = std::clamp<int64_t>(summary.items, std::numeric_limits<int>::min(),
        std::numeric_limits<int>::max());
    return {
        {"Value (cost)", centsText(summary.costCents)},
        {"Value (retail)", centsText(summary.retailCents)},
        {"Items", cformat("%d", static_cast<int>(items))},
        {"Margin", stockMargin(summary)},
    };
}

int64_t checkedPriceCents(float price)
{
    return price <= 0 ? 0 : moneyCents(price);
}

std::optional<std::vector<BelowCostItem>> itemsBelowCost(const ItemIndex &items,
    Messages &messages)
{
    std::vector<BelowCostItem> found;
    const ScanResult scan = items.forEachRecord([&found](int64_t, const ItemRecord &item) {
        if (checkedPriceCents(item.retail_price) >= checkedPriceCents(item.cost_price))
            return;
        found.push_back({item.number,
            cformat("%" PRId64 ", %s (%d) %.2f %.2f", item.number,
                readText(item.description).c_str(), item.quantity,
                static_cast<double>(item.cost_price), static_cast<double>(item.retail_price))});
    });
    if (!scan.complete()) {
        reportProblem(messages, "Film.dat");
        return std::nullopt;
    }
    std::stable_sort(found.begin(), found.end(),
        [](const BelowCostItem &a, const BelowCostItem &b) { return a.number < b.number; });
    return found;
}

} // namespace ovix
