// The item and sales reports over a busy year: 365 days of 300 sales with 4
// lines each, built in a temporary folder at start and removed at the end.
// Each report is timed as a ratio to reading the same archive files whole in
// the same run: the monthly item summary against one month's saleslog.dat and
// itemslog.dat, the period item summary over the year against the year's, and
// the yearly sales report against the year's saleslog.dat files.

#include "platform/data_dir.h"
#include "platform/file.h"
#include "reports/logic/item_report.h"
#include "platform/day_walk.h"
#include "reports/logic/sales_report.h"
#include "sales/logic/archive_records.h"
#include "sales/logic/sales_archive.h"
#include "store/fixed_text.h"

#include "bench_summary.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <unistd.h>

using namespace ovix;

namespace {

constexpr int kYear = 2026;
constexpr int kSalesPerDay = 300;
constexpr int kLinesPerSale = 4;
constexpr int kDistinctItems = 2000;

std::string folder;

[[noreturn]] void fail(const char *what)
{
    std::fprintf(stderr, "%s\n", what);
    std::exit(1);
}

void writeFile(const std::string &path, const std::string &bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        fail("cannot write the archive");
}

void buildYear()
{
    std::string pattern
        = (std::filesystem::temp_directory_path() / "ovix-reports-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        fail("cannot make a temporary folder");
    folder = pattern;
    static const char *const kTypes[] = { "Cash", "EFT", "CH", "Credit", "Split", "Refund" };
    int64_t number = 0;
    uint32_t seed = 12345;
    for (const CalendarDay &day : daysFrom({ kYear, 1, 1 }, { kYear, 12, 31 })) {
        const std::string dayFolder = folder + "/" + dayFolderName(day.year, day.month, day.day);
        std::filesystem::create_directories(dayFolder);
        std::string sales;
        std::string items;
        for (int sale = 0; sale < kSalesPerDay; ++sale) {
            TransactionRecord record {};
            record.transactionNumber = ++number;
            record.clerkNumber = 1 + sale % 3;
            writeText(record.paymentType, kTypes[sale % 6]);
            for (int line = 0; line < kLinesPerSale; ++line) {
                seed = seed * 1103515245u + 12345u;
                SoldItemRecord sold {};
                sold.transactionNumber = number;
                sold.itemNumber = 1 + static_cast<int64_t>(seed >> 8) % kDistinctItems;
                sold.category = sold.itemNumber % 18;
                writeText(sold.description, "BENCH ITEM");
                sold.taxable = 1.25f;
                sold.taxOne = 0.13f;
                sold.cost = 0.60f;
                sold.total = 1.38f;
                record.taxable += sold.taxable;
                record.taxOne += sold.taxOne;
                record.total += sold.total;
                items.append(reinterpret_cast<const char *>(&sold), sizeof sold);
            }
            sales.append(reinterpret_cast<const char *>(&record), sizeof record);
        }
        writeFile(dayFolder + "/" + kSalesLogName, sales);
        writeFile(dayFolder + "/" + kItemsLogName, items);
    }
}

size_t readWhole(const std::vector<CalendarDay> &days, bool withItems)
{
    const DataDir dir(folder);
    size_t bytes = 0;
    for (const CalendarDay &day : days) {
        if (auto sales = readWholeFile(dir.path(dayFileName(day.year, day.month, day.day, kSalesLogName))))
            bytes += sales->size();
        if (!withItems)
            continue;
        if (auto items = readWholeFile(dir.path(dayFileName(day.year, day.month, day.day, kItemsLogName))))
            bytes += items->size();
    }
    return bytes;
}

const std::vector<CalendarDay> &march()
{
    static const std::vector<CalendarDay> days = monthOf(kYear, 3);
    return days;
}

const std::vector<CalendarDay> &wholeYear()
{
    static const std::vector<CalendarDay> days = daysFrom({ kYear, 1, 1 }, { kYear, 12, 31 });
    return days;
}

void BM_ReadMonthWhole(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(readWhole(march(), true));
}
BENCHMARK(BM_ReadMonthWhole)->Unit(benchmark::kMillisecond);

void BM_MonthlyItemSummary(benchmark::State &state)
{
    const DataDir dir(folder);
    for (auto _ : state)
        benchmark::DoNotOptimize(buildItemReport(dir, march(), ItemFilter {}).items);
}
BENCHMARK(BM_MonthlyItemSummary)->Unit(benchmark::kMillisecond);

void BM_ReadYearWhole(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(readWhole(wholeYear(), true));
}
BENCHMARK(BM_ReadYearWhole)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_PeriodItemSummaryYear(benchmark::State &state)
{
    const DataDir dir(folder);
    for (auto _ : state)
        benchmark::DoNotOptimize(buildItemReport(dir, wholeYear(), ItemFilter {}).items);
}
BENCHMARK(BM_PeriodItemSummaryYear)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_ReadYearSalesLogsWhole(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(readWhole(wholeYear(), false));
}
BENCHMARK(BM_ReadYearSalesLogsWhole)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_YearlySalesReport(benchmark::State &state)
{
    const DataDir dir(folder);
    const SalesReportChoice choice { SalesReportKind::Shop, { kYear, 1, 1 }, { kYear, 12, 31 }, 0, 0 };
    for (auto _ : state)
        benchmark::DoNotOptimize(buildSalesReport(dir, choice).period.total);
}
BENCHMARK(BM_YearlySalesReport)->Unit(benchmark::kMillisecond)->Iterations(3);

void printSummary(const bench::TimingReporter &timings)
{
    auto ratio = [&](const char *report, const char *baseline) {
        const double base = timings.milliseconds(baseline);
        return base > 0 ? timings.milliseconds(report) / base : 0.0;
    };
    std::printf("\n%d days x %d sales x %d lines\n", static_cast<int>(wholeYear().size()),
        kSalesPerDay, kLinesPerSale);
    std::printf("monthly item summary       %9.1f ms   %.2fx reading the month's files whole\n",
        timings.milliseconds("BM_MonthlyItemSummary"),
        ratio("BM_MonthlyItemSummary", "BM_ReadMonthWhole"));
    std::printf("period item summary, year  %9.1f ms   %.2fx reading the year's files whole\n",
        timings.milliseconds("BM_PeriodItemSummaryYear"),
        ratio("BM_PeriodItemSummaryYear", "BM_ReadYearWhole"));
    std::printf("sales report, year         %9.1f ms   %.2fx reading the year's sales logs whole\n",
        timings.milliseconds("BM_YearlySalesReport"),
        ratio("BM_YearlySalesReport", "BM_ReadYearSalesLogsWhole"));
}

} // namespace

int main(int argc, char **argv)
{
    buildYear();
    benchmark::Initialize(&argc, argv);
    bench::TimingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    printSummary(reporter);
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
    return 0;
}
