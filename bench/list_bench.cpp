// The alphabetical inventory list of 100000 items: f2.dat built with one
// sort against the same file built pass by pass, for each first character
// and each second character, reading every item of a group on its own as the
// shop always did. Both write the same bytes (checked once at start). The
// figure printed is the ratio of the two.

#include "platform/c_format.h"
#include "platform/file.h"
#include "reports/logic/alphabetical_files.h"
#include "store/fixed_text.h"

#include "bench_shop.h"
#include "bench_summary.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <random>
#include <string>
#include <vector>

using namespace ovix;

namespace {

constexpr int kItems = 100000;

std::string folder;
std::unique_ptr<TillState> shop;

// Descriptions as a shop's are: two or three words from a list, with
// repeats, digits and a few accented capitals.
void writeDescribedItems()
{
    static const char *words[] = { "TEA", "COFFEE", "SUGAR", "MILK", "BREAD", "JAM", "SALT",
        "MATCHES", "CANDLE", "SOAP", "BROOM", "WOOL", "\xC9" "CLAIR", "\xD6L", "100G", "2L",
        "BISCUITS", "RICE", "FLOUR", "OATS", "NAILS", "GLUE", "TAPE", "ZIP" };
    std::mt19937 random(7);
    std::string film;
    film.reserve(static_cast<size_t>(kItems) * kItemRecordSize);
    for (int slot = 0; slot < kItems; ++slot) {
        ItemRecord item {};
        item.number = 1000 + slot * 3;
        std::string description;
        const int count = 2 + static_cast<int>(random() % 2);
        for (int word = 0; word < count; ++word) {
            if (word > 0)
                description += ' ';
            description += words[random() % std::size(words)];
        }
        writeText(item.description, description);
        item.quantity = static_cast<int32_t>(random() % 100);
        item.retail_price = static_cast<float>(1 + random() % 5000) / 100.0f;
        film.append(reinterpret_cast<const char *>(&item), sizeof item);
    }
    ScriptedMessages quiet;
    if (!replaceFileAtomically(shop->dir.path(kItemFileName), film) || !shop->items.load(quiet))
        bench::fail("cannot write film.dat");
}

std::string lineBytes(const ItemRecord &item)
{
    ListFileRecord line {};
    line.number = item.number;
    writeText(line.name, readText(item.description));
    writeText(line.column1, cformat("%d", item.quantity));
    writeText(line.column2, cformat("%.2f", static_cast<double>(item.retail_price)));
    return std::string(reinterpret_cast<const char *>(&line), sizeof line);
}

// The walk over the two-character prefixes, "A" widened to the space.
std::string passByPass(unsigned char start, unsigned char end)
{
    ScriptedMessages quiet;
    std::string bytes;
    for (int first = start; first <= end; ++first) {
        for (int second = ' '; second <= 255; ++second) {
            std::vector<std::pair<std::string, std::string>> group;
            for (int64_t slot = 0; slot < shop->items.slotCount(); ++slot) {
                const std::array<char, 2> key = shop->items.key(slot);
                if (static_cast<unsigned char>(key[0]) != first
                    || static_cast<unsigned char>(key[1]) != second)
                    continue;
                ItemRecord item;
                if (!shop->items.readRecord(slot, item, quiet))
                    bench::fail("cannot read film.dat");
                group.emplace_back(readText(item.description), lineBytes(item));
            }
            std::stable_sort(group.begin(), group.end(),
                [](const auto &a, const auto &b) { return a.first < b.first; });
            for (const auto &member : group)
                bytes += member.second;
        }
    }
    if (!replaceFileAtomically(shop->dir.path(kItemListFileName), bytes))
        bench::fail("cannot write f2.dat");
    return bytes;
}

void BM_AlphabeticalOneSort(benchmark::State &state)
{
    ScriptedMessages quiet;
    for (auto _ : state) {
        if (!writeAlphabeticalItemFile(*shop, 'A', 'Z', quiet))
            bench::fail("cannot write f2.dat");
    }
}
BENCHMARK(BM_AlphabeticalOneSort)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_AlphabeticalPassByPass(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(passByPass(' ', 'Z').size());
}
BENCHMARK(BM_AlphabeticalPassByPass)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

int main(int argc, char **argv)
{
    std::mt19937_64 random(1);
    bench::makeBenchShop("ovix-lists", folder, shop, 1, random, false);
    writeDescribedItems();
    ScriptedMessages quiet;
    const std::string expected = passByPass(' ', 'Z');
    if (!writeAlphabeticalItemFile(*shop, 'A', 'Z', quiet)
        || readWholeFile(shop->dir.path(kItemListFileName)) != expected)
        bench::fail("the one sort and the pass-by-pass walk wrote different files");

    benchmark::Initialize(&argc, argv);
    bench::TimingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const double sorted = reporter.milliseconds("BM_AlphabeticalOneSort");
    const double walked = reporter.milliseconds("BM_AlphabeticalPassByPass");
    std::printf("\nalphabetical inventory list, %d items\n", kItems);
    std::printf("one sort      %9.1f ms\n", sorted);
    std::printf("pass by pass  %9.1f ms   %.1fx the one sort\n", walked,
        sorted > 0 ? walked / sorted : 0.0);
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
    return 0;
}
