#pragma once
// The sample shop the crash loops run their writers in: set up, started
// once on the test day (so that the next start of that day writes nothing
// before the work) and loaded anew for every run.

#include "platform/clock.h"
#include "platform/scripted_messages.h"
#include "store/data_set.h"
#include "support/crash_loop.h"
#include "support/start_fixture.h"
#include "till/logic/startup.h"
#include "till/next_start_check.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <memory>

namespace ovix::test {

inline const LocalTime kCrashLoopDay = at(2024, 3, 5, 10);

class CrashLoopShop : public ShopStart {
public:
    // The number of the first record of `index`, or of the one `skip` further.
    static int64_t first(const RecordIndex &index, int skip = 0)
    {
        for (const IndexEntry &entry : index.entries()) {
            if (entry.number > 0 && skip-- == 0)
                return entry.number;
        }
        return 0;
    }

protected:
    void SetUp() override
    {
        ShopStart::SetUp();
        ScriptedMessages messages;
        ASSERT_TRUE(addDemoShop(DataDir(folder.path()), at(2024, 3, 4), messages))
            << messages.lastText();
        TillState state(folder.path());
        ASSERT_TRUE(start(state, kCrashLoopDay, messages)) << messages.lastText();
        beforeTheWork(state, messages);
        shutdownTill(state, messages);
    }

    // More of the day before the writers run (a sale already archived ...).
    virtual void beforeTheWork(TillState &, ScriptedMessages &) { }

    // The shop loaded as a start loads it, without the start's own writes.
    std::shared_ptr<TillState> load() const
    {
        auto state = std::make_shared<TillState>(folder.path());
        ScriptedMessages quiet;
        setFixedLocalTime(kCrashLoopDay);
        EXPECT_TRUE(openData(*state, quiet)) << quiet.lastText();
        return state;
    }


    // Runs the loop over `where` (the shop folder unless named) with the
    // work `make` returns for each freshly loaded shop, and prints the counts.
    // The shop folder goes through the next start's checks and takes one more
    // sale (unless the rules name checks of their own, or another folder is
    // the one compared).
    CrashLoopCounts expectWhole(const char *writer,
        const std::function<Work(std::shared_ptr<TillState>)> &make, CrashLoopRules rules = {},
        const std::string &where = {})
    {
        if (!rules.nextStart && where.empty()) {
            rules.nextStart = [](const std::string &shop) {
                return checkNextStartAndSale(shop, kCrashLoopDay);
            };
        }
        std::string faults;
        const CrashLoopCounts counts = crashLoop(
            where.empty() ? folder.path() : where, [&] { return make(load()); }, faults, rules);
        std::printf("%s: %d writes, %d syncs, %d interruptions checked (%d kept by a crash, "
                    "%d done again)\n",
            writer, counts.writes, counts.syncs, counts.interruptions, counts.keptByCrash,
            counts.doneAgain);
        EXPECT_EQ(faults, "") << writer;
        EXPECT_GT(counts.interruptions, 0) << writer;
        return counts;
    }
};

} // namespace ovix::test
