// The export of 100000 items against reading film.dat plainly: the plain
// read takes the file in large blocks and touches each record's number; the
// exports read it the same way, format every record in number order and
// write the file through the atomic replace. The figures printed are each
// export's time as a multiple of the plain read.

#include "exchange/logic/export_file.h"
#include "platform/file.h"
#include "store/record_scan.h"

#include "bench_shop.h"
#include "bench_summary.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <random>
#include <string>

using namespace ovix;

namespace {

constexpr int kItems = 100000;

std::string folder;
std::unique_ptr<TillState> shop;

void BM_ReadFilmPlainly(benchmark::State &state)
{
    for (auto _ : state) {
        int64_t sum = 0;
        const ScanResult scan = forEachRecord<ItemRecord>(shop->dir.path(kItemFileName), {},
            [&sum](int64_t, const ItemRecord &item) { sum += item.number; });
        if (!scan.complete())
            bench::fail("cannot read film.dat");
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_ReadFilmPlainly)->Unit(benchmark::kMillisecond);

void exportAll(benchmark::State &state, ExportFormat format, bool entire)
{
    ExportChoice choice;
    choice.format = format;
    choice.start = 1;
    choice.finish = kMaxRecordNumber;
    choice.entire = entire;
    const std::string path = shop->dir.path("INVENTOR.OUT");
    for (auto _ : state) {
        ScriptedMessages quiet;
        if (!exportRecords(*shop, choice, path, quiet))
            bench::fail("the export failed");
    }
}

void BM_ExportTextTenFields(benchmark::State &state)
{
    exportAll(state, ExportFormat::Text, false);
}
BENCHMARK(BM_ExportTextTenFields)->Unit(benchmark::kMillisecond);

void BM_ExportTextEntire(benchmark::State &state)
{
    exportAll(state, ExportFormat::Text, true);
}
BENCHMARK(BM_ExportTextEntire)->Unit(benchmark::kMillisecond);

void BM_ExportXml(benchmark::State &state)
{
    exportAll(state, ExportFormat::Xml, false);
}
BENCHMARK(BM_ExportXml)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    std::mt19937_64 random(1);
    bench::makeBenchShop("ovix-export", folder, shop, kItems, random, true);

    benchmark::Initialize(&argc, argv);
    bench::TimingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const double plain = reporter.milliseconds("BM_ReadFilmPlainly");
    std::printf("\nexport of %d items against reading film.dat plainly\n", kItems);
    std::printf("plain read         %9.1f ms\n", plain);
    for (const char *name : { "BM_ExportTextTenFields", "BM_ExportTextEntire", "BM_ExportXml" }) {
        const double took = reporter.milliseconds(name);
        std::printf("%-18s %9.1f ms   %.1fx the plain read\n", name + 3, took,
            plain > 0 ? took / plain : 0.0);
    }
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
    return 0;
}
