#pragma once
// The till started as the shop starts it, day after day, in a fresh data
// folder: dates and times to start at, the folder's files as bytes to show
// what a start wrote (or that it wrote nothing), and reminders to recognise
// after a repair. Used by the start-up, damaged-start and new-day tests.

#include "platform/clock.h"
#include "platform/scripted_messages.h"
#include "sales/logic/till_state.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <map>
#include <string>

namespace ovix::test {

// Sizes and offsets of wr.cfg and resn.dat, typed here rather than taken from
// the code.
inline constexpr size_t kConfig = 42550; // wr.cfg
inline constexpr size_t kDayOfLastUseAt = 76;
inline constexpr size_t kSwitchOffAt = 480; // minute, hour, day, month, year
inline constexpr size_t kTakingsHistoryAt = 7954; // 401 doubles
inline constexpr size_t kTillTakingsAt = 40958;
inline constexpr size_t kReminder = 12932; // one record of resn.dat

// A local time on `year`-`month`-`day` at `hour`:`minute`, 9:00 by default.
LocalTime at(int year, int month, int day, int hour = 9, int minute = 0);

// Every file and folder under `folder`, by name relative to it: a file's
// bytes, "/" for a folder.
using Files = std::map<std::string, std::string>;
Files snapshot(const std::string &folder);

// A resn.dat of 30 records whose record k holds one reminder "CUSTOMER k" when
// k < 28, so that a repair that moves or drops one shows.
std::string markedReminders();

// A new shop set up on 4 March 2024 with the pound sign ("\xA3") as currency,
// in a fresh folder; the clock is let go after each test.
class ShopStart : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Starts the till at `when` with `messages` answering; true when it started.
    static bool start(TillState &state, const LocalTime &when, ScriptedMessages &messages);

    TempDir folder;
};

} // namespace ovix::test
