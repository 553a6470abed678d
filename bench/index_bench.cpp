// How the record indexes perform on a large shop: 100000 items and 100000
// customers, against the plain way of keeping them (an array walked from the
// front, loaded record by record and put in order by insertion, entries
// shifted one by one, barcodes found by reading every slot).
//
// The data set is built in a temporary folder at start and removed at the end;
// the files stay in the page cache, so the figures are for a warm cache.

#include "platform/data_dir.h"
#include "platform/file.h"
#include "platform/scripted_messages.h"
#include "store/customer_record.h"
#include "store/fixed_text.h"
#include "store/item_record.h"
#include "store/record_kinds.h"

#include "bench_summary.h"

#include <benchmark/benchmark.h>

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
constexpr int kCustomers = 100000;

struct DataSet {
    std::string folder;
    std::unique_ptr<DataDir> dir;
    std::vector<int64_t> itemNumbers; // live item numbers
    std::vector<std::string> barcodes; // sku1 texts to look up
};

DataSet *data = nullptr;

// Numbers by slot as a shop's history leaves them: new records get rising
// numbers and go to the end of the file, except that now and then one is
// deleted and the next new record takes its slot. So the file is mostly in
// ascending order with a few percent of records out of place, and some free
// slots remain.
std::vector<int64_t> historyOfNumbers(int count, std::mt19937_64 &random)
{
    std::vector<int64_t> bySlot;
    std::vector<size_t> freeSlots; // in the order they were freed
    std::vector<size_t> liveSlots;
    int64_t next = 1000;
    int live = 0;
    // One percent more than wanted, taken out again at the end, so that some
    // free slots are left scattered through the file.
    const int extra = count / 100;
    while (live < count + extra) {
        if (live > 100 && random() % 100 < 3) {
            size_t pick = random() % liveSlots.size();
            size_t slot = liveSlots[pick];
            liveSlots[pick] = liveSlots.back();
            liveSlots.pop_back();
            bySlot[slot] = -1;
            freeSlots.push_back(slot);
            --live;
            continue;
        }
        next += 1 + static_cast<int64_t>(random() % 50);
        size_t slot;
        if (!freeSlots.empty() && random() % 100 < 90) {
            slot = freeSlots.front();
            freeSlots.erase(freeSlots.begin());
            bySlot[slot] = next;
        } else {
            slot = bySlot.size();
            bySlot.push_back(next);
        }
        liveSlots.push_back(slot);
        ++live;
    }
    for (int i = 0; i < extra; ++i) {
        size_t pick = random() % liveSlots.size();
        bySlot[liveSlots[pick]] = -1;
        liveSlots[pick] = liveSlots.back();
        liveSlots.pop_back();
    }
    return bySlot;
}

void writeFile(const std::string &path, const std::string &bytes)
{
    if (!replaceFileAtomically(path, bytes)) {
        std::fprintf(stderr, "cannot write %s\n", path.c_str());
        std::exit(1);
    }
}

