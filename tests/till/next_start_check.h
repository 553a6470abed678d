#pragma once
// What the next start of the till finds in a shop folder after work was cut
// short (a crash, a kill, a failing or full disk): the start succeeds, every
// record file loads whole, and the day's archive, the year index, the day's
// counters and the balance of the customer who paid last tell one story.

#include "platform/clock.h"

#include <cstddef>
#include <cstdint>
#include <set>
#include <string>

namespace ovix::test {

struct NextStartFindings {
    std::string faults; // in words, empty when it all holds
    std::set<int64_t> numbers; // the transaction numbers archived on `day`
};

// Starts the till in `folder` on `day` (as each morning: it writes its
// start's lines), checks what it finds and shuts it down again. With
// `countsFollowArchive` false the day's transaction count of wr.cfg is not
// held against the archive (a restore brings the backup's counters and
// clears the history).
NextStartFindings checkNextStart(
    const std::string &folder, const LocalTime &day, bool countsFollowArchive = true);

// checkNextStart(), then one more sale completed on `day`, whose number must
// be one the archive did not hold.
std::string checkNextStartAndSale(
    const std::string &folder, const LocalTime &day, bool countsFollowArchive = true);

} // namespace ovix::test
