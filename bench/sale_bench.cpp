// Ringing items up with 100000 items on file: the time of one AddItem by item
// number, by barcode through the SKU 1 look-up of the item index, and by
// barcode the plain way (film.dat read slot by slot until the SKU 1 matches,
// then the line added as by number).
//
// The data set is built in a temporary folder at start and removed at the end;
// film.dat stays in the page cache, so the figures are for a warm cache. The
// basket is emptied whenever it is full (once per 400 additions).

#include "platform/clock.h"
#include "platform/data_dir.h"
#include "platform/file.h"
#include "platform/scripted_messages.h"
#include "store/data_set.h"
#include "store/fixed_text.h"
#include "store/item_record.h"
#include "store/till_config_file.h"
#include "sales/logic/basket.h"
#include "sales/logic/item_entry.h"
#include "sales/logic/null_basket_view.h"
#include "sales/logic/till_state.h"

#include "bench_shop.h"
#include "bench_summary.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <cstring>
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

struct SaleShop {
    std::string folder;
    std::unique_ptr<TillState> state;
    std::vector<int64_t> numbers; // live item numbers, in a shuffled order
    std::vector<std::string> barcodes; // their SKU 1 codes, in the same order
    Basket basket {};
    Basket saved {};
    NullBasketView view;
    ScriptedMessages messages;
    std::unique_ptr<ItemEntry> entry;
};

SaleShop *shop = nullptr;

