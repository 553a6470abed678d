#include "reports/widgets/report_commands.h"

#include "platform/clock.h"
#include "platform/data_dir.h"
#include "platform/messages.h"
#include "print/logic/print_request.h"
#include "print/widgets/print_job.h"
#include "reports/logic/category_units.h"
#include "reports/logic/item_report.h"
#include "reports/logic/items_csv_export.h"
#include "reports/logic/report_print_request.h"
#include "reports/logic/sales_report.h"
#include "reports/widgets/report_dialogs.h"
#include "sales/logic/till_state.h"
#include "sales/widgets/till_window.h"
#include "store/till_config.h"

#include <cerrno>
#include <cstdlib>
#include <memory>
#include <optional>

namespace ovix {

namespace {

// This year and the eight before it, newest first.
std::vector<int> reportYears(const LocalTime &today)
{
    std::vector<int> years;
    for (int year = today.year; year >= today.year - 8; --year)
        years.push_back(year);
    return years;
}

CalendarDay todayOf(const LocalTime &now)
{
    return { now.year, now.month, now.day };
}

// A whole positive number, or nothing.
std::optional<int64_t> itemNumberOf(const std::string &text)
{
    if (text.empty())
        return std::nullopt;
    errno = 0;
    char *end = nullptr;
    const long long number = std::strtoll(text.c_str(), &end, 10);
    if (errno != 0 || *end != '\0' || number <= 0)
        return std::nullopt;
    return number;
}

struct ReportContext {
    TillWindow &window;
    TillState &state;
    Messages &messages;

    std::string storeName() const
    {
        return state.heading.storeName();
    }

    void print(const char *kind, const PageDrawing &draw)
    {
        runPrintJob(reportPrintRequest(state, kind), draw, messages);
    }

    void itemReport(ItemPeriod period)
    {
        const LocalTime now = localNow();
        std::vector<std::string> codes;
        for (int category = 1; category <= kCategoryCount; ++category)
            codes.push_back(state.config.categoryName(category));
        ItemSummaryDialog ask(period, reportYears(now), todayOf(now), codes, window.widget());
        if (ask.exec() != QDialog::Accepted)
            return;
        const ItemReportChoice choice = ask.choice();
        const CalendarDay last = period == ItemPeriod::Range ? choice.end : choice.start;
        if (!checkReportPeriod(choice.start, last, messages))
            return;
        const ItemReport report
            = buildItemReport(state.dir, itemCalendarDays(choice), choice.filter);
        const std::string store = storeName();
        ItemReportDialog dialog(itemReportTitle(choice), report,
            [this, choice, store, &report] {
                print("items", [&](PrintDevice &device, Messages &problems) {
                    printItemReport(device, choice, store, report, problems);
                });
            },
            [this, choice, &report] { saveCsv(choice, report); }, window.widget());
        dialog.exec();
        window.focusItemBox();
    }

    void saveCsv(const ItemReportChoice &choice, const ItemReport &report)
    {
        const std::optional<std::string> name
            = messages.askText("Enter the file name:", "Save", itemCsvName(choice.start));
        if (!name || name->empty())
            return;
        const std::string path = name->front() == '/' ? *name : state.dir.root() + "/" + *name;
        saveItemCsv(path, report, messages);
    }

    void salesReport(SalesReportKind kind)
    {
        const LocalTime now = localNow();
        std::vector<std::string> clerks;
        if (kind == SalesReportKind::Staff) {
            for (int clerk = 1; clerk <= kClerkCount; ++clerk)
                clerks.push_back(state.config.clerkName(clerk));
        }
        SalesPeriodDialog ask(reportYears(now), todayOf(now), clerks, window.widget());
        if (ask.exec() != QDialog::Accepted)
            return;
        SalesReportChoice choice { kind, ask.startDay(), ask.endDay(), ask.clerk(), 0 };
        if (!checkReportPeriod(choice.start, choice.end, messages))
            return;
        if (kind == SalesReportKind::Item) {
            const std::optional<std::string> typed
                = messages.askText("Item number", "Sales by item");
            if (!typed)
                return;
            const std::optional<int64_t> number = itemNumberOf(*typed);
            if (!number) {
                reportProblem(messages, "Invalid selection");
                return;
            }
            choice.itemNumber = *number;
        }
        const SalesReport report = buildSalesReport(state.dir, choice);
        const std::string title = salesReportTitle(choice);
        const std::string store = storeName();
        SalesReportDialog dialog(title, report,
            [this, title, store, &report] {
                print("sales", [&](PrintDevice &device, Messages &problems) {
                    printSalesReport(device, store, title, report.period, localNow(), problems);
                });
            },
            window.widget());
        dialog.exec();
        window.focusItemBox();
    }

    void categoryReport(bool month)
    {
        const LocalTime now = localNow();
        const std::vector<CategoryUnits> rows = categoryUnits(state.config, month, now);
        const std::string store = storeName();
        CategoryUnitsDialog dialog(month, rows,
            [this, month, store, &rows] {
                print("categories", [&](PrintDevice &device, Messages &) {
                    printCategoryUnits(device, store, month, rows, localNow());
                });
            },
            window.widget());
        dialog.exec();
        window.focusItemBox();
    }
};

} // namespace

void connectReportCommands(TillWindow &window, TillState &state, Messages &messages)
{
    auto context = std::make_shared<ReportContext>(ReportContext { window, state, messages });
    const struct {
        Command command;
        std::function<void()> work;
    } commands[] = {
        { Command::SalesReport, [context] { context->salesReport(SalesReportKind::Shop); } },
        { Command::SalesByStaff, [context] { context->salesReport(SalesReportKind::Staff); } },
        { Command::SalesByItem, [context] { context->salesReport(SalesReportKind::Item); } },
        { Command::DailyItemSummary, [context] { context->itemReport(ItemPeriod::Daily); } },
        { Command::WeeklyItemSummary, [context] { context->itemReport(ItemPeriod::Weekly); } },
        { Command::MonthlyItemSummary, [context] { context->itemReport(ItemPeriod::Monthly); } },
        { Command::PeriodItemSummary, [context] { context->itemReport(ItemPeriod::Range); } },
        { Command::ItemsByCategoryDay, [context] { context->categoryReport(false); } },
        { Command::ItemsByCategoryMonth, [context] { context->categoryReport(true); } },
        { Command::ExportDailyItemsCsv,
            [context] { exportDailyItemsCsv(context->state.dir, localNow(), context->messages); } },
        { Command::ExportWeeklyItemsCsv,
            [context] { exportWeeklyItemsCsv(context->state.dir, localNow(), context->messages); } },
    };
    for (const auto &entry : commands)
        window.registerCommand(entry.command, entry.work);
}

} // namespace ovix
