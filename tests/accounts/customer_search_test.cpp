// The customer searches on a file of a few thousand customers (fixed seed)
// give exactly the plain slot-by-slot walk's results, match for match and in
// the same order: the name prefix whether few or many slots are read, the
// fragment and the telephone.

#include "accounts/logic/customer_search.h"
#include "bench/customer_walk.h"
#include "platform/data_dir.h"
#include "platform/file.h"
#include "platform/scripted_messages.h"
#include "store/customer_lookup.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

using namespace ovix;
using namespace ovix::test;

namespace {

struct SearchFile {
    TempDir temp;
    DataDir dir { temp.path() };
    CustomerIndex customers { dir };
    SearchFile()
    {
        std::mt19937_64 random(2026);
        writeBytes(temp.file("member.dat"), bench::customerFileBytes(3000, random));
        ScriptedMessages quiet;
        EXPECT_TRUE(customers.load(quiet)) << quiet.lastText();
    }
};

std::vector<bench::WalkMatch> pairsOf(const CustomerSearchResult &result)
{
    std::vector<bench::WalkMatch> pairs;
    for (const CustomerMatch &match : result.matches)
        pairs.emplace_back(match.number, match.slot);
    return pairs;
}

} // namespace

TEST(CustomerSearch, EveryResultListIsTheSlotWalksOwn)
{
    SearchFile file;
    ScriptedMessages messages;
    for (const char *prefix : { "M", "MA", "MA?E", "?", "?A", "?A?E", "??????????????????????????????",
             "B??????", "ZZ", "ANN" }) {
        const CustomerLookup found = lookUpCustomers(
            file.customers, prefix, CustomerSearchOrder::BySlot, false, messages);
        std::vector<bench::WalkMatch> ours;
        for (const CustomerCandidate &candidate : found.candidates)
            ours.emplace_back(candidate.number, candidate.slot);
        EXPECT_EQ(ours, bench::walkNamePrefix(file.customers, prefix)) << prefix;
    }
    for (const char *fragment : { "ANN", "ER", "MAMA", "A", "ELL B", "Q" }) {
        EXPECT_EQ(pairsOf(searchCustomersThatContain(file.customers, fragment)),
            bench::walkContains(file.customers, fragment))
            << fragment;
    }
    // A fragment typed in small letters is looked for in capitals.
    EXPECT_EQ(pairsOf(searchCustomersThatContain(file.customers, "ann")),
        bench::walkContains(file.customers, "ANN"));
    for (const char *telephone : { "47", "0123", "07", "9", "0000000" }) {
        EXPECT_EQ(pairsOf(searchCustomersByTelephone(file.customers, telephone)),
            bench::walkTelephone(file.customers, telephone))
            << telephone;
    }
    EXPECT_TRUE(messages.shown.empty()) << messages.lastText();
    // The lists are not all empty: the file has customers of every kind asked for.
    EXPECT_GT(bench::walkNamePrefix(file.customers, "MA?E").size(), 3u);
    EXPECT_GT(bench::walkTelephone(file.customers, "47").size(), 3u);
}
