#pragma once
// Data sets for the benchmarks: a new data set in a temporary folder whose
// film.dat holds many taxable items in rising number order, with random gaps
// between the numbers and one free slot in a hundred.

#include "platform/clock.h"
#include "platform/data_dir.h"
#include "platform/file.h"
#include "platform/scripted_messages.h"
#include "store/data_set.h"
#include "store/fixed_text.h"
#include "store/item_record.h"
#include "store/till_config_file.h"
#include "sales/logic/till_state.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <random>
#include <string>
#include <unistd.h>
#include <vector>

namespace ovix::bench {

[[noreturn]] inline void fail(const char *what)
{
    std::fprintf(stderr, "%s\n", what);
    std::exit(1);
}

// The SKU 1 barcode the benchmark items carry when they have one.
inline std::string benchBarcode(int64_t number)
{
    return std::to_string(5000000000000 + number);
}

// Makes a new data set in a new temporary folder named from `prefix` (its
// path in `folder`), loads its configuration into `state` (made there) and writes `count` live
// items "ITEM <number>" with plenty of stock and prices from `random`; with `barcodes` each gets
// benchBarcode(number) as SKU 1. Loads the item index and returns the live item numbers in file
// order. Ends the program on failure.
inline std::vector<int64_t> makeBenchShop(const char *prefix, std::string &folder,
    std::unique_ptr<TillState> &state, int count, std::mt19937_64 &random, bool barcodes)
{
    folder = (std::filesystem::temp_directory_path() / (std::string(prefix) + "-XXXXXX")).string();
    if (!mkdtemp(folder.data()))
        fail("cannot make a temporary folder");
    state = std::make_unique<TillState>(folder);
    ScriptedMessages quiet;
    if (!createDataSet(state->dir, LocalTime { 2026, 3, 5, 10, 0, 0 }, "$", quiet)
        || !loadTillConfig(state->dir, state->config, quiet))
        fail("cannot create the data set");

    std::vector<int64_t> numbers;
    std::string film;
    film.reserve(static_cast<size_t>(count + count / 100) * kItemRecordSize);
    int64_t number = 1000;
    while (static_cast<int>(numbers.size()) < count) {
        ItemRecord record {};
        if (random() % 100 == 0) {
            record.number = -1;
        } else {
            number += 1 + static_cast<int64_t>(random() % 20);
            record.number = number;
            writeText(record.description, "ITEM " + std::to_string(number));
            if (barcodes)
                writeText(record.sku1, benchBarcode(number));
            record.quantity = 1000000;
            record.tax = 1;
            record.retail_price = static_cast<float>(1 + random() % 2000) / 100.0f;
            record.cost_price = record.retail_price / 2;
            numbers.push_back(number);
        }
        film.append(reinterpret_cast<const char *>(&record), sizeof record);
    }
    if (!replaceFileAtomically(state->dir.path(kItemFileName), film))
        fail("cannot write film.dat");
    if (!state->items.load(quiet) || !state->customers.load(quiet))
        fail("cannot load the data files");
    return numbers;
}

} // namespace ovix::bench
