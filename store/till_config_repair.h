#pragma once
// Checking the configuration block as wr.cfg gave it at start, and setting
// back what a short or damaged file left unusable.
//
// A wr.cfg cut short by a full disk or a bad copy, or filled with garbage by a
// failing drive, must still let the shop's administrator log on, and must not
// put nonsense into sales, reports or the usage-gap question. The check knows
// the range of every setting and count whose range is fixed, the rules of the
// clerk table, the money totals and the dates the block carries. It never
// looks at reserved bytes, and every value it accepts includes zero, so a
// block made by the data-set set-up or stored by this till passes unchanged.

#include "store/till_config.h"

#include <cstdint>
#include <string>
#include <vector>

namespace ovix {

struct LocalTime;

struct TillConfigRepair {
    int64_t fileSize = static_cast<int64_t>(kTillConfigSize); // bytes wr.cfg held
    // The kinds of value found unusable, as the shop calls them ("clerk
    // passwords", "receipt language"), each once, in the order of the checks.
    std::vector<std::string> found;
    // Clerks whose password was set back to kStandardClerkPassword.
    std::vector<int> passwordsSetBack;

    bool wrongSize() const
    {
        return fileSize != static_cast<int64_t>(kTillConfigSize);
    }
    bool damaged() const
    {
        return wrongSize() || !found.empty();
    }
};

// Checks `config`, read from a wr.cfg of `fileSize` bytes, and sets back what
// it finds unusable:
// - a clerk name that is empty, fills its 30 bytes with no terminator or holds
//   control characters becomes "Administrator", "Manager" or "Clerk %d";
// - a clerk password that is empty, fills its 10 bytes with no terminator or
//   holds anything but digits becomes kStandardClerkPassword ("7351");
// - a number outside its range gets its standard value, and an on/off
//   setting that is not 0, 1 or 2 is off (tax 1 and the drawer through the
//   receipt printer: on, as in a new block);
// - a money total, takings history entry, tender count, till float, trade
//   discount, tax threshold or conversion rate that is not a finite number
//   within its range becomes 0 (the till float 100.00);
// - the last switch-off and last backup times that are neither all zero nor a
//   real time from 1980 on become all zero; the history start and first-use
//   dates likewise become `today`.
// A day of last use outside 0 to 31 is only reported: the new-day check then
// asks whether the date is right and makes today the day of last use.
// Nothing is changed, and nothing found, in a sound block of any size.
TillConfigRepair repairTillConfig(TillConfig &config, int64_t fileSize, const LocalTime &today);

} // namespace ovix
