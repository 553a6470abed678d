#pragma once
// A day archive made by hand for the report tests: transactions and their
// lines appended to Y/M/D/saleslog.dat and itemslog.dat byte for byte.

#include "platform/c_format.h"
#include "platform/data_dir.h"
#include "platform/day_walk.h"
#include "sales/logic/archive_records.h"
#include "store/fixed_text.h"
#include "support/test_support.h"

#include <filesystem>
#include <string>
#include <vector>

namespace ovix::test {

struct ArchiveLine {
    int64_t item = 0;
    const char *description = "";
    int64_t category = 0;
    float nonTaxable = 0;
    float taxable = 0;
    float taxOne = 0;
    float cost = 0;
};

class ReportArchive {
public:
    DataDir dir() const
    {
        return DataDir(folder.path());
    }

    // Appends one transaction of `type` ("Cash", "Refund", "Payment" ...)
    // by `clerk` with its lines. As the till stores a refund, its record's
    // amounts are negated and its lines keep positive ones. Returns its number.
    int64_t add(const CalendarDay &day, const char *type, const std::vector<ArchiveLine> &lines,
        int clerk = 1)
    {
        const int64_t number = ++lastNumber;
        const float sign = type[0] == 'R' ? -1.0f : 1.0f;
        TransactionRecord record {};
        record.transactionNumber = number;
        record.clerkNumber = clerk;
        record.lineCount = static_cast<int32_t>(lines.size());
        writeText(record.paymentType, type);
        std::string items;
        for (const ArchiveLine &line : lines) {
            SoldItemRecord sold {};
            sold.transactionNumber = number;
            sold.category = line.category;
            sold.itemNumber = line.item;
            writeText(sold.description, line.description);
            sold.nonTaxable = line.nonTaxable;
            sold.taxable = line.taxable;
            sold.taxOne = line.taxOne;
            sold.cost = line.cost;
            sold.total = line.nonTaxable + line.taxable + line.taxOne;
            sold.clerkNumber = clerk;
            record.nonTaxable += sign * sold.nonTaxable;
            record.taxable += sign * sold.taxable;
            record.taxOne += sign * sold.taxOne;
            record.cost += sign * sold.cost;
            record.total += sign * sold.total;
            items.append(reinterpret_cast<const char *>(&sold), sizeof sold);
        }
        append(day, "saleslog.dat",
            std::string(reinterpret_cast<const char *>(&record), sizeof record));
        append(day, "itemslog.dat", items);
        return number;
    }

    void append(const CalendarDay &day, const char *file, const std::string &bytes) const
    {
        const std::string folderName
            = folder.file(cformat("%d/%d/%d", day.year, day.month, day.day));
        std::filesystem::create_directories(folderName);
        const std::string path = folderName + "/" + file;
        writeBytes(path, readBytes(path) + bytes);
    }

    TempDir folder;
    int64_t lastNumber = 0;
};

} // namespace ovix::test
