// Completing a paid sale with 100000 items on file and a busy year's 300000
// transactions in the year index: the time of ringing up and
// completing a 5-line cash sale, and of the completion alone, against the
// same bytes written the plain way - the year index entry, the sale record
// and its lines appended, the five item records read and rewritten, the log
// block appended and wr.cfg written anew - once with no sync at all and once
// with every file synced, both without the journal.
//
// The data set is built in a temporary folder at start and removed at the
// end. The completion syncs to the disk, so the figures depend on the disk
// under the temporary folder much more than on the processor.

#include "platform/clock.h"
#include "platform/data_dir.h"
#include "platform/file.h"
#include "platform/file_access.h"
#include "platform/scripted_messages.h"
#include "store/activity_log.h"
#include "store/data_set.h"
#include "store/fixed_text.h"
#include "store/item_record.h"
#include "store/till_config_file.h"
#include "sales/logic/archive_folders.h"
#include "sales/logic/archive_records.h"
#include "sales/logic/basket.h"
#include "sales/logic/complete_transaction.h"
#include "sales/logic/item_entry.h"
#include "sales/logic/null_basket_view.h"
#include "sales/logic/sales_archive.h"
#include "sales/logic/till_state.h"

#include "bench_summary.h"

#include <benchmark/benchmark.h>

#include <cinttypes>
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
constexpr int kLinesPerSale = 5;
constexpr int kYearSoFar = 300000; // transactions already in the year index
constexpr LocalTime kDay { 2026, 3, 5, 10, 0, 0 };

struct SaleShop {
    std::string folder;
    std::unique_ptr<TillState> state;
    std::vector<int64_t> numbers; // live item numbers
    std::vector<int64_t> slots; // their slots
    Basket basket {};
    Basket saved {};
    NullBasketView view;
    ScriptedMessages messages;
    std::unique_ptr<ItemEntry> entry;
    std::mt19937_64 random { 5 };
};

SaleShop *shop = nullptr;

void fail(const char *what)
{
    std::fprintf(stderr, "%s\n", what);
    std::exit(1);
}

