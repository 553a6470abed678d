#include "accounts/logic/customer_maintenance.h"

#include "accounts/logic/customer_terms.h"
#include "platform/c_format.h"
#include "platform/cp1252.h"
#include "platform/file.h"
#include "platform/messages.h"
#include "platform/undo_journal.h"
#include "store/activity_log.h"
#include "store/fixed_text.h"
#include "store/shop.h"
#include "store/till_config_file.h"
#include "store/time_stamp.h"

#include <cinttypes>
#include <cstring>
#include <functional>
#include <utility>
#include <vector>

namespace ovix {

namespace {

struct UpdateFiles {
    bool log = false; // the activity log is appended to
    bool config = false; // wr.cfg is replaced
};

// One change of member.dat at `slot`, with wr.cfg and the activity log as
// `files` says: all protected in one FileTransaction, `write` run, then
// committed. When anything fails the files are put back, and the customer index
// as it was before the write.
bool runCustomerUpdate(Shop &shop, int64_t slot, UpdateFiles files,
    const std::function<bool(Messages &)> &write, Messages &messages)
{
    FileTransaction work(shop.dir);
    const auto size = static_cast<int64_t>(kCustomerRecordSize);
    work.protectRange(kCustomerFileName, slot * size, size);
    if (files.config)
        work.protectWholeFile(kTillConfigFileName);
    if (files.log && !isDirectory(shop.dir.path(kCurrentLogName)))
        work.protectLength(kCurrentLogName);
    if (!work.begin()) {
        reportProblem(messages, work.error());
        return false;
    }
    // Memory goes back with the files: the journal puts them back as they
    // were, now or, when even the undo fails, at the next transaction or start.
    IndexedRecordFile::Memory kept = shop.customers.memory();
    if (!write(messages)) {
        if (!work.rollback())
            reportProblem(messages, work.error());
        shop.customers.restoreMemory(std::move(kept));
        return false;
    }
    if (!work.commit()) {
        reportProblem(messages, work.error());
        shop.customers.restoreMemory(std::move(kept));
        return false;
    }
    return true;
}

// "%c%c:%c%c" of a time stamp's hour and minute digits, and the stamp's date part.
std::string stampClock(const std::string &stamp)
{
    return cformat("%c%c:%c%c", stamp[0], stamp[1], stamp[3], stamp[4]);
}

std::string addressLines(const CustomerRecord &customer)
{
    return cformat("\r\n%s, %s\r\n%s, %s\r\nTel: %s, Category: %d\r\nComment: %s",
        readText(customer.road).c_str(), readText(customer.area).c_str(),
        readText(customer.town).c_str(), readText(customer.postcode).c_str(),
        readText(customer.telephone).c_str(), +customer.group, readText(customer.comment).c_str());
}

// The two digits at `at` and the four at `at + 3` of a date part "DD/MM/YYYY",
// read as numbers: 0 when they hold no digit.
int dateNumber(const std::string &date, size_t at, size_t length)
{
    if (at >= date.size())
        return 0;
    int value = 0;
    for (size_t i = at; i < at + length && i < date.size(); ++i) {
        if (date[i] < '0' || date[i] > '9')
            break;
        value = value * 10 + (date[i] - '0');
    }
    return value;
}

} // namespace

std::optional<int64_t> offeredCustomerNumber(const Shop &shop)
{
    const int64_t last = shop.config.get(cfg::lastCustomerNumber);
    if (last >= kHighestCustomerNumber)
        return std::nullopt;
    const int64_t offer = shop.customers.offerNumber(last);
    if (offer < kLowestCustomerNumber || offer > kHighestCustomerNumber)
        return std::nullopt;
    return offer;
}

CustomerForm newCustomerForm(const Shop &shop)
{
    CustomerForm form;
    if (shop.config.get(cfg::noNumberOnNewCustomer) == 0) {
        if (const std::optional<int64_t> offer = offeredCustomerNumber(shop))
            form.number = cformat("%" PRId64, *offer);
    }
    return form;
}

CustomerStoreOutcome storeNewCustomer(Shop &shop, const CustomerForm &form, Messages &messages)
{
    if (const std::optional<std::string> problem = newCustomerProblem(form)) {
        reportProblem(messages, *problem);
        return CustomerStoreOutcome::Refused;
    }
    CustomerRecord record {};
    applyForm(form, record, true);
    if (shop.customers.slotOf(record.number)) {
        reportProblem(messages, "Number in use.");
        return CustomerStoreOutcome::Ended;
    }
    if (!messages.confirm("Store record?", "New customer"))
        return CustomerStoreOutcome::Ended;
    writeText(record.customer_last_used, "NEW");
    std::memset(record.last_payment, 0, sizeof record.last_payment);
    std::memset(record.loan_table_1, 0, sizeof record.loan_table_1);
    std::memset(record.loan_table_2, 0, sizeof record.loan_table_2);
    std::memset(record.loan_table_3, 0, sizeof record.loan_table_3);
    std::memset(record.loan_table_4, 0, sizeof record.loan_table_4);
    std::memset(record.items_on_loan, 0, sizeof record.items_on_loan);
    std::memset(record.loan_dates, 0, sizeof record.loan_dates);
    std::memset(record.loan_due, 0, sizeof record.loan_due);
    record.import_marker = 0;

    TillConfig counted = shop.config;
    counted.set(cfg::newCustomersToday, counted.get(cfg::newCustomersToday) + 1);
    const int64_t slot = shop.customers.index().slotForNewEntry();
    const bool stored = runCustomerUpdate(shop, slot, { false, true },
        [&](Messages &told) {
            if (!shop.customers.insert(record, told))
                return false;
            std::string error;
            if (!storeTillConfig(shop.dir, counted, &error)) {
                reportFatal(told, "Data file: wr.cfg, not present.");
                return false;
            }
            return true;
        },
        messages);
    if (!stored)
        return CustomerStoreOutcome::Ended;
    shop.config = counted;
    return CustomerStoreOutcome::Stored;
}

std::string amendmentLogBlock(
    const CustomerRecord &before, const CustomerRecord &after, const LocalTime &now)
{
    const std::string stamp = makeTimeStamp(now);
    std::string block = cformat("\r\n%s %s  Customer %" PRId64 " amended:",
        stampClock(stamp).c_str(), stamp.substr(5).c_str(), +after.number);
    block += cformat("\r\nBefore: %s", readText(before.name).c_str()) + addressLines(before);
    block += cformat("\r\n\r\nAfter: %s", readText(after.name).c_str()) + addressLines(after);
    block += cformat("\r\nCredit card: %s\r\n", readText(after.credit_card).c_str());
    return block;
}

CustomerStoreOutcome storeAmendedCustomer(
    Shop &shop, int64_t number, const CustomerForm &form, Messages &messages)
{
    if (const std::optional<std::string> problem = amendmentProblem(form, number)) {
        reportProblem(messages, *problem);
        return CustomerStoreOutcome::Refused;
    }
    const std::optional<CustomerRecord> before = readCustomer(shop, number, messages);
    if (!before)
        return CustomerStoreOutcome::Ended;
    CustomerRecord after = *before;
    applyForm(form, after, false);
    const int64_t slot = *shop.customers.slotOf(number);
    const std::string block = amendmentLogBlock(*before, after, localNow());
    bool logged = true;
    const bool stored = runCustomerUpdate(shop, slot, { true, false },
        [&](Messages &told) {
            if (!shop.customers.writeRecord(slot, after, told))
                return false;
            logged = appendToLog(shop.dir, block);
            return true;
        },
        messages);
    if (!stored)
        return CustomerStoreOutcome::Ended;
    if (!logged)
        reportFatal(messages, "Data file: bun4.dat, not present.");
    return CustomerStoreOutcome::Stored;
}

std::optional<CustomerRecord> readCustomer(const Shop &shop, int64_t number, Messages &messages)
{
    const std::optional<int64_t> slot = number > 0 ? shop.customers.slotOf(number) : std::nullopt;
    if (!slot) {
        reportProblem(messages, "Invalid number.");
        return std::nullopt;
    }
    CustomerRecord record {};
    if (!shop.customers.readRecord(*slot, record, messages))
        return std::nullopt;
    return record;
}

namespace {

// Frees customer `number`'s slot, with its log line when `logLine` is given.
bool removeCustomer(Shop &shop, int64_t number, const std::string *logLine, Messages &messages)
{
    const std::optional<int64_t> slot = shop.customers.slotOf(number);
    if (!slot) {
        reportProblem(messages, "Invalid number.");
        return false;
    }
    bool logged = true;
    const bool removed = runCustomerUpdate(shop, *slot, { logLine != nullptr, false },
        [&](Messages &told) {
            if (!shop.customers.remove(shop.customers.find(number), told))
                return false;
            if (logLine)
                logged = appendToLog(shop.dir, *logLine);
            return true;
        },
        messages);
    if (removed && !logged)
        reportFatal(messages, "Data file: bun4.dat, not present.");
    return removed;
}

} // namespace

bool deleteCustomer(Shop &shop, int64_t number, Messages &messages)
{
    const std::optional<CustomerRecord> record = readCustomer(shop, number, messages);
    if (!record)
        return false;
    if (!messages.confirm(
            "Are you sure?", RecordKind<CustomerRecord>::deleteCaption(number, *record)))
        return false;
    const std::string line = RecordKind<CustomerRecord>::deletionLogLine(number, *record);
    return removeCustomer(shop, number, &line, messages);
}

PruneCutOff pruneCutOff(int month, int year)
{
    if (month - 6 > 0)
        return { month - 6, year };
    return { month + 6, year - 1 };
}

bool pruneOffers(const CustomerRecord &customer, const PruneCutOff &cutOff, bool omitDebtors)
{
    if (customer.number < 1 || customer.tax != 0)
        return false;
    const std::string lastUsed = readText(customer.customer_last_used);
    const std::string date = lastUsed.size() > 5 ? lastUsed.substr(5) : std::string();
    const int month = dateNumber(date, 3, 2);
    const int year = dateNumber(date, 6, 4);
    if (month == 0 || year == 0)
        return true;
    if (year > cutOff.year || (year == cutOff.year && month > cutOff.month))
        return false;
    if (omitDebtors && customer.balance != 0.0f)
        return false;
    return true;
}

int pruneCustomers(Shop &shop, Messages &messages)
{
    const std::optional<std::string> typed
        = messages.askText("Enter the start number:", "Prune members", "1");
    if (!typed)
        return 0;
    const std::optional<int64_t> start = typedWholeNumber(*typed);
    if (!start || *start <= 0)
        return 0;
    const LocalTime now = localNow();
    const PruneCutOff cutOff = pruneCutOff(now.month, now.year);
    const bool omitDebtors
        = messages.ask("Omit those that owe money?", "Prune members") == Answer::Yes;

    // The numbers first: every deletion moves the index's entries.
    std::vector<int64_t> numbers;
    const RecordIndex &index = shop.customers.index();
    for (size_t position = index.find(*start); position < index.size(); ++position) {
        if (index[position].number >= *start)
            numbers.push_back(index[position].number);
    }
    int deleted = 0;
    for (const int64_t number : numbers) {
        const std::optional<int64_t> slot = shop.customers.slotOf(number);
        if (!slot)
            continue;
        CustomerRecord customer {};
        if (!shop.customers.readRecord(*slot, customer, messages))
            break;
        if (!pruneOffers(customer, cutOff, omitDebtors))
            continue;
        const std::string lastUsed = readText(customer.customer_last_used);
        const std::string date = lastUsed.size() > 5 ? lastUsed.substr(5) : std::string();
        const Answer answer = messages.ask(cformat("Last used: %s Balance: %.2f",
                                               toUtf8(date).c_str(),
                                               static_cast<double>(customer.balance)),
            RecordKind<CustomerRecord>::deleteCaption(number, customer), true);
        if (answer == Answer::Cancel)
            break;
        if (answer == Answer::Yes) {
            if (!removeCustomer(shop, number, nullptr, messages))
                break;
            ++deleted;
        }
    }
    return deleted;
}

} // namespace ovix
