// How the customer searches perform on a member.dat of 100000 customers: the
// name-prefix look-up (with a first letter, and starting with "?"), "Find that contain" and "Find telephone", each
// against the plain walk that reads the slots one record at a time. Before
// timing, each search's results are checked to be the walk's, match for
// match. The figures are printed as ratios at the end.
//
// The data set is built in a temporary folder at start and removed at the
// end; the file stays in the page cache, so the figures are for a warm cache.

#include "accounts/logic/customer_search.h"
#include "bench_summary.h"
#include "customer_walk.h"
#include "platform/data_dir.h"
#include "platform/scripted_messages.h"
#include "store/customer_lookup.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <unistd.h>

using namespace ovix;

namespace {

constexpr int kCustomers = 100000;

struct DataSet {
    std::string folder;
    std::unique_ptr<DataDir> dir;
    std::unique_ptr<CustomerIndex> customers;
};
DataSet *data = nullptr;

// A prefix whose first two letters pick a few slots to read, one starting
// with "?" whose key answers for a third of the slots, a fragment and a
// telephone text; each finds dozens of customers or more.
const std::string kPrefix = "MA?E";
const std::string kWildPrefix = "?A?E";
const std::string kFragment = "ANNE";
const std::string kTelephone = "4711";

void buildDataSet()
{
    data = new DataSet;
    std::string pattern
        = (std::filesystem::temp_directory_path() / "ovix-customer-bench-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        std::exit(1);
    data->folder = pattern;
    data->dir = std::make_unique<DataDir>(pattern);
    std::mt19937_64 random(15);
    if (!replaceFileAtomically(
            data->dir->path(kCustomerFileName), bench::customerFileBytes(kCustomers, random))) {
        std::fprintf(stderr, "cannot write member.dat\n");
        std::exit(1);
    }
    data->customers = std::make_unique<CustomerIndex>(*data->dir);
    ScriptedMessages quiet;
    if (!data->customers->load(quiet)) {
        std::fprintf(stderr, "cannot load member.dat: %s\n", quiet.lastText().c_str());
        std::exit(1);
    }
}

std::vector<bench::WalkMatch> prefixOurs(const std::string &prefix)
{
    ScriptedMessages quiet;
    const CustomerLookup found
        = lookUpCustomers(*data->customers, prefix, CustomerSearchOrder::BySlot, false, quiet);
    std::vector<bench::WalkMatch> matches;
    for (const CustomerCandidate &candidate : found.candidates)
        matches.emplace_back(candidate.number, candidate.slot);
    return matches;
}

std::vector<bench::WalkMatch> matchesOf(const CustomerSearchResult &result)
{
    std::vector<bench::WalkMatch> matches;
    for (const CustomerMatch &match : result.matches)
        matches.emplace_back(match.number, match.slot);
    return matches;
}

std::vector<bench::WalkMatch> containsOurs()
{
    return matchesOf(searchCustomersThatContain(*data->customers, kFragment));
}

std::vector<bench::WalkMatch> telephoneOurs()
{
    return matchesOf(searchCustomersByTelephone(*data->customers, kTelephone));
}

void checkSame(const char *what, const std::vector<bench::WalkMatch> &ours,
    const std::vector<bench::WalkMatch> &walk)
{
    if (ours != walk || walk.empty()) {
        std::fprintf(stderr, "%s: %zu matches against the walk's %zu, not the same\n", what,
            ours.size(), walk.size());
        std::exit(1);
    }
    std::printf("%s: %zu matches, identical to the walk's\n", what, ours.size());
}

void BM_PrefixOurs(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(prefixOurs(kPrefix));
}
void BM_PrefixWalk(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(bench::walkNamePrefix(*data->customers, kPrefix));
}
void BM_WildPrefixOurs(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(prefixOurs(kWildPrefix));
}
void BM_WildPrefixWalk(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(bench::walkNamePrefix(*data->customers, kWildPrefix));
}
void BM_ContainsOurs(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(containsOurs());
}
void BM_ContainsWalk(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(bench::walkContains(*data->customers, kFragment));
}
void BM_TelephoneOurs(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(telephoneOurs());
}
void BM_TelephoneWalk(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(bench::walkTelephone(*data->customers, kTelephone));
}

BENCHMARK(BM_PrefixOurs)->Unit(benchmark::kMillisecond)->MinTime(0.5);
BENCHMARK(BM_PrefixWalk)->Unit(benchmark::kMillisecond)->MinTime(0.5);
BENCHMARK(BM_WildPrefixOurs)->Unit(benchmark::kMillisecond)->MinTime(0.5);
BENCHMARK(BM_WildPrefixWalk)->Unit(benchmark::kMillisecond)->MinTime(0.5);
BENCHMARK(BM_ContainsOurs)->Unit(benchmark::kMillisecond)->MinTime(0.5);
BENCHMARK(BM_ContainsWalk)->Unit(benchmark::kMillisecond)->MinTime(0.5);
BENCHMARK(BM_TelephoneOurs)->Unit(benchmark::kMillisecond)->MinTime(0.5);
BENCHMARK(BM_TelephoneWalk)->Unit(benchmark::kMillisecond)->MinTime(0.5);

void printSummary(const bench::TimingReporter &reporter)
{
    std::printf("\nSearches of member.dat, %d customers (%lld slots): the slot-order walk's "
                "time over ours\n",
        kCustomers, static_cast<long long>(data->customers->slotCount()));
    for (const char *search : { "Prefix", "WildPrefix", "Contains", "Telephone" }) {
        const double ours = reporter.milliseconds(std::string("BM_") + search + "Ours");
        const double walk = reporter.milliseconds(std::string("BM_") + search + "Walk");
        if (ours > 0 && walk > 0)
            std::printf("  %-11s ours %8.2f ms, walk %8.2f ms, ratio %6.1f\n", search, ours,
                walk, walk / ours);
    }
}

} // namespace

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    buildDataSet();
    checkSame("name prefix", prefixOurs(kPrefix), bench::walkNamePrefix(*data->customers, kPrefix));
    checkSame("name prefix from \"?\"", prefixOurs(kWildPrefix),
        bench::walkNamePrefix(*data->customers, kWildPrefix));
    checkSame("contains", containsOurs(), bench::walkContains(*data->customers, kFragment));
    checkSame("telephone", telephoneOurs(), bench::walkTelephone(*data->customers, kTelephone));
    bench::TimingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    printSummary(reporter);
    std::error_code ignored;
    std::filesystem::remove_all(data->folder, ignored);
    benchmark::Shutdown();
    return 0;
}
