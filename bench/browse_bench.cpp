// The browse window's page step with 100000 items on file: thirteen rows
// filled from the item index (each record read at its slot, as the screen
// list reads it) against reading the same thirteen records directly from one
// open film.dat. Also the worst page a filtered list can meet: a category no
// item has, so that one page walks the whole file.

#include "platform/file.h"
#include "platform/scripted_messages.h"
#include "reports/logic/browse_lists.h"
#include "store/item_record.h"
#include "sales/logic/till_state.h"

#include "bench_shop.h"
#include "bench_summary.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <random>
#include <string>
#include <vector>

using namespace ovix;

namespace {

constexpr int kItems = 100000;

struct Data {
    std::string folder;
    std::unique_ptr<TillState> state;
    std::vector<int64_t> numbers;
};
std::unique_ptr<Data> data;

void buildDataSet()
{
    data = std::make_unique<Data>();
    std::mt19937_64 random(44);
    data->numbers = bench::makeBenchShop("ovix-browse", data->folder, data->state, kItems, random, false);
}

// Start numbers spread over the file, the same for both benchmarks.
int64_t startNumber(size_t step)
{
    return data->numbers[(step * 7919) % (data->numbers.size() - 13)];
}

void BM_PageStep(benchmark::State &state)
{
    ScriptedMessages messages;
    size_t step = 0;
    for (auto _ : state) {
        BrowseList list = itemsFromNumber(*data->state, startNumber(step++), true);
        if (!list.open(messages) || list.rows().size() != kBrowseRows)
            state.SkipWithError("the page did not fill");
        benchmark::DoNotOptimize(list.rows().data());
    }
}
BENCHMARK(BM_PageStep);

void BM_MoreAndBack(benchmark::State &state)
{
    ScriptedMessages messages;
    BrowseList list = itemsFromNumber(*data->state, 1, true);
    list.open(messages);
    bool forward = true;
    for (auto _ : state) {
        // Two hundred pages on, then two hundred back, and so on.
        if (forward ? !list.more(messages) : !list.back(messages))
            state.SkipWithError("paging stopped");
        if (list.pageStarts().size() == kBrowsePageStarts || !list.offersBack())
            forward = !forward;
    }
}
BENCHMARK(BM_MoreAndBack);

void BM_ReadThirteenDirect(benchmark::State &state)
{
    const ItemIndex &items = data->state->items;
    size_t step = 0;
    ItemRecord records[kBrowseRows];
    for (auto _ : state) {
        File film = File::open(items.filePath(), File::Mode::Read);
        size_t position = items.find(startNumber(step++));
        for (ItemRecord &record : records) {
            const int64_t slot = items.index()[position++].slot;
            if (!film.readAt(slot * static_cast<int64_t>(kItemRecordSize), &record, sizeof record))
                state.SkipWithError("read failed");
        }
        benchmark::DoNotOptimize(records);
    }
}
BENCHMARK(BM_ReadThirteenDirect);

void BM_EmptyCategoryWalksTheFile(benchmark::State &state)
{
    ScriptedMessages messages;
    for (auto _ : state) {
        BrowseList list = itemsByCategory(*data->state, 18, true);
        if (list.open(messages))
            state.SkipWithError("the category is not empty");
    }
}
BENCHMARK(BM_EmptyCategoryWalksTheFile)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    buildDataSet();
    bench::TimingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const double page = reporter.microseconds("BM_PageStep");
    const double direct = reporter.microseconds("BM_ReadThirteenDirect");
    std::printf("\n%d items; warm page cache\n", kItems);
    std::printf("page step (13 rows from the index)   %10.2f us\n", page);
    std::printf("More or Back                         %10.2f us\n",
        reporter.microseconds("BM_MoreAndBack"));
    std::printf("the same 13 records read directly    %10.2f us; the page step is %.2fx that\n",
        direct, direct > 0 ? page / direct : 0);
    std::printf("a category no item has (whole walk)  %10.2f ms\n",
        reporter.milliseconds("BM_EmptyCategoryWalksTheFile"));
    std::error_code ignored;
    std::filesystem::remove_all(data->folder, ignored);
    benchmark::Shutdown();
    return 0;
}
