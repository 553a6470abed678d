#pragma once
// A day archive written byte for byte for the look-up tests: year index
// entries, transaction records and their lines, on any day, in the order the
// test adds them.

#include "platform/c_format.h"
#include "platform/data_dir.h"
#include "platform/day_walk.h"
#include "sales/logic/archive_records.h"
#include "store/fixed_text.h"
#include "store/till_config.h"
#include "support/test_support.h"

#include <filesystem>
#include <string>

namespace ovix::test {

class LookUpArchive {
public:
    // History kept from `start`.
    explicit LookUpArchive(const CalendarDay &start)
    {
        config.set(cfg::historyStart, 0, start.day);
        config.set(cfg::historyStart, 1, start.month);
        config.set(cfg::historyStart, 2, start.year);
    }

    // Transaction `number` of `type` on `day`: its index entry, its record
    // (total 1.00 per line, less `discount`) and `lines` lines.
    void add(int64_t number, const CalendarDay &day, float discount = 0, int lines = 1,
        const char *type = "Cash")
    {
        addIndexEntry(number, day);
        TransactionRecord record {};
        record.transactionNumber = number;
        record.clerkNumber = 1;
        record.lineCount = lines;
        record.total = static_cast<float>(lines) - discount;
        record.discount = discount;
        record.cashPart = record.total;
        writeText(record.paymentType, type);
        writeText(record.timeText, "11:45");
        append(day, "saleslog.dat", bytesOf(record));
        std::string items;
        for (int line = 0; line < lines; ++line) {
            SoldItemRecord sold {};
            sold.transactionNumber = number;
            sold.itemNumber = 100 + line;
            writeText(sold.description, cformat("ITEM %d", line + 1));
            sold.nonTaxable = 1.0f;
            sold.total = 1.0f;
            items += bytesOf(sold);
        }
        append(day, "itemslog.dat", items);
    }

    // An entry in the year index of `day` alone.
    void addIndexEntry(int64_t number, const CalendarDay &day)
    {
        const std::string index = folder.file(cformat("%d/base.dat", day.year));
        std::filesystem::create_directories(folder.file(cformat("%d", day.year)));
        std::string bytes = readBytes(index);
        if (bytes.empty())
            bytes.assign(4, '\0');
        const YearIndexEntry entry { static_cast<int32_t>(number), day.day, day.month };
        writeBytes(index, bytes + bytesOf(entry));
    }

    void append(const CalendarDay &day, const char *file, const std::string &bytes) const
    {
        const std::string name = folder.file(cformat("%d/%d/%d", day.year, day.month, day.day));
        std::filesystem::create_directories(name);
        writeBytes(name + "/" + file, readBytes(name + "/" + file) + bytes);
    }

    template <class Record> static std::string bytesOf(const Record &record)
    {
        return std::string(reinterpret_cast<const char *>(&record), sizeof record);
    }

    TempDir folder;
    DataDir dir { folder.path() };
    TillConfig config;
};

} // namespace ovix::test
