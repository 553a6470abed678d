#include "inventory/logic/stock_receipt.h"

#include "inventory/logic/item_form.h"
#include "inventory/logic/received_log.h"
#include "platform/c_format.h"
#include "platform/clock.h"
#include "platform/cp1252.h"
#include "platform/data_dir.h"
#include "platform/file.h"
#include "platform/messages.h"
#include "sales/logic/archive_folders.h"
#include "sales/logic/file_update.h"
#include "store/fixed_text.h"
#include "store/shop.h"

#include <charconv>
#include <limits>

namespace ovix {

namespace {

constexpr const char *kNotBooked
    = "The delivery was not booked and no file was changed: the stock is as it was. "
      "Book it in again when the fault is put right.";
constexpr int kLastSellByYearIndex = kLastSellByYear - kSellByYearBase;

int withinOr(int32_t value, int low, int high)
{
    return value >= low && value <= high ? static_cast<int>(value) : 0;
}

std::string_view trimmed(std::string_view text)
{
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// Readies the day's log `name` for one more entry: a part of an entry at its
// end is cut off, so that the entry about to be appended and every later one
// start on a 16-byte boundary, and the clerk is told. False, told, when the
// log is a folder or cannot be cut.
bool readyReceivedLog(const Shop &shop, const std::string &name, Messages &messages)
{
    const std::string path = shop.dir.path(name);
    if (isDirectory(path)) {
        // The journal could never put a folder back: refused before anything is written.
        reportProblem(messages, "Unable to open incoming log.");
        return false;
    }
    if (!fileExists(path))
        return true;
    const int64_t size = fileSize(path);
    const auto entry = static_cast<int64_t>(kReceivedEntrySize);
    if (size < 0 || size % entry == 0)
        return true;
    File file = File::open(path, File::Mode::ReadWrite);
    const bool cut = file.isOpen() && file.truncate(size - size % entry);
    if (!file.close() || !cut) {
        reportProblem(messages, "Unable to open incoming log.");
        return false;
    }
    reportProblem(messages,
        cformat("%s ended in %d bytes that are no whole entry. They were cut off.", name.c_str(),
            static_cast<int>(size % entry)));
    return true;
}

} // namespace

ReceiptView receiptViewOf(const ItemRecord &item)
{
    ReceiptView view;
    view.number = item.number;
    view.description = readText(item.description);
    view.held = item.quantity;
    view.form.sellByDay = withinOr(item.sell_by_day, 0, 31);
    view.form.sellByMonth = withinOr(item.sell_by_month, 0, 12);
    view.form.sellByYear = withinOr(item.sell_by_year, 0, kLastSellByYearIndex);
    return view;
}

std::optional<int64_t> receivedQuantity(std::string_view typed)
{
    std::string_view text = trimmed(typed);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    if (text.empty() || text.find_first_not_of("0123456789") != std::string_view::npos)
        return std::nullopt;
    int64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < 1)
        return std::nullopt;
    return value;
}

std::string updatedTotalText(int32_t held, std::string_view typed)
{
    const std::optional<int64_t> received = receivedQuantity(typed);
    if (!received || *received > std::numeric_limits<int64_t>::max() / 2)
        return std::to_string(held);
    return std::to_string(static_cast<int64_t>(held) + *received);
}

ReceiptResult receiveStock(Shop &shop, int64_t number, const ReceiptForm &form, Messages &messages)
{
    const std::optional<int64_t> received = receivedQuantity(form.quantity);
    if (!received) {
        reportProblem(messages, "Invalid quantity");
        return ReceiptResult::Refused;
    }
    const std::optional<int64_t> slot = shop.items.slotOf(number);
    if (!slot) {
        reportProblem(messages, "Invalid number.");
        return ReceiptResult::NotRecorded;
    }
    ItemRecord item {};
    if (!shop.items.readRecord(*slot, item, messages))
        return ReceiptResult::NotRecorded;
    const int64_t held = item.quantity;
    if (held + *received > std::numeric_limits<int32_t>::max()) {
        reportProblem(messages, "Invalid quantity, the stock held may not pass 2147483647");
        return ReceiptResult::Refused;
    }
    item.quantity = static_cast<int32_t>(held + *received);
    const int64_t onOrder = item.on_order;
    if (onOrder > 0)
        item.on_order = static_cast<int32_t>(onOrder > *received ? onOrder - *received : 0);
    item.sell_by_day = withinOr(form.sellByDay, 0, 31);
    item.sell_by_month = withinOr(form.sellByMonth, 0, 12);
    item.sell_by_year = withinOr(form.sellByYear, 0, kLastSellByYearIndex);

    const LocalTime now = localNow();
    const CalendarDay today { now.year, now.month, now.day };
    const std::string logName = receivedLogName(today);
    if (!isDirectory(shop.dir.path(dayFolderName(now.year, now.month, now.day)))
        && !ensureArchiveFolders(shop.dir, now, messages)) {
        reportProblem(messages, kNotBooked);
        return ReceiptResult::NotRecorded;
    }
    if (!readyReceivedLog(shop, logName, messages)) {
        reportProblem(messages, kNotBooked);
        return ReceiptResult::NotRecorded;
    }

    FileUpdate update(shop.dir, kNotBooked);
    update.appendToFile(
        logName, receivedEntryBytes({ number, *received }), "Unable to open incoming log.");
    update.rewriteRecord(shop.items, *slot, item);
    if (!update.run(messages))
        return ReceiptResult::NotRecorded;
    reportInfo(messages, cformat("%d", static_cast<int>(item.quantity)), "Updated quantity");
    return ReceiptResult::Booked;
}

int64_t findToReceiveBySkuOne(const ItemIndex &items, Messages &messages)
{
    const std::optional<std::string> typed
        = messages.askText(kSkuOnePrompt, "Inventory received by SKU 1");
    if (!typed || typed->empty())
        return 0;
    const ItemSearchResult result = searchSkuOne(items, fromUtf8(*typed));
    return offerMatches(result, messages, { OfferAction::Select, OfferAction::Nothing }).number;
}

} // namespace ovix
