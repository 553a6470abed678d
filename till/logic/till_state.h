#pragma once
// Everything the till keeps for the whole of one run: the data folder, the
// configuration block, the record indexes, the store heading, the receipt
// words and what start-up noted before it changed the configuration.
//
// One TillState lives from start to exit; every command works on it. It is
// plain data plus the objects that own the record files: no widgets.

#include "platform/clock.h"
#include "platform/data_dir.h"
#include "print/logic/receipt_words.h"
#include "store/customer_index.h"
#include "store/item_index.h"
#include "store/store_heading.h"
#include "store/supplier_index.h"
#include "store/till_config.h"
#include "till/logic/transaction_numbers.h"

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

class TillState {
public:
    explicit TillState(std::string dataFolder)
        : dir(std::move(dataFolder)), items(dir), customers(dir), suppliers(dir)
    {
    }
    TillState(const TillState &) = delete;
    TillState &operator=(const TillState &) = delete;

    DataDir dir;
    TillConfig config;
    ItemIndex items;
    CustomerIndex customers;
    SupplierIndex suppliers;
    StoreHeading heading;
    // False when ADDRESS.VT exists but could not be read: then it is not
    // written back at exit, so the shop's own heading is never replaced by samples.
    bool headingWritable = true;
    // The words printed on receipts and invoices, from language.ini.
    ReceiptWords receiptWords;
    StartStamp start;
    // The highest transaction number in today's archive, kept by the start
    // and by every sale, so that no number is handed out twice.
    ArchivedNumbers archivedNumbers;
    // Set when any start-up step failed or was cancelled: nothing is stored at exit.
    bool startFailed = false;

    // The logged-on clerk (1-99) and whether it is restricted (not 1 or 2).
    int64_t clerk() const;
    bool restricted() const { return clerk() != 1 && clerk() != 2; }
};

} // namespace ovix
