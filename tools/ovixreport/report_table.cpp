#include "report_table.h"

#include "platform/clock.h"
#include "platform/messages.h"
#include "reports/logic/category_units.h"
#include "reports/logic/log_printing.h"
#include "reports/logic/log_printout.h"
#include "reports/logic/report_print_request.h"
#include "reports/logic/sales_report.h"
#include "reports/logic/status_report.h"
#include "store/shop.h"

#include <cstdio>
#include <memory>

namespace ovix {

namespace {

std::optional<PreparedReport> salesReport(const ReportJob &job, SalesReportKind kind)
{
    const SalesReportChoice choice { kind, job.from, job.to, job.clerk, job.item };
    auto report = std::make_shared<SalesReport>(buildSalesReport(job.shop.dir, choice));
    const std::string title = salesReportTitle(choice);
    const std::string store = job.shop.heading.storeName();
    return PreparedReport { reportPrintRequest(job.shop, "sales"),
        [report, title, store](PrintDevice &device, Messages &problems) {
            printSalesReport(device, store, title, report->period, localNow(), problems);
        } };
}

std::optional<PreparedReport> itemReport(const ReportJob &job, ItemPeriod period)
{
    ItemReportChoice choice { period, job.from, job.to, job.filter };
    if (period == ItemPeriod::Monthly)
        choice.start.day = 1;
    auto report = std::make_shared<ItemReport>(
        buildItemReport(job.shop.dir, itemCalendarDays(choice), choice.filter));
    const std::string store = job.shop.heading.storeName();
    return PreparedReport { reportPrintRequest(job.shop, "items"),
        [report, choice, store](PrintDevice &device, Messages &problems) {
            printItemReport(device, choice, store, *report, problems);
        } };
}

std::optional<PreparedReport> categoryReport(const ReportJob &job, bool month)
{
    const std::vector<CategoryUnits> rows = categoryUnits(job.shop.config, month, job.now);
    const std::string store = job.shop.heading.storeName();
    const LocalTime now = job.now;
    return PreparedReport { reportPrintRequest(job.shop, "categories"),
        [rows, store, month, now](PrintDevice &device, Messages &) {
            printCategoryUnits(device, store, month, rows, now);
        } };
}

// The day a "from a day" log printout asks for, answered from --from.
class LogDayAnswer : public Messages {
public:
    LogDayAnswer(Messages &messages, std::string day)
        : messages_(messages)
        , day_(std::move(day))
    {
    }
    void show(std::string_view text, std::string_view caption, MessageKind kind) override
    {
        messages_.show(text, caption, kind);
    }
    bool confirm(std::string_view text, std::string_view caption, MessageKind kind) override
    {
        return messages_.confirm(text, caption, kind);
    }
    Answer ask(
        std::string_view text, std::string_view caption, bool withCancel, Answer preferred) override
    {
        return messages_.ask(text, caption, withCancel, preferred);
    }
    std::optional<std::string> askText(
        std::string_view, std::string_view, std::string_view) override
    {
        return day_;
    }
    void beep() override
    {
    }

private:
    Messages &messages_;
    std::string day_;
};

std::optional<PreparedReport> logReport(const ReportJob &job, LogPrintout printout)
{
    char day[16];
    (void)std::snprintf(day, sizeof day, "%02d/%02d/%04d", job.from.day % 100,
        job.from.month % 100, job.from.year % 10000);
    LogDayAnswer answer(job.messages, day);
    std::optional<std::string> text = logTextToPrint(job.shop.dir, printout, job.now, answer);
    if (!text)
        return std::nullopt;
    auto lines = std::make_shared<std::vector<std::string>>(logPrintLines(*text));
    const std::string store = job.shop.heading.storeName();
    const LocalTime now = job.now;
    return PreparedReport { logPrintRequest(job.shop.dir),
        [lines, store, now](
            PrintDevice &device, Messages &) { drawLogPrintout(device, *lines, store, now); } };
}

// The status report of today: the shop's files as they stand, read only; the
// switch-on and switch-off times belong to a running till and print as 0.
std::optional<PreparedReport> statusReport(const ReportJob &job)
{
    if (!job.shop.items.load(job.messages) || !job.shop.customers.load(job.messages))
        return std::nullopt;
    const StatusFacts facts = statusFacts(job.shop);
    const TillConfig config = job.shop.config;
    const LocalTime now = job.now;
    return PreparedReport { reportPrintRequest(job.shop, "status"),
        [config, facts, now](
            PrintDevice &device, Messages &) { printStatusReport(device, config, facts, now); } };
}

// To add a report, add its row here (--help lists it in this order).
// Built before main(): without the memory for it the program ends before it has
// read a file.
// NOLINTNEXTLINE(cert-err58-cpp)
const ReportRow kRows[] = {
    { "sales", "sales report over --from to --to", ReportDates::Range, false, false,
        [](const ReportJob &job) { return salesReport(job, SalesReportKind::Shop); } },
    { "staff", "one clerk's sales report (--clerk N)", ReportDates::Range, true, false,
        [](const ReportJob &job) { return salesReport(job, SalesReportKind::Staff); } },
    { "item", "one item's sales report (--item N)", ReportDates::Range, false, true,
        [](const ReportJob &job) { return salesReport(job, SalesReportKind::Item); } },
    { "daily-items", "daily item summary of --from", ReportDates::Day, false, false,
        [](const ReportJob &job) { return itemReport(job, ItemPeriod::Daily); } },
    { "weekly-items", "weekly item summary, seven days from --from", ReportDates::Day, false, false,
        [](const ReportJob &job) { return itemReport(job, ItemPeriod::Weekly); } },
    { "monthly-items", "monthly item summary of the month of --from", ReportDates::Day, false,
        false, [](const ReportJob &job) { return itemReport(job, ItemPeriod::Monthly); } },
    { "period-items", "period item summary over --from to --to", ReportDates::Range, false, false,
        [](const ReportJob &job) { return itemReport(job, ItemPeriod::Range); } },
    { "categories-day", "items by category, today", ReportDates::None, false, false,
        [](const ReportJob &job) { return categoryReport(job, false); } },
    { "categories-month", "items by category, this month", ReportDates::None, false, false,
        [](const ReportJob &job) { return categoryReport(job, true); } },
    { "status", "the status report, today", ReportDates::None, false, false, statusReport },
    { "log-today", "the activity log from today's first line", ReportDates::None, false, false,
        [](const ReportJob &job) { return logReport(job, LogPrintout::Today); } },
    { "log-from", "the activity log from the first line of --from", ReportDates::Day, false, false,
        [](const ReportJob &job) { return logReport(job, LogPrintout::FromDay); } },
    { "log", "the whole activity log", ReportDates::None, false, false,
        [](const ReportJob &job) { return logReport(job, LogPrintout::WholeLog); } },
    { "old-log", "the previous activity log", ReportDates::None, false, false,
        [](const ReportJob &job) { return logReport(job, LogPrintout::OldLog); } },
};

} // namespace

std::span<const ReportRow> reportRows()
{
    return kRows;
}

const ReportRow *findReportRow(const std::string &name)
{
    for (const ReportRow &row : kRows)
        if (name == row.name)
            return &row;
    return nullptr;
}

} // namespace ovix
