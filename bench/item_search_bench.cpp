// How the item searches perform on a film.dat of 100000 items: each search
// (description prefix, fragment, advanced, SKUs) against the plain walk that
// reads one record per slot (bench/literal_item_search.h), in one run, with
// the figures printed as ratios. Before timing, every search's result list is
// checked to be the walk's, item for item.
//
// The data set is built in a temporary folder at start and removed at the
// end; the file stays in the page cache, so the figures are for a warm cache.

#include "inventory/logic/item_search.h"
#include "platform/data_dir.h"
#include "platform/file.h"
#include "platform/scripted_messages.h"
#include "store/record_kinds.h"

#include "bench_summary.h"
#include "literal_item_search.h"
#include "search_film.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <random>
#include <string>

using namespace ovix;

namespace {

constexpr int kItems = 100000;

struct DataSet {
    std::string folder;
    std::unique_ptr<DataDir> dir;
    std::unique_ptr<ItemIndex> items;
};

DataSet *data = nullptr;

void buildDataSet()
{
    data = new DataSet;
    std::string pattern = (std::filesystem::temp_directory_path() / "ovix-search-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        std::exit(1);
    data->folder = pattern;
    data->dir = std::make_unique<DataDir>(pattern);
    std::mt19937_64 random(14);
    if (!replaceFileAtomically(data->dir->path(kItemFileName), searchfilm::makeFilm(kItems, random))) {
        std::fprintf(stderr, "cannot write film.dat\n");
        std::exit(1);
    }
    ScriptedMessages quiet;
    data->items = std::make_unique<ItemIndex>(*data->dir);
    if (!data->items->load(quiet)) {
        std::fprintf(stderr, "cannot load film.dat\n");
        std::exit(1);
    }
}

AdvancedSearch advancedSearch()
{
    AdvancedSearch search;
    search.description = "TEA";
    search.skus[0] = "7K";
    search.skus[1] = "-A";
    return search;
}

bool sameMatches(const ItemSearchResult &a, const ItemSearchResult &b)
{
    if (a.status != b.status || a.matches.size() != b.matches.size())
        return false;
    for (size_t i = 0; i < a.matches.size(); ++i) {
        const ItemMatch &x = a.matches[i];
        const ItemMatch &y = b.matches[i];
        if (x.number != y.number || x.slot != y.slot || x.description != y.description)
            return false;
    }
    return true;
}

// Every search finds what the walk finds, or the figures mean nothing.
void checkResults()
{
    const ItemIndex &items = *data->items;
    const bool same = sameMatches(searchByDescription(items, "B?L"), literal::byDescription(items, "B?L"))
        && sameMatches(searchThatContain(items, "CHEESE"), literal::thatContain(items, "CHEESE"))
        && sameMatches(searchAdvanced(items, advancedSearch()), literal::advanced(items, advancedSearch()))
        && sameMatches(searchInSkus(items, "7K"), literal::inSkus(items, "7K"));
    if (!same) {
        std::fprintf(stderr, "a search differs from the plain walk\n");
        std::exit(1);
    }
}

template <typename Search> void run(benchmark::State &state, Search search)
{
    size_t found = 0;
    for (auto _ : state) {
        const ItemSearchResult result = search(*data->items);
        if (result.status != ItemSearchResult::Status::Complete)
            state.SkipWithError("the search failed");
        found = result.matches.size();
        benchmark::DoNotOptimize(result.matches.data());
    }
    state.counters["found"] = static_cast<double>(found);
}

void BM_PrefixOurs(benchmark::State &state)
{
    run(state, [](const ItemIndex &items) { return searchByDescription(items, "B?L"); });
}
void BM_PrefixPlain(benchmark::State &state)
{
    run(state, [](const ItemIndex &items) { return literal::byDescription(items, "B?L"); });
}
void BM_ContainsOurs(benchmark::State &state)
{
    run(state, [](const ItemIndex &items) { return searchThatContain(items, "CHEESE"); });
}
void BM_ContainsPlain(benchmark::State &state)
{
    run(state, [](const ItemIndex &items) { return literal::thatContain(items, "CHEESE"); });
}
void BM_AdvancedOurs(benchmark::State &state)
{
    run(state, [](const ItemIndex &items) { return searchAdvanced(items, advancedSearch()); });
}
void BM_AdvancedPlain(benchmark::State &state)
{
    run(state, [](const ItemIndex &items) { return literal::advanced(items, advancedSearch()); });
}
void BM_SkusOurs(benchmark::State &state)
{
    run(state, [](const ItemIndex &items) { return searchInSkus(items, "7K"); });
}
void BM_SkusPlain(benchmark::State &state)
{
    run(state, [](const ItemIndex &items) { return literal::inSkus(items, "7K"); });
}

BENCHMARK(BM_PrefixOurs)->Unit(benchmark::kMillisecond)->MinTime(0.5);
BENCHMARK(BM_PrefixPlain)->Unit(benchmark::kMillisecond)->MinTime(0.5);
BENCHMARK(BM_ContainsOurs)->Unit(benchmark::kMillisecond)->MinTime(0.5);
BENCHMARK(BM_ContainsPlain)->Unit(benchmark::kMillisecond)->MinTime(0.5);
BENCHMARK(BM_AdvancedOurs)->Unit(benchmark::kMillisecond)->MinTime(0.5);
BENCHMARK(BM_AdvancedPlain)->Unit(benchmark::kMillisecond)->MinTime(0.5);
BENCHMARK(BM_SkusOurs)->Unit(benchmark::kMillisecond)->MinTime(0.5);
BENCHMARK(BM_SkusPlain)->Unit(benchmark::kMillisecond)->MinTime(0.5);

void printSummary(const bench::TimingReporter &timings)
{
    const auto line = [&](const char *what, const char *ours, const char *plain) {
        const double a = timings.milliseconds(ours);
        const double b = timings.milliseconds(plain);
        std::printf("%-36s %10.2f ms %10.2f ms   %6.1fx faster\n", what, a, b, a > 0 ? b / a : 0);
    };
    std::printf("\n%lld items in %lld slots of film.dat (%lld free); warm page cache; "
                "every result list identical to the plain walk's\n",
        static_cast<long long>(data->items->liveCount()),
        static_cast<long long>(data->items->slotCount()),
        static_cast<long long>(data->items->freeCount()));
    std::printf("%-36s %13s %13s\n", "", "ours", "plain walk");
    line("description prefix \"B?L\"", "BM_PrefixOurs", "BM_PrefixPlain");
    line("that contain \"CHEESE\"", "BM_ContainsOurs", "BM_ContainsPlain");
    line("advanced (any of TEA, 7K, -A)", "BM_AdvancedOurs", "BM_AdvancedPlain");
    line("in SKUs \"7K\" (number order)", "BM_SkusOurs", "BM_SkusPlain");
}

} // namespace

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    buildDataSet();
    checkResults();
    bench::TimingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    printSummary(reporter);
    std::error_code ignored;
    std::filesystem::remove_all(data->folder, ignored);
    benchmark::Shutdown();
    return 0;
}
