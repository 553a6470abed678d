#include "reports/logic/head_office_files.h"

#include "platform/c_format.h"
#include "platform/clock.h"
#include "platform/cp1252.h"
#include "platform/data_dir.h"
#include "platform/file.h"
#include "platform/messages.h"
#include "reports/logic/daily_overview.h"
#include "reports/logic/day_items_csv.h"
#include "reports/logic/stock_lists.h"
#include "reports/logic/upload_settings.h"
#include "sales/logic/till_state.h"
#include "store/item_record.h"
#include "store/record_scan.h"
#include "store/till_config.h"

namespace ovix {

namespace {

constexpr const char *kItemsHeading
    = "Item, Description, Ntx, Tx, T1, T2, Cost, Total, ID, Assoc, Payment\r\n";
constexpr const char *kReorderHeading
    = "Item, Restock level, In stock, On order, Order quantity, Order code\r\n";

const char *cannotWrite(HeadOfficeReport report)
{
    switch (report) {
    case HeadOfficeReport::DailyOverview: return "Unable to produce report file.";
    case HeadOfficeReport::DailyItems: return "Unable to produce items file.";
    case HeadOfficeReport::ReorderList: return "Unable to produce reorder file.";
    }
    return "";
}

std::optional<std::string> reportText(HeadOfficeReport report, const TillState &state,
    Messages &messages, const LocalTime &now)
{
    const std::string storeName = state.heading.storeName();
    switch (report) {
    case HeadOfficeReport::DailyOverview:
        return dailyOverviewText(state.config, dailyOverviewFacts(state), now);
    case HeadOfficeReport::DailyItems: return dailyItemsText(state.dir, storeName, now, messages);
    case HeadOfficeReport::ReorderList: return reorderListText(state.dir, storeName, messages);
    }
    return std::nullopt;
}

} // namespace

std::optional<std::string> dailyItemsText(const DataDir &dir, const std::string &storeName,
    const LocalTime &now, Messages &messages)
{
    const DayItemsCsv lines = dayItemsCsv(dir, now.year, now.month, now.day, false);
    switch (lines.status) {
    case DayItemsCsvStatus::Written: break;
    case DayItemsCsvStatus::NoSalesLog:
        reportProblem(messages, "No items for that day.");
        return std::nullopt;
    case DayItemsCsvStatus::NoItemsLog: return std::nullopt;
    case DayItemsCsvStatus::Unreadable:
        reportProblem(messages, cannotWrite(HeadOfficeReport::DailyItems));
        return std::nullopt;
    }
    return "Daily item list: " + storeName + "\r\n" + kItemsHeading + lines.text;
}

std::optional<std::string> reorderListText(const DataDir &dir, const std::string &storeName,
    Messages &messages)
{
    std::string text = "Reorder list: " + storeName + "\r\n" + kReorderHeading;
    const LocalTime today{}; // the reorder rule reads no date
    const ScanResult scan = forEachRecord<ItemRecord>(
        dir.path(kItemFileName), {}, [&](int64_t, const ItemRecord &item) {
            if (onStockList(StockListKind::Reorder, item, today))
                text += stockListLine(StockListKind::Reorder, item) + "\r\n";
        });
    if (scan.status == ScanResult::Status::NotOpened) {
        reportFatal(messages, "Data file film.dat, not present.");
        return std::nullopt;
    }
    return text;
}

std::optional<std::vector<std::string>> writeHeadOfficeFiles(const TillState &state,
    const UploadConfig &upload, Messages &messages, const LocalTime &now)
{
    std::vector<std::string> written;
    bool anyWanted = false;
    for (int index = 0; index < kHeadOfficeReportCount; ++index) {
        const auto report = static_cast<HeadOfficeReport>(index);
        const std::string name = upload.fileName(report);
        if (!headOfficeReportChosen(state.config, report) || name.empty())
            continue;
        anyWanted = true;
        const std::optional<std::string> text = reportText(report, state, messages, now);
        if (!text)
            return std::nullopt;
        if (!isPlainFileName(name) || isShopFileName(name)
            || !replaceFileAtomically(state.dir.path(toUtf8(name)), *text)) {
            reportProblem(messages, cannotWrite(report));
            return std::nullopt;
        }
        written.push_back(name);
    }
    if (!anyWanted) {
        reportProblem(messages, "No reports selected.");
        return std::nullopt;
    }
    return written;
}

} // namespace ovix