// A new data set whose film.dat holds 100000 taxable items in rising number
// order, every one with a 13-digit SKU 1, and one free slot in a hundred.
void buildShop()
{
    shop = new SaleShop;
    std::mt19937_64 random(4);
    const std::vector<int64_t> live
        = bench::makeBenchShop("ovix-sale", shop->folder, shop->state, kItems, random, true);
    TillState &state = *shop->state;
    for (int64_t number : live) {
        shop->numbers.push_back(number);
        shop->barcodes.push_back(bench::benchBarcode(number));
    }

    // The same items picked in a fixed random order by every benchmark.
    std::vector<size_t> order(shop->numbers.size());
    for (size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::shuffle(order.begin(), order.end(), random);
    std::vector<int64_t> numbers;
    std::vector<std::string> barcodes;
    for (size_t i : order) {
        numbers.push_back(shop->numbers[i]);
        barcodes.push_back(shop->barcodes[i]);
    }
    shop->numbers = std::move(numbers);
    shop->barcodes = std::move(barcodes);

    state.config.set(cfg::taxOneActive, 2);
    state.config.set(cfg::taxOneRate, 1750);
    state.config.set(cfg::permitShortStock, 0);
    state.config.set(cfg::soundOff, 0);
    SaleShop &s = *shop;
    s.entry = std::make_unique<ItemEntry>(state, s.basket, s.saved, s.view, s.messages);
}

void emptyWhenFull()
{
    if (shop->basket.lineCount >= kBasketLineCapacity)
        clearBasket(shop->basket);
}

void checkAdded(benchmark::State &state, bool added)
{
    if (!added)
        state.SkipWithError(shop->messages.lastText().c_str());
}

// The barcode look-up read from film.dat: every slot in turn, skipping free
// ones by their description prefix, until one's SKU 1 is the text.
int64_t scanForSku1(const std::string &text)
{
    const ItemIndex &items = shop->state->items;
    File file = File::open(shop->state->dir.path(kItemFileName), File::Mode::Read);
    ItemRecord record;
    for (int64_t slot = 0; slot < items.slotCount(); ++slot) {
        if (items.key(slot)[0] == '\0')
            continue;
        if (!file.readAt(slot * static_cast<int64_t>(kItemRecordSize), &record, sizeof record))
            return 0;
        if (readText(record.sku1) == text)
            return record.number;
    }
    return 0;
}

void BM_AddItemByNumber(benchmark::State &state)
{
    shop->state->config.set(cfg::skuOneEntry, 0);
    clearBasket(shop->basket);
    size_t i = 0;
    for (auto _ : state) {
        emptyWhenFull();
        const int64_t number = shop->numbers[i++ % shop->numbers.size()];
        checkAdded(state, shop->entry->addItem(number, {}));
    }
}

void BM_AddItemByBarcode(benchmark::State &state)
{
    shop->state->config.set(cfg::skuOneEntry, 2);
    clearBasket(shop->basket);
    size_t i = 0;
    for (auto _ : state) {
        emptyWhenFull();
        const std::string &barcode = shop->barcodes[i++ % shop->barcodes.size()];
        checkAdded(state, shop->entry->addItem(0, barcode));
    }
}

void BM_AddItemByBarcodeSlotScan(benchmark::State &state)
{
    shop->state->config.set(cfg::skuOneEntry, 2);
    clearBasket(shop->basket);
    size_t i = 0;
    for (auto _ : state) {
        emptyWhenFull();
        const std::string &barcode = shop->barcodes[i++ % shop->barcodes.size()];
        const int64_t number = scanForSku1(barcode);
        checkAdded(state, number > 0 && shop->entry->addItem(number, {}));
    }
}

// Only the look-ups, for comparison with the whole AddItem.
void BM_FindBySku1(benchmark::State &state)
{
    size_t i = 0;
    for (auto _ : state) {
        const std::string &barcode = shop->barcodes[i++ % shop->barcodes.size()];
        benchmark::DoNotOptimize(shop->state->items.findBySku1(barcode));
    }
}

void BM_ScanForSku1(benchmark::State &state)
{
    size_t i = 0;
    for (auto _ : state) {
        const std::string &barcode = shop->barcodes[i++ % shop->barcodes.size()];
        benchmark::DoNotOptimize(scanForSku1(barcode));
    }
}

BENCHMARK(BM_AddItemByNumber)->Unit(benchmark::kMicrosecond)->MinTime(1.0);
BENCHMARK(BM_AddItemByBarcode)->Unit(benchmark::kMicrosecond)->MinTime(1.0);
BENCHMARK(BM_AddItemByBarcodeSlotScan)->Unit(benchmark::kMicrosecond)->MinTime(3.0);
BENCHMARK(BM_FindBySku1)->Unit(benchmark::kMicrosecond)->MinTime(0.5);
BENCHMARK(BM_ScanForSku1)->Unit(benchmark::kMicrosecond)->MinTime(3.0);

void printSummary(const bench::TimingReporter &timings)
{
    auto time = [&](const char *name) { return timings.microseconds(name); };
    const double byNumber = time("BM_AddItemByNumber");
    const double byBarcode = time("BM_AddItemByBarcode");
    const double byScan = time("BM_AddItemByBarcodeSlotScan");
    const ItemIndex &items = shop->state->items;
    std::printf("\n%" PRId64 " items in %" PRId64 " slots (%" PRId64 " free); warm page cache\n",
        items.liveCount(), items.slotCount(), items.freeCount());
    std::printf("AddItem by number                     %12.2f us\n", byNumber);
    std::printf("AddItem by barcode (SKU 1 look-up)    %12.2f us   %8.2fx the time by number\n",
        byBarcode, byNumber > 0 ? byBarcode / byNumber : 0);
    std::printf("AddItem by barcode (slot scan)        %12.2f us   %8.1fx the time by number\n",
        byScan, byNumber > 0 ? byScan / byNumber : 0);
    std::printf(
        "barcode: slot scan / SKU 1 look-up    %12.1fx\n", byBarcode > 0 ? byScan / byBarcode : 0);
    std::printf("look-up alone: SKU 1 map %.3f us, slot scan %.2f us\n", time("BM_FindBySku1"),
        time("BM_ScanForSku1"));
}

} // namespace

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    buildShop();
    bench::TimingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    printSummary(reporter);
    std::error_code ignored;
    std::filesystem::remove_all(shop->folder, ignored);
    benchmark::Shutdown();
    return 0;
}
