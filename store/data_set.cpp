#include "store/data_set.h"

#include "platform/c_format.h"
#include "platform/data_dir.h"
#include "platform/file.h"
#include "platform/file_access.h"
#include "platform/messages.h"
#include "store/customer_record.h"
#include "store/item_record.h"
#include "store/record_scan.h"
#include "store/reminder_file.h"
#include "store/supplier_record.h"
#include "store/till_config.h"
#include "store/till_config_defaults.h"
#include "store/till_config_file.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <unordered_set>
#include <vector>

namespace ovix {

namespace {

template <typename Record>
std::string recordBytes(const Record &record)
{
    return std::string(reinterpret_cast<const char *>(&record), sizeof record);
}

template <typename Record>
Record freeRecord()
{
    Record record {};
    std::memset(&record, 0, sizeof record);
    record.number = -1;
    return record;
}

struct NewFile {
    const char *name;
    std::string bytes;
};

} // namespace

bool createDataSet(const DataDir &dir, const LocalTime &now,
                   std::string_view currencySymbolCp1252, Messages &messages)
{
    const char *const names[] = {kItemFileName, kCustomerFileName, kSupplierFileName,
                                 kTillConfigFileName, kReminderFileName};
    for (const char *name : names) {
        const std::string path = dir.path(name);
        if (fileExists(path)) {
            const std::string found = path.substr(path.find_last_of('/') + 1);
            reportProblem(messages, cformat("A data set is already here (%s found). "
                                            "Nothing was changed.",
                                            found.c_str()));
            return false;
        }
    }

    const TillConfig config = makeDataSetDefaults(now, currencySymbolCp1252);
    const NewFile files[] = {
        {kItemFileName, recordBytes(freeRecord<ItemRecord>())},
        {kCustomerFileName, recordBytes(freeRecord<CustomerRecord>())},
        {kSupplierFileName, recordBytes(freeRecord<SupplierRecord>())},
        {kTillConfigFileName, std::string(config.view())},
        {kReminderFileName, blankReminderFileBytes()},
    };

    // None of the five was there, so whatever of them exists after a failure
    // (the failing one too: its rename may have happened) is ours to remove.
    std::vector<std::string> touched;
    for (const NewFile &file : files) {
        touched.push_back(dir.path(file.name));
        std::string error;
        if (replaceFileAtomically(touched.back(), file.bytes, &error))
            continue;
        std::string leftOver;
        for (const std::string &path : touched) {
            if (fileExists(path) && fileAccess().unlink(path) != 0) {
                leftOver += ' ';
                leftOver += path.substr(path.find_last_of('/') + 1);
            }
        }
        syncDirectory(dir.root());
        if (leftOver.empty())
            reportProblem(messages, cformat("Unable to create %s (%s). Nothing was changed.",
                                            file.name, error.c_str()));
        else
            reportProblem(messages, cformat("Unable to create %s (%s). Please delete:%s",
                                            file.name, error.c_str(), leftOver.c_str()));
        return false;
    }
    return true;
}

namespace {

// What a record file holds before the rebuild touches it.
struct CheckedFile {
    std::string path;
    int64_t slots = 0;
    bool placeholder = false; // the 66-byte mans.dat of a new installation
};

bool checkRecordFile(const DataDir &dir, const char *name, int64_t recordSize,
                     Messages &messages, CheckedFile &checked)
{
    checked.path = dir.path(name);
    File file = File::open(checked.path, File::Mode::Read);
    if (!file.isOpen()) {
        reportFatal(messages, cformat("Data file: %s, not present.", name));
        return false;
    }
    const int64_t size = file.size();
    if (size == 0) {
        reportFatal(messages, cformat("Data file: %s, no data.", name));
        return false;
    }
    if (std::strcmp(name, kSupplierFileName) == 0 && size == kSupplierPlaceholderSize) {
        checked.placeholder = true;
        return true;
    }
    if (size < 0 || size % recordSize != 0) {
        reportFatal(messages, cformat("Data file: %s, corrupt.", name));
        return false;
    }
    checked.slots = size / recordSize;
    return true;
}

void clearNumberAndText(int64_t &number, char *text, size_t width)
{
    number = -1;
    std::memset(text, 0, width);
}

// Brings one record into shape; `keep` is false for a free record or one whose
// number an earlier slot already holds.
void tidy(ItemRecord &item, bool keep)
{
    if (!keep)
        clearNumberAndText(item.number, item.description, sizeof item.description);
    item.loaned_to = 0;
    std::memset(item.due_back, 0, sizeof item.due_back);
}

void tidy(CustomerRecord &customer, bool keep)
{
    if (!keep)
        clearNumberAndText(customer.number, customer.name, sizeof customer.name);
    std::memset(customer.loan_table_1, 0, sizeof customer.loan_table_1);
    std::memset(customer.loan_table_2, 0, sizeof customer.loan_table_2);
    std::memset(customer.loan_table_3, 0, sizeof customer.loan_table_3);
    std::memset(customer.loan_table_4, 0, sizeof customer.loan_table_4);
    std::memset(customer.items_on_loan, 0, sizeof customer.items_on_loan);
    std::memset(customer.loan_dates, 0, sizeof customer.loan_dates);
    std::memset(customer.loan_due, 0, sizeof customer.loan_due);
}

void tidy(SupplierRecord &supplier, bool keep)
{
    if (!keep)
        clearNumberAndText(supplier.number, supplier.name, sizeof supplier.name);
}

// Rewrites, in slot order, every record of the file that tidy() changes.
// The file is read in large blocks; each change is written at its own slot.
template <typename Record>
bool rebuildRecordFile(const CheckedFile &checked, const char *name, Messages &messages)
{
    constexpr auto kSize = static_cast<int64_t>(sizeof(Record));
    File file = File::open(checked.path, File::Mode::ReadWrite);
    if (!file.isOpen()) {
        reportFatal(messages, cformat("Data file: %s, not present.", name));
        return false;
    }
    std::unordered_set<int64_t> seen;
    bool writeFailed = false;
    const ScanOptions everySlot{ScanSlots::All, ScanFailure::Stop, checked.slots};
    const ScanResult scan = forEachRecord<Record>(
        checked.path, everySlot, [&](int64_t slot, const Record &stored) {
            Record record = stored;
            const bool keep = record.number > 0 && seen.insert(record.number).second;
            tidy(record, keep);
            // The bytes decide: a record whose bytes are unchanged is not rewritten.
            // NOLINTNEXTLINE(bugprone-suspicious-memory-comparison): packed, no padding
            if (std::memcmp(&record, &stored, sizeof record) == 0)
                return true;
            writeFailed = !file.writeAt(slot * kSize, &record, sizeof record);
            return !writeFailed;
        });
    if (!writeFailed && (!scan.complete() || scan.slotsRead != checked.slots)) {
        reportProblem(messages, cformat("Not able to read %s", name));
        return false;
    }
    if (writeFailed || !file.sync() || !file.close()) {
        reportProblem(messages, cformat("Not able to write to %s", name));
        return false;
    }
    return true;
}

} // namespace

bool rebuildDataSet(const DataDir &dir, Messages &messages)
{
    CheckedFile items;
    CheckedFile customers;
    CheckedFile suppliers;
    if (!checkRecordFile(dir, kItemFileName, kItemRecordSize, messages, items) ||
        !checkRecordFile(dir, kCustomerFileName, kCustomerRecordSize, messages, customers) ||
        !checkRecordFile(dir, kSupplierFileName, kSupplierRecordSize, messages, suppliers))
        return false;
    if (!reminderFileIsWhole(dir)) {
        reportProblem(messages, "Data file: resn.dat.");
        return false;
    }

    if (!rebuildRecordFile<ItemRecord>(items, kItemFileName, messages) ||
        !rebuildRecordFile<CustomerRecord>(customers, kCustomerFileName, messages))
        return false;
    if (!suppliers.placeholder &&
        !rebuildRecordFile<SupplierRecord>(suppliers, kSupplierFileName, messages))
        return false;
    reportInfo(messages, "Complete.", "File rebuild");
    return true;
}

} // namespace ovix