// A new data set whose film.dat holds 100000 items in rising number order,
// with plenty of stock, and today's archive folders.
void buildShop()
{
    shop = new SaleShop;
    std::string pattern
        = (std::filesystem::temp_directory_path() / "ovix-complete-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        fail("cannot make a temporary folder");
    shop->folder = pattern;
    shop->state = std::make_unique<TillState>(pattern);
    TillState &state = *shop->state;
    ScriptedMessages quiet;
    setFixedLocalTime(kDay);
    if (!createDataSet(state.dir, kDay, "$", quiet)
        || !loadTillConfig(state.dir, state.config, quiet)
        || !ensureArchiveFolders(state.dir, kDay))
        fail("cannot create the data set");

    std::string film;
    film.reserve(static_cast<size_t>(kItems) * kItemRecordSize);
    for (int slot = 0; slot < kItems; ++slot) {
        ItemRecord record {};
        record.number = 1000 + slot * 3;
        writeText(record.description, "ITEM " + std::to_string(record.number));
        record.quantity = 1000000;
        record.tax = slot % 3 == 0 ? 0 : 1;
        record.retail_price = static_cast<float>(1 + slot % 2000) / 100.0f;
        record.cost_price = record.retail_price / 2;
        record.display_category = slot % 18;
        film.append(reinterpret_cast<const char *>(&record), sizeof record);
        shop->numbers.push_back(record.number);
        shop->slots.push_back(slot);
    }
    if (!replaceFileAtomically(state.dir.path(kItemFileName), film))
        fail("cannot write film.dat");
    if (!state.items.load(quiet) || !state.customers.load(quiet))
        fail("cannot load the record files");

    // The year so far; the sale's number is checked against it.
    std::string index(kYearIndexHeaderSize, '\0');
    for (int32_t number = 1; number <= kYearSoFar; ++number) {
        const YearIndexEntry entry { number, 1 + number % 28, 1 + number % 2 };
        index.append(reinterpret_cast<const char *>(&entry), sizeof entry);
    }
    if (!replaceFileAtomically(state.dir.path(yearIndexName(kDay.year)), index))
        fail("cannot write the year index");
    state.config.set(cfg::nextTransactionNumber, kYearSoFar + 1);
    state.config.set(cfg::currentClerk, 1);
    if (!storeTillConfig(state.dir, state.config))
        fail("cannot store wr.cfg");
    SaleShop &own = *shop;
    own.entry = std::make_unique<ItemEntry>(state, own.basket, own.saved, own.view, own.messages);
}

// Five random items rung up by number and paid in cash.
void ringUpCashSale(benchmark::State &state)
{
    clearBasket(shop->basket);
    for (int line = 0; line < kLinesPerSale; ++line) {
        const int64_t number = shop->numbers[shop->random() % shop->numbers.size()];
        if (!shop->entry->addItem(number, {}))
            state.SkipWithError(shop->messages.lastText().c_str());
    }
    Basket &basket = shop->basket;
    writeText(basket.paymentType, "Cash");
    basket.setTotal(BasketTotal::CashPart, basket.total(BasketTotal::Total));
}

void complete(benchmark::State &state)
{
    if (completeTransaction(*shop->state, shop->basket, shop->messages)
        != CompletionResult::Archived)
        state.SkipWithError(shop->messages.lastText().c_str());
}

void BM_RingUpAndCompleteCashSale(benchmark::State &state)
{
    for (auto _ : state) {
        ringUpCashSale(state);
        complete(state);
    }
}

void BM_CompleteOnly(benchmark::State &state)
{
    for (auto _ : state) {
        state.PauseTiming();
        ringUpCashSale(state);
        state.ResumeTiming();
        complete(state);
    }
}

// The bytes one 5-line sale writes, written without the journal.
struct PlainSale {
    YearIndexEntry entry {};
    TransactionRecord transaction {};
    SoldItemRecord lines[kLinesPerSale] {};
    std::string log;
};

PlainSale plainSale()
{
    PlainSale sale;
    sale.entry = { 7, kDay.day, kDay.month };
    sale.transaction.transactionNumber = 7;
    sale.transaction.lineCount = kLinesPerSale;
    writeText(sale.transaction.paymentType, "Cash");
    for (SoldItemRecord &line : sale.lines) {
        line.transactionNumber = 7;
        writeText(line.description, "ITEM 1000");
    }
    sale.log = "\r\n10:00 05/03/2026 Sale: 7, Total: 12.59\r\n";
    for (int line = 0; line < kLinesPerSale; ++line)
        sale.log += "1000  ITEM 1000\r\n";
    sale.log += "Clerk: 1, Administrator   Items: 5\r\nPayment type: Cash\r\n";
    return sale;
}

bool appendPlain(const std::string &path, const void *bytes, size_t size, bool sync)
{
    File file = File::open(path, File::Mode::Append);
    return file.isOpen() && file.append(bytes, size) && (!sync || file.sync()) && file.close();
}

bool writePlainSale(const PlainSale &sale, bool sync)
{
    const DataDir &dir = shop->state->dir;
    bool ok = appendPlain(dir.path(yearIndexName(kDay.year)), &sale.entry, sizeof sale.entry, sync)
        && appendPlain(dir.path(dayFileName(kDay.year, kDay.month, kDay.day, kSalesLogName)),
            &sale.transaction, sizeof sale.transaction, sync);
    File items = File::open(
        dir.path(dayFileName(kDay.year, kDay.month, kDay.day, kItemsLogName)), File::Mode::Append);
    for (const SoldItemRecord &line : sale.lines)
        ok = ok && items.append(&line, sizeof line);
    ok = ok && (!sync || items.sync()) && items.close();

    File film = File::open(dir.path(kItemFileName), File::Mode::ReadWrite);
    ItemRecord record;
    for (int line = 0; line < kLinesPerSale; ++line) {
        const int64_t offset = shop->slots[shop->random() % shop->slots.size()]
            * static_cast<int64_t>(kItemRecordSize);
        ok = ok && film.readAt(offset, &record, sizeof record);
        record.total_sold = record.total_sold + 1;
        ok = ok && film.writeAt(offset, &record, sizeof record);
    }
    ok = ok && (!sync || film.sync()) && film.close();
    ok = ok && appendPlain(dir.path(kCurrentLogName), sale.log.data(), sale.log.size(), sync);
    if (sync) {
        ok = ok && storeTillConfig(dir, shop->state->config);
    } else {
        File config = File::open(dir.path(kTillConfigFileName), File::Mode::Truncate);
        ok = ok && config.writeAt(0, shop->state->config.bytes().data(), kTillConfigSize)
            && config.close();
    }
    return ok;
}

void BM_PlainWrites(benchmark::State &state)
{
    const PlainSale sale = plainSale();
    for (auto _ : state) {
        if (!writePlainSale(sale, false))
            state.SkipWithError("a plain write failed");
    }
}

void BM_PlainWritesSynced(benchmark::State &state)
{
    const PlainSale sale = plainSale();
    for (auto _ : state) {
        if (!writePlainSale(sale, true))
            state.SkipWithError("a plain write failed");
    }
}

void BM_RingUpOnly(benchmark::State &state)
{
    for (auto _ : state)
        ringUpCashSale(state);
    clearBasket(shop->basket);
}

// A synced sale takes milliseconds: a fixed count keeps the run short.
BENCHMARK(BM_RingUpAndCompleteCashSale)->Unit(benchmark::kMicrosecond)->Iterations(200);
BENCHMARK(BM_CompleteOnly)->Unit(benchmark::kMicrosecond)->Iterations(200);
BENCHMARK(BM_RingUpOnly)->Unit(benchmark::kMicrosecond)->MinTime(0.5);
BENCHMARK(BM_PlainWrites)->Unit(benchmark::kMicrosecond)->Iterations(500);
BENCHMARK(BM_PlainWritesSynced)->Unit(benchmark::kMicrosecond)->Iterations(200);

// The writes (appends, rewrites, truncations, renames, deletions) and syncs
// of one completion, and of the same bytes written plainly with syncs.
std::pair<int, int> countPlainSynced()
{
    FaultyFileAccess counting;
    setFileAccess(&counting);
    const bool done = writePlainSale(plainSale(), true);
    setFileAccess(nullptr);
    return done ? std::pair { counting.writes(), counting.syncs() } : std::pair { 0, 0 };
}

std::pair<int, int> countOneCompletion()
{
    clearBasket(shop->basket);
    for (int line = 0; line < kLinesPerSale; ++line)
        shop->entry->addItem(shop->numbers[static_cast<size_t>(line) * 7919], {});
    writeText(shop->basket.paymentType, "Cash");
    FaultyFileAccess counting;
    setFileAccess(&counting);
    const bool done = completeTransaction(*shop->state, shop->basket, shop->messages)
        == CompletionResult::Archived;
    setFileAccess(nullptr);
    return done ? std::pair { counting.writes(), counting.syncs() } : std::pair { 0, 0 };
}

void printSummary(const bench::TimingReporter &timings)
{
    auto time = [&](const char *name) { return timings.microseconds(name); };
    auto ratio = [](double a, double b) { return b > 0 ? a / b : 0.0; };
    const double sale = time("BM_RingUpAndCompleteCashSale");
    const double completion = time("BM_CompleteOnly");
    const double plain = time("BM_PlainWrites");
    const double synced = time("BM_PlainWritesSynced");
    std::printf("\n%" PRId64 " items on file; %d transactions in the year index before; "
                "%d-line cash sales; folder %s\n",
        shop->state->items.liveCount(), kYearSoFar, kLinesPerSale, shop->folder.c_str());
    std::printf("ring up and complete one sale       %12.1f us\n", sale);
    std::printf("  ring up alone (5 x AddItem)       %12.1f us\n", time("BM_RingUpOnly"));
    std::printf("  completion alone                  %12.1f us\n", completion);
    std::printf("same bytes, plain, no sync          %12.1f us   completion is %.1fx\n", plain,
        ratio(completion, plain));
    std::printf("same bytes, plain, each file synced %12.1f us   completion is %.2fx\n", synced,
        ratio(completion, synced));
    const auto [writes, syncs] = countOneCompletion();
    const auto [plainWrites, plainSyncs] = countPlainSynced();
    std::printf("one completion: %d writes, %d syncs; plain and synced: %d writes, %d syncs\n",
        writes, syncs, plainWrites, plainSyncs);
}

} // namespace

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    buildShop();
    bench::TimingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    printSummary(reporter);
    setFixedLocalTime(std::nullopt);
    std::error_code ignored;
    std::filesystem::remove_all(shop->folder, ignored);
    benchmark::Shutdown();
    return 0;
}
