#include "reports/logic/stock_lists.h"

#include "platform/c_format.h"
#include "platform/locale_text.h"
#include "platform/messages.h"
#include "print/logic/print_device.h"
#include "store/fixed_text.h"
#include "store/item_record.h"

#include <algorithm>
#include <cinttypes>
#include <unordered_map>

namespace ovix {

namespace {

constexpr int32_t kBundleKind = 2;

bool reorderList(StockListKind kind)
{
    return kind == StockListKind::Reorder || kind == StockListKind::ReorderByOrderCode;
}

const char *windowTitle(StockListKind kind)
{
    switch (kind) {
    case StockListKind::Reorder: return "Inventory reorder list";
    case StockListKind::ReorderByOrderCode:
        return "Order code, Item, Reorder level, In stock, On order, Order qty";
    case StockListKind::OutOfStock: return "Out of stock list";
    case StockListKind::SpecialOrders: return "Special order list";
    case StockListKind::SellByExpired: return "Sell by list";
    }
    return "";
}

std::optional<std::string> windowHeadingRow(StockListKind kind)
{
    if (kind == StockListKind::Reorder)
        return std::string("Reorder level, In stock, On order, Order qty, Code");
    if (kind == StockListKind::OutOfStock)
        return std::string("Item, Reorder level, On order, Order qty, Code");
    return std::nullopt;
}

// The printed heading's format: store name, date, page.
const char *pageHeading(StockListKind kind)
{
    switch (kind) {
    case StockListKind::Reorder:
    case StockListKind::ReorderByOrderCode: return "%s Reorder list: %s      Page: %d";
    case StockListKind::OutOfStock: return "%s  Out of stock list: %s      Page: %d";
    case StockListKind::SpecialOrders: return "%s  Special order list: %s      Page: %d";
    case StockListKind::SellByExpired: return "%s  Sell by list: %s      Page: %d";
    }
    return "";
}

const char *columnLine(StockListKind kind)
{
    switch (kind) {
    case StockListKind::Reorder:
        return "Item, Restock level, In stock, On order, Order quantity, Order code";
    case StockListKind::ReorderByOrderCode:
        return "Order code, Item, Restock level, In stock, On order, Order quantity";
    case StockListKind::OutOfStock: return "Item, Reorder level, On order, Order qty, Code";
    default: return nullptr;
    }
}

bool sellByExpired(const ItemRecord &item, const LocalTime &today)
{
    if (item.sell_by_day <= 0 || item.sell_by_month <= 0 || item.sell_by_year <= 0)
        return false;
    const int64_t year = 2011 + int64_t(item.sell_by_year);
    if (year != today.year)
        return year < today.year;
    if (item.sell_by_month != today.month)
        return item.sell_by_month < today.month;
    return item.sell_by_day < today.day;
}

} // namespace

bool onStockList(StockListKind kind, const ItemRecord &item, const LocalTime &today)
{
    const bool bundle = item.record_kind == kBundleKind;
    switch (kind) {
    case StockListKind::Reorder:
    case StockListKind::ReorderByOrderCode: return !bundle && item.reorder_quantity >= item.quantity;
    case StockListKind::OutOfStock: return !bundle && item.quantity <= 0;
    case StockListKind::SpecialOrders: return item.special_order > 0;
    case StockListKind::SellByExpired: return sellByExpired(item, today);
    }
    return false;
}

std::string stockListLine(StockListKind kind, const ItemRecord &item)
{
    const std::string description = readText(item.description);
    const std::string code = readText(item.order_code);
    switch (kind) {
    case StockListKind::Reorder:
        return cformat("%" PRId64 ", %s, %d,%d,%d,%d, %s", item.number, description.c_str(),
            item.reorder_quantity, item.quantity, item.on_order, item.order_quantity, code.c_str());
    case StockListKind::ReorderByOrderCode:
        return cformat("%s, %" PRId64 ", %s, %d,%d,%d,%d", code.c_str(), item.number,
            description.c_str(), item.reorder_quantity, item.quantity, item.on_order,
            item.order_quantity);
    case StockListKind::OutOfStock:
        return cformat("%" PRId64 ", %s, %d,%d,%d, %s", item.number, description.c_str(),
            item.reorder_quantity, item.on_order, item.order_quantity, code.c_str());
    case StockListKind::SpecialOrders:
        return cformat("%" PRId64 ", %s, %d, %d", item.number, description.c_str(),
            item.quantity, item.special_order);
    case StockListKind::SellByExpired:
        return cformat("%" PRId64 ", %s, D:%d M:%d Y:%d", item.number, description.c_str(),
            item.sell_by_day, item.sell_by_month, 2011 + item.sell_by_year);
    }
    return "";
}

StockList buildStockList(
    StockListKind kind, const ItemIndex &items, const LocalTime &today, Messages &messages)
{
    StockList list;
    list.kind = kind;
    list.title = windowTitle(kind);
    list.headingRow = windowHeadingRow(kind);

    // One pass over the file in slot order; the reorder lists remember the
    // lines by slot and then take them in the index's number order.
    std::unordered_map<int64_t, std::string> bySlot;
    const ScanResult scan = items.forEachRecord([&](int64_t slot, const ItemRecord &item) {
        if (!onStockList(kind, item, today))
            return;
        if (reorderList(kind))
            bySlot.emplace(slot, stockListLine(kind, item));
        else
            list.lines.push_back(stockListLine(kind, item));
    });
    if (scan.status == ScanResult::Status::NotOpened) {
        reportFatal(messages, "Data file film.dat, not present.");
        return list;
    }
    if (!scan.complete())
        reportProblem(messages, "Film.dat");

    if (reorderList(kind)) {
        // The walk from number to number: an entry whose number the walk has
        // just taken is passed over, so each number is listed once.
        const RecordIndex &index = items.index();
        bool first = true;
        int64_t previous = 0;
        for (const IndexEntry &entry : index.entries()) {
            if (entry.number <= 0 || (!first && entry.number == previous))
                continue;
            first = false;
            previous = entry.number;
            const auto found = bySlot.find(entry.slot);
            if (found != bySlot.end())
                list.lines.push_back(std::move(found->second));
        }
    }
    if (kind == StockListKind::ReorderByOrderCode)
        std::stable_sort(list.lines.begin(), list.lines.end());
    return list;
}

void printStockList(PrintDevice &device, const StockList &list, std::string_view storeName,
    const LocalTime &today)
{
    device.selectFont(PrintFont {});
    const int lineHeight = std::max(device.lineHeight(), 1);
    const int pageHeight = device.printableHeight();
    std::string date = formatLocaleDate(today.year, today.month, today.day, "ddd d MMM yy");
    if (date.empty())
        date = cformat("%2d/%2d/%d", today.day, today.month, today.year);
    const char *columns = columnLine(list.kind);
    const int firstItemLine = columns ? 3 : 2;
    const std::string store(storeName);

    int page = 1;
    int y = 0;
    const auto startPage = [&] {
        device.drawText(0, 0, cformat(pageHeading(list.kind), store.c_str(), date.c_str(), page),
            TextAlign::Left);
        if (columns)
            device.drawText(0, lineHeight, columns, TextAlign::Left);
        y = firstItemLine * lineHeight;
    };
    startPage();
    for (const std::string &line : list.lines) {
        // A page always takes at least one item below its heading.
        if (y + lineHeight > pageHeight && y > firstItemLine * lineHeight) {
            if (!device.newPage())
                return;
            ++page;
            startPage();
        }
        device.drawText(0, y, line, TextAlign::Left);
        y += lineHeight;
    }
}

} // namespace ovix
