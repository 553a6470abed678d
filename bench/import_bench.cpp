// The import of 100000 item lines against writing film.dat plainly: the
// plain write puts the bytes of a 100000-item film.dat into a new file in
// large blocks and syncs it; the import reads the text, builds every record,
// writes the new film.dat under a temporary name, copies the old one to
// temp2.dat and swaps the new one in. The figure printed is the import's time
// as a multiple of the plain write.

#include "exchange/logic/export_file.h"
#include "exchange/logic/import_run.h"
#include "platform/file.h"

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
constexpr int64_t kLinesPerSlice = 4000;

std::string folder;
std::unique_ptr<TillState> shop;
std::string filmBytes;
ImportSource source;

void BM_WriteFilmPlainly(benchmark::State &state)
{
    const std::string path = shop->dir.path("PLAIN.DAT");
    constexpr size_t block = size_t(1) << 20;
    for (auto _ : state) {
        File out = File::open(path, File::Mode::Truncate);
        bool written = out.isOpen();
        for (size_t at = 0; written && at < filmBytes.size(); at += block)
            written = out.writeAt(static_cast<int64_t>(at), filmBytes.data() + at,
                std::min(block, filmBytes.size() - at));
        if (!written || !out.sync() || !out.close())
            bench::fail("cannot write the plain file");
    }
}
BENCHMARK(BM_WriteFilmPlainly)->Unit(benchmark::kMillisecond);

void BM_ImportItemLines(benchmark::State &state)
{
    ImportPlan plan;
    plan.subject = ImportSubject::Items;
    plan.columns = { 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 21, 0, 14, 20, 17, 18, 19 };
    for (auto _ : state) {
        ScriptedMessages quiet;
        ImportRun run(*shop, source, plan);
        if (!run.open(quiet))
            bench::fail("cannot open film.dat for the import");
        while (!run.atEnd())
            run.step(kLinesPerSlice);
        const ImportResult result = run.finish(quiet);
        if (result.outcome != ImportOutcome::Imported || result.taken != kItems)
            bench::fail("the import did not take every line");
    }
}
BENCHMARK(BM_ImportItemLines)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    std::mt19937_64 random(1);
    bench::makeBenchShop("ovix-import", folder, shop, kItems, random, true);
    filmBytes = readWholeFile(shop->dir.path(kItemFileName)).value_or("");

    // The lines to import are the shop's own full text export.
    ExportChoice choice;
    choice.start = 1;
    choice.finish = kMaxRecordNumber;
    choice.entire = true;
    ScriptedMessages quiet;
    const std::string textPath = shop->dir.path("INVENTOR.TXT");
    if (!exportRecords(*shop, choice, textPath, quiet))
        bench::fail("cannot export the items to import");
    std::optional<ImportSource> read = readImportSource(textPath, quiet);
    if (!read)
        bench::fail("cannot read the export back");
    source = std::move(*read);

    benchmark::Initialize(&argc, argv);
    bench::TimingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const double plain = reporter.milliseconds("BM_WriteFilmPlainly");
    const double import = reporter.milliseconds("BM_ImportItemLines");
    std::printf("\nimport of %d item lines against writing film.dat plainly\n", kItems);
    std::printf("plain write        %9.1f ms\n", plain);
    std::printf("import             %9.1f ms   %.1fx the plain write\n", import,
        plain > 0 ? import / plain : 0.0);
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
    return 0;
}