void buildDataSet()
{
    data = new DataSet;
    std::string pattern = (std::filesystem::temp_directory_path() / "ovix-bench-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        std::exit(1);
    data->folder = pattern;
    data->dir = std::make_unique<DataDir>(pattern);
    std::mt19937_64 random(100000);

    const std::vector<int64_t> items = historyOfNumbers(kItems, random);
    std::string film(items.size() * kItemRecordSize, '\0');
    for (size_t slot = 0; slot < items.size(); ++slot) {
        ItemRecord record {};
        record.number = items[slot];
        if (record.number > 0) {
            writeText(record.description, "ITEM " + std::to_string(record.number));
            data->itemNumbers.push_back(record.number);
            if (random() % 3 == 0) {
                std::string barcode = std::to_string(5000000000000 + record.number);
                writeText(record.sku1, barcode);
                if (random() % 16 == 0)
                    data->barcodes.push_back(barcode);
            }
        }
        std::memcpy(film.data() + slot * kItemRecordSize, &record, sizeof record);
    }
    writeFile(data->dir->path(kItemFileName), film);

    const std::vector<int64_t> customers = historyOfNumbers(kCustomers, random);
    std::string member(customers.size() * kCustomerRecordSize, '\0');
    for (size_t slot = 0; slot < customers.size(); ++slot) {
        CustomerRecord record {};
        record.number = customers[slot];
        if (record.number > 0)
            writeText(record.name, "CUSTOMER " + std::to_string(record.number));
        std::memcpy(member.data() + slot * kCustomerRecordSize, &record, sizeof record);
    }
    writeFile(data->dir->path(kCustomerFileName), member);
}

// ---- The plain way, as a baseline -------------------------------------------

// A terminated array (number 0 ends it) searched from the front.
struct PlainIndex {
    std::vector<IndexEntry> entries; // ends with {0, 0}
    std::vector<char> prefixes;
    int64_t slots = 0;
    int64_t free = 0;

    size_t find(int64_t key) const
    {
        size_t p = 0;
        while (entries[p].number != 0 && entries[p].number < key)
            ++p;
        return p;
    }

    void insert(int64_t number)
    {
        size_t p = find(number);
        entries.insert(entries.begin() + static_cast<std::ptrdiff_t>(p), IndexEntry {});
        if (free > 0) {
            entries[p] = { number, entries[0].slot };
            for (size_t i = 0; i + 1 < entries.size(); ++i)
                entries[i] = entries[i + 1];
            entries.pop_back();
            --free;
        } else {
            entries[p] = { number, slots++ };
        }
    }

    void remove(size_t d)
    {
        size_t f = 0;
        while (entries[f].number == -1)
            ++f;
        const int64_t slot = entries[d].slot;
        for (size_t i = d; i > f; --i)
            entries[i] = entries[i - 1];
        entries[f] = { -1, slot };
        ++free;
    }
};

// Reads the file one record per read and sorts the entries by insertion.
bool plainLoad(const std::string &path, size_t recordSize, PlainIndex &index)
{
    File file = File::open(path, File::Mode::Read);
    const int64_t size = file.size();
    if (size <= 0 || size % static_cast<int64_t>(recordSize) != 0)
        return false;
    index.slots = size / static_cast<int64_t>(recordSize);
    index.entries.clear();
    index.prefixes.assign(static_cast<size_t>(index.slots) * 2, '\0');
    index.free = 0;
    std::vector<char> record(recordSize);
    for (int64_t slot = 0; slot < index.slots; ++slot) {
        if (!file.readAt(slot * static_cast<int64_t>(recordSize), record.data(), recordSize))
            return false;
        int64_t number;
        std::memcpy(&number, record.data(), 8);
        if (number <= 0)
            number = -1;
        index.entries.push_back({ number, slot });
        index.prefixes[static_cast<size_t>(slot) * 2] = record[8];
        index.prefixes[static_cast<size_t>(slot) * 2 + 1] = record[9];
        index.free += number < 0;
    }
    for (size_t i = 1; i < index.entries.size(); ++i) {
        IndexEntry key = index.entries[i];
        size_t j = i;
        while (j > 0 && index.entries[j - 1].number > key.number) {
            index.entries[j] = index.entries[j - 1];
            --j;
        }
        index.entries[j] = key;
    }
    index.entries.push_back({ 0, 0 });
    return true;
}

// The barcode look-up reading every slot in turn.
int64_t plainFindBySku1(const std::string &path, const PlainIndex &index, const std::string &text)
{
    File file = File::open(path, File::Mode::Read);
    ItemRecord record;
    for (int64_t slot = 0; slot < index.slots; ++slot) {
        if (index.prefixes[static_cast<size_t>(slot) * 2] == '\0')
            continue;
        if (!file.readAt(slot * static_cast<int64_t>(kItemRecordSize), &record, sizeof record))
            return -1;
        if (readText(record.sku1) == text)
            return slot;
    }
    return -1;
}

PlainIndex &plainItems()
{
    static PlainIndex index;
    if (index.entries.empty())
        plainLoad(data->dir->path(kItemFileName), kItemRecordSize, index);
    return index;
}

ItemIndex &ourItems()
{
    static ScriptedMessages messages;
    static ItemIndex items(*data->dir);
    if (items.slotCount() == 0 && !items.load(messages))
        std::exit(1);
    return items;
}

// ---- Benchmarks ---------------------------------------------------------------

// Both files read from start to end in 1 MiB blocks, nothing done with them:
// no load can be faster.
void BM_LoadFloorReadWhole(benchmark::State &state)
{
    std::vector<char> block(size_t(1) << 20);
    for (auto _ : state) {
        for (const char *name : { kItemFileName, kCustomerFileName }) {
            File file = File::open(data->dir->path(name), File::Mode::Read);
            int64_t offset = 0;
            int64_t n;
            while ((n = file.readSomeAt(offset, block.data(), block.size())) > 0)
                offset += n;
            benchmark::DoNotOptimize(offset);
        }
    }
}

void BM_LoadOurs(benchmark::State &state)
{
    ScriptedMessages messages;
    for (auto _ : state) {
        ItemIndex items(*data->dir);
        CustomerIndex customers(*data->dir);
        if (!items.load(messages) || !customers.load(messages))
            state.SkipWithError("load failed");
        benchmark::DoNotOptimize(items.liveCount() + customers.liveCount());
    }
}

void BM_LoadPlain(benchmark::State &state)
{
    for (auto _ : state) {
        PlainIndex items;
        PlainIndex customers;
        if (!plainLoad(data->dir->path(kItemFileName), kItemRecordSize, items)
            || !plainLoad(data->dir->path(kCustomerFileName), kCustomerRecordSize, customers))
            state.SkipWithError("load failed");
        benchmark::DoNotOptimize(items.entries.size() + customers.entries.size());
    }
}

void BM_FindOurs(benchmark::State &state)
{
    const ItemIndex &items = ourItems();
    size_t i = 0;
    for (auto _ : state) {
        const int64_t number = data->itemNumbers[(i += 7919) % data->itemNumbers.size()];
        benchmark::DoNotOptimize(items.find(number));
    }
}

void BM_FindPlain(benchmark::State &state)
{
    const PlainIndex &items = plainItems();
    size_t i = 0;
    for (auto _ : state) {
        const int64_t number = data->itemNumbers[(i += 7919) % data->itemNumbers.size()];
        benchmark::DoNotOptimize(items.find(number));
    }
}

void BM_Sku1Ours(benchmark::State &state)
{
    const ItemIndex &items = ourItems();
    size_t i = 0;
    for (auto _ : state) {
        const std::string &barcode = data->barcodes[i++ % data->barcodes.size()];
        benchmark::DoNotOptimize(items.findBySku1(barcode));
    }
}

void BM_Sku1Plain(benchmark::State &state)
{
    const PlainIndex &items = plainItems();
    const std::string path = data->dir->path(kItemFileName);
    size_t i = 0;
    for (auto _ : state) {
        const std::string &barcode = data->barcodes[(i += 37) % data->barcodes.size()];
        benchmark::DoNotOptimize(plainFindBySku1(path, items, barcode));
    }
}

// One new number entered and taken out again, in the index alone.
void BM_InsertDeleteOurs(benchmark::State &state)
{
    RecordIndex index = ourItems().index();
    int64_t number = 1;
    for (auto _ : state) {
        number = index.offerNumber(number + 997);
        size_t position = index.insert(number);
        index.markFree(position);
    }
}

void BM_InsertDeletePlain(benchmark::State &state)
{
    PlainIndex index = plainItems();
    RecordIndex offers = ourItems().index(); // same numbers, only to pick unused ones
    int64_t number = 1;
    for (auto _ : state) {
        number = offers.offerNumber(number + 997);
        index.insert(number);
        index.remove(index.find(number));
    }
}

// The same through ItemIndex: the record written to film.dat, freed again and
// the deletion logged, each file opened and closed per operation.
void BM_InsertDeleteWithFiles(benchmark::State &state)
{
    ItemIndex &items = ourItems();
    ScriptedMessages messages;
    ItemRecord record {};
    writeText(record.description, "BENCH ITEM");
    writeText(record.sku1, "BENCH");
    int64_t number = 1;
    for (auto _ : state) {
        number = items.offerNumber(number + 997);
        record.number = number;
        if (!items.insert(record, messages) || !items.remove(items.find(number), messages))
            state.SkipWithError("insert or delete failed");
    }
}

BENCHMARK(BM_LoadFloorReadWhole)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_LoadOurs)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_LoadPlain)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_FindOurs)->Unit(benchmark::kMicrosecond)->MinTime(0.5);
BENCHMARK(BM_FindPlain)->Unit(benchmark::kMicrosecond)->MinTime(0.5);
BENCHMARK(BM_Sku1Ours)->Unit(benchmark::kMicrosecond)->MinTime(0.5);
BENCHMARK(BM_Sku1Plain)->Unit(benchmark::kMicrosecond)->MinTime(1.0);
BENCHMARK(BM_InsertDeleteOurs)->Unit(benchmark::kMicrosecond)->MinTime(0.5);
BENCHMARK(BM_InsertDeletePlain)->Unit(benchmark::kMicrosecond)->MinTime(0.5);
BENCHMARK(BM_InsertDeleteWithFiles)->Unit(benchmark::kMicrosecond)->MinTime(0.5);

