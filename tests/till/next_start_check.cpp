#include "till/next_start_check.h"

#include "platform/c_format.h"
#include "platform/file.h"
#include "platform/scripted_messages.h"
#include "sales/logic/complete_transaction.h"
#include "sales/logic/sales_archive.h"
#include "store/customer_record.h"
#include "store/till_config.h"
#include "support/start_fixture.h"
#include "till/logic/startup.h"
#include "till/sale_fixture.h"

#include <cmath>

namespace ovix::test {

namespace {

class NextStart : public ShopStart {
public:
    using ShopStart::start;
};

// Every indexed record of `file` reads back under its own number.
template <typename Record, typename File>
std::string recordsUnreadable(const File &file)
{
    ScriptedMessages messages;
    for (const IndexEntry &entry : file.index().entries()) {
        if (entry.number <= 0)
            continue;
        Record record {};
        if (!file.readRecord(entry.slot, record, messages) || record.number != entry.number)
            return cformat("%s: record %lld unreadable; ", file.fileName(),
                static_cast<long long>(entry.number));
    }
    return {};
}

std::string archiveFaults(const TillState &state, const LocalTime &day, bool countsFollowArchive,
    std::set<int64_t> &numbers)
{
    const DataDir &dir = state.dir;
    const auto sales = readDayTransactions(dir, day.year, day.month, day.day);
    const auto lines = readDayLines(dir, day.year, day.month, day.day);
    const auto index = readYearIndex(dir, day.year);
    if (!sales || !lines || !index)
        return "the archive cannot be read; ";
    std::string faults;
    // A missing file (nothing archived yet) has size -1, and is whole.
    const int64_t salesSize
        = fileSize(dir.path(dayFileName(day.year, day.month, day.day, kSalesLogName)));
    const int64_t linesSize
        = fileSize(dir.path(dayFileName(day.year, day.month, day.day, kItemsLogName)));
    if (salesSize > 0 && salesSize % static_cast<int64_t>(sizeof(TransactionRecord)) != 0)
        faults += cformat("torn saleslog.dat (%lld bytes); ", static_cast<long long>(salesSize));
    if (linesSize > 0 && linesSize % static_cast<int64_t>(sizeof(SoldItemRecord)) != 0)
        faults += cformat("torn itemslog.dat (%lld bytes); ", static_cast<long long>(linesSize));

    size_t lineTotal = 0;
    float lastBalance = NAN;
    int64_t lastPayer = 0;
    for (const TransactionRecord &sale : *sales) {
        const int64_t number = sale.transactionNumber; // a copy: the field is packed
        if (!numbers.insert(number).second)
            faults += cformat("number %lld twice; ", static_cast<long long>(number));
        const size_t own = linesOfTransaction(*lines, number).size();
        if (own != static_cast<size_t>(sale.lineCount))
            faults += cformat("transaction %lld has %zu of its %d lines; ",
                static_cast<long long>(number), own, sale.lineCount);
        lineTotal += static_cast<size_t>(sale.lineCount);
        if (sale.paymentType[0] == 'P') {
            lastBalance = sale.balanceAfter;
            lastPayer = sale.customerNumber;
        }
    }
    if (lineTotal != lines->size())
        faults += cformat("%zu lines for %zu; ", lines->size(), lineTotal);
    std::set<int64_t> indexed;
    for (const YearIndexEntry &entry : *index)
        indexed.insert(int64_t {entry.transactionNumber});
    std::set<int64_t> low;
    for (const int64_t number : numbers)
        low.insert(static_cast<int32_t>(number));
    if (indexed != low || index->size() != sales->size())
        faults += "the year index and the day's records differ; ";
    if (countsFollowArchive
        && state.config.get(cfg::todayTransactionCount) != static_cast<int64_t>(sales->size()))
        faults += cformat("%lld transactions counted for %zu archived; ",
            static_cast<long long>(state.config.get(cfg::todayTransactionCount)), sales->size());

    if (lastPayer != 0) {
        ScriptedMessages messages;
        CustomerRecord record {};
        const auto slot = state.customers.slotOf(lastPayer);
        if (!slot || !state.customers.readRecord(*slot, record, messages))
            faults += "the customer who paid last cannot be read; ";
        else if (moneyCents(record.balance) != moneyCents(lastBalance))
            faults += cformat("balance %.2f after a payment leaving %.2f; ",
                double(record.balance), double(lastBalance));
    }
    return faults;
}

} // namespace

NextStartFindings checkNextStart(
    const std::string &folder, const LocalTime &day, bool countsFollowArchive)
{
    NextStartFindings found;
    ScriptedMessages messages;
    TillState state(folder);
    if (!NextStart::start(state, day, messages)) {
        found.faults = "the next start failed: " + messages.lastText();
        return found;
    }
    found.faults += recordsUnreadable<ItemRecord>(state.items);
    found.faults += recordsUnreadable<CustomerRecord>(state.customers);
    found.faults += recordsUnreadable<SupplierRecord>(state.suppliers);
    found.faults += archiveFaults(state, day, countsFollowArchive, found.numbers);
    shutdownTill(state, messages);
    return found;
}

std::string checkNextStartAndSale(
    const std::string &folder, const LocalTime &day, bool countsFollowArchive)
{
    const NextStartFindings found = checkNextStart(folder, day, countsFollowArchive);
    if (!found.faults.empty())
        return found.faults;
    ScriptedMessages messages;
    TillState state(folder);
    if (!NextStart::start(state, day, messages))
        return "the start for the next sale failed: " + messages.lastText();
    Basket sale {};
    SaleShop::ringUpNonInventory(sale, "NEXT SALE", 4.00f);
    SaleShop::pay(sale, "Cash");
    Basket archived {};
    CompletionOptions options;
    options.archived = &archived;
    if (completeTransaction(state, sale, messages, options) != CompletionResult::Archived)
        return "the next sale failed: " + messages.lastText();
    const int64_t number = archived.transactionNumber;
    if (found.numbers.contains(number))
        return cformat("the next sale took number %lld again", static_cast<long long>(number));
    return {};
}

} // namespace ovix::test
