// How long the publisher takes to turn a large shop's item file into the
// website's stock file, measured against copying that file.
//
// film.dat of 100000 items (one slot in fifty free, every field filled, some
// descriptions with markup and Windows-1252 letters) is built in a temporary
// folder. The figures are for a warm page cache. The baseline copies the file
// in 1 MiB chunks, as cp does, without syncing; the publisher's copy and the
// conversions replace their files as every whole file is replaced: under a
// temporary name, the file synced, renamed in, the folder synced.

#include "platform/data_dir.h"
#include "platform/file.h"
#include "platform/file_access.h"
#include "store/fixed_text.h"
#include "store/item_record.h"
#include "sync/logic/item_file_copy.h"
#include "sync/logic/publish_log.h"
#include "sync/logic/stock_conversion.h"
#include "sync/logic/stock_formatter.h"
#include "sync/logic/sync_config.h"

#include "bench_summary.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <unistd.h>
#include <vector>

using namespace ovix;

namespace {

constexpr int kItems = 100000;

struct DataSet {
    std::string folder;
    std::unique_ptr<DataDir> dir;
    int64_t bytes = 0;
    int64_t xmlBytes = 0;
    int64_t csvBytes = 0;
};

DataSet *data = nullptr;

void buildDataSet()
{
    data = new DataSet;
    std::string pattern = (std::filesystem::temp_directory_path() / "ovix-sync-bench-XXXXXX");
    if (!mkdtemp(pattern.data()))
        std::abort();
    data->folder = pattern;
    data->dir = std::make_unique<DataDir>(data->folder);

    static const char *const words[] = { "TEA", "COFFEE", "BISCUITS", "FISH & CHIPS", "CR\xC8ME",
        "<NEW>", "SOAP", "\"BEST\" JAM" };
    std::mt19937 random(7);
    std::string film(static_cast<size_t>(kItems) * kItemRecordSize, '\0');
    for (int slot = 0; slot < kItems; ++slot) {
        ItemRecord record {};
        record.number = slot % 50 == 17 ? -1 : 1000 + slot;
        const std::string description = std::string(words[random() % 8]) + " " + words[random() % 8]
            + " " + std::to_string(random() % 1000);
        writeText(record.description, description);
        writeText(record.sku1, std::to_string(5000000000000ULL + slot));
        writeText(record.sku2, "S2-" + std::to_string(slot));
        writeText(record.sku4, "BOX OF 12");
        writeText(record.format, "250G");
        writeText(record.category, "GROCERY");
        writeText(record.location, "AISLE " + std::to_string(slot % 40));
        writeText(record.order_code, "ORD" + std::to_string(slot * 3));
        writeText(record.date_added, "05/03/2024");
        record.quantity = static_cast<int32_t>(random() % 500);
        record.reorder_quantity = 10;
        record.minimum_order = 6;
        record.tax = 1;
        record.total_sold = static_cast<int32_t>(random() % 10000);
        record.cost_price = static_cast<float>(random() % 10000) / 100.0f;
        record.trade_price = record.cost_price * 1.2f;
        record.retail_price = record.cost_price * 1.5f;
        writeText(record.website, "www.shop.test/item/" + std::to_string(slot));
        writeText(record.notes, "Keep dry. Caf\xE9 quality \x80 value.");
        record.display_category = slot % 18;
        writeText(record.last_used, "14:3005/03/2024");
        std::memcpy(
            film.data() + static_cast<size_t>(slot) * kItemRecordSize, &record, kItemRecordSize);
    }
    if (!replaceFileAtomically(data->dir->path(kItemFileName), film))
        std::abort();
    data->bytes = static_cast<int64_t>(film.size());
    if (!copyItemFile(*data->dir))
        std::abort();
}

SyncConfig settings(FileFormat format)
{
    SyncConfig config;
    config.setDefaultElementNames();
    config.setFileFormat(format);
    return config;
}

void BM_CopyFile(benchmark::State &state)
{
    const std::string from = data->dir->path(kItemFileName);
    const std::string to = data->dir->path("plain-copy.dat");
    std::vector<char> chunk(1 << 20);
    for (auto _ : state) {
        File in = File::open(from, File::Mode::Read);
        File out = File::open(to, File::Mode::Truncate);
        int64_t offset = 0;
        for (;;) {
            const int64_t got = in.readSomeAt(offset, chunk.data(), chunk.size());
            if (got <= 0)
                break;
            if (!out.writeAt(offset, chunk.data(), static_cast<size_t>(got)))
                state.SkipWithError("copy failed");
            offset += got;
        }
    }
    state.SetBytesProcessed(state.iterations() * data->bytes);
}

void BM_CopyItemFile(benchmark::State &state)
{
    for (auto _ : state) {
        if (!copyItemFile(*data->dir))
            state.SkipWithError("copy failed");
    }
    state.SetBytesProcessed(state.iterations() * data->bytes);
}

void convert(benchmark::State &state, FileFormat format, const char *name, int64_t &size)
{
    const StockFormatter formatter(settings(format));
    const std::string input = data->dir->path("inventor.dat");
    const std::string output = data->dir->path(name);
    for (auto _ : state) {
        PublishLog log;
        if (!convertStockFile(input, output, formatter, log))
            state.SkipWithError("conversion failed");
    }
    size = fileSize(output);
    state.SetBytesProcessed(state.iterations() * data->bytes);
}

void BM_ConvertXml(benchmark::State &state)
{
    convert(state, FileFormat::Xml, "inventor.xml", data->xmlBytes);
}

void BM_ConvertCsv(benchmark::State &state)
{
    convert(state, FileFormat::Csv, "inventor.csv", data->csvBytes);
}

BENCHMARK(BM_CopyFile)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_CopyItemFile)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_ConvertXml)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_ConvertCsv)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void printSummary(const bench::TimingReporter &timings)
{
    auto time = [&](const char *name) { return timings.milliseconds(name); };
    const double copy = time("BM_CopyFile");
    auto line = [&](const char *what, const char *name, int64_t bytes) {
        const double t = time(name);
        std::printf("%-36s %9.1f ms %8.2fx the copy", what, t, copy > 0 ? t / copy : 0);
        if (bytes > 0)
            std::printf("   (%.1f MB out)", static_cast<double>(bytes) / 1e6);
        std::printf("\n");
    };
    std::printf("\nfilm.dat: %d slots, %.1f MB; warm page cache\n", kItems,
        static_cast<double>(data->bytes) / 1e6);
    line("copy film.dat (1 MiB chunks, cp-like)", "BM_CopyFile", 0);
    line("copy to inventor.dat (publisher)", "BM_CopyItemFile", 0);
    line("convert to XML, every field", "BM_ConvertXml", data->xmlBytes);
    line("convert to CSV, every field", "BM_ConvertCsv", data->csvBytes);
}

} // namespace

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    buildDataSet();
    bench::TimingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    printSummary(reporter);
    std::error_code ignored;
    std::filesystem::remove_all(data->folder, ignored);
    benchmark::Shutdown();
    return 0;
}