void printSummary(const bench::TimingReporter &timings)
{
    auto time = [&](const char *name) { return timings.microseconds(name); };
    auto line = [&](const char *what, const char *ours, const char *plain) {
        const double a = time(ours);
        const double b = time(plain);
        std::printf("%-34s %14.2f us %14.2f us   %10.1fx faster\n", what, a, b, a > 0 ? b / a : 0);
    };
    std::printf("\n%" PRId64 " items in %" PRId64 " slots (%" PRId64 " free), %d customers; "
                "files in slot order, numbers mostly ascending; warm page cache\n",
        ourItems().liveCount(), ourItems().slotCount(), ourItems().freeCount(), kCustomers);
    std::printf("%-34s %17s %17s   %17s\n", "", "ours", "plain", "");
    line("load items + customers", "BM_LoadOurs", "BM_LoadPlain");
    line("find by number", "BM_FindOurs", "BM_FindPlain");
    line("SKU 1 look-up", "BM_Sku1Ours", "BM_Sku1Plain");
    line("insert + delete (index only)", "BM_InsertDeleteOurs", "BM_InsertDeletePlain");
    const double floor = time("BM_LoadFloorReadWhole");
    std::printf("reading both files whole (floor)   %14.2f us; our load is %.2fx the floor\n",
        floor, floor > 0 ? time("BM_LoadOurs") / floor : 0);
    std::printf("insert + delete with film.dat writes and the log line: %.2f us\n",
        time("BM_InsertDeleteWithFiles"));
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
