#pragma once
// Everything the till keeps for the whole of one run: the shop as loaded,
// what start-up noted before it changed the configuration, and the archive's
// highest transaction number.
//
// One TillState lives from start to exit; every command of the till works on
// it. Plain data: no widgets.

#include "platform/clock.h"
#include "sales/logic/transaction_numbers.h"
#include "store/shop.h"

#include <cstdint>
#include <string>

namespace ovix {

// Noted at start, outside the configuration block.
struct StartStamp {
    LocalTime started;            // the time the till was switched on
    int switchOnHour = 0;         // for "Ontime"
    int switchOnMinute = 0;
    int previousSwitchOff[5] = {}; // minute, hour, day, month, year, as stored before this start
    int32_t storedTransactionNumber = 0; // the next number as wr.cfg held it, before any fix-up
};

class TillState : public Shop {
public:
    explicit TillState(std::string dataFolder) : Shop(std::move(dataFolder)) { }

    StartStamp start;
    // The highest transaction number in today's archive, kept by the start
    // and by every sale, so that no number is handed out twice.
    ArchivedNumbers archivedNumbers;
    // Set when any start-up step failed or was cancelled: nothing is stored at exit.
    bool startFailed = false;
    // Set when the data files were put back from a backup: what is in memory
    // no longer matches them, so nothing is stored at exit either.
    bool dataReplaced = false;
};

} // namespace ovix
