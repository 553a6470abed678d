// The sales archive of one day over any bytes: the input is the year index
// 2026/base.dat, the sales log and the items log of 2026/3/5, in that order,
// between lines "\n--\n" (a file past the parts given is missing).
//
// Every reader takes the whole records and leaves out a torn tail; the
// look-up finds a transaction exactly when its first index entry names this
// day and the day's sales log holds it, with its own lines; the lists keep to
// the index and their limit; an archived transaction loads into a basket
// with at most 400 lines; the number offered to the next sale is held by no
// entry or record, whatever wr.cfg says. Then a sale is appended as the till appends one:
// torn ends are cut off into side files, the whole records before them stay,
// and the new index entry, record and lines come last.

#include "archive_fuzz.h"
#include "platform/data_dir.h"
#include "platform/file.h"
#include "platform/scripted_messages.h"
#include "platform/undo_journal.h"
#include "sales/logic/archived_transaction.h"
#include "sales/logic/basket.h"
#include "sales/logic/sales_archive.h"
#include "sales/logic/transaction_lists.h"
#include "sales/logic/transaction_lookup.h"
#include "sales/logic/transaction_numbers.h"
#include "store/fixed_text.h"
#include "store/till_config.h"

#include <cstring>
#include <filesystem>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace {

using namespace ovix;
using ovix::fuzz::must;
namespace fs = std::filesystem;

constexpr CalendarDay kDay{2026, 3, 5};

const std::string &dataFolder()
{
    static const std::string folder = ovix::fuzz::scratchFolder("ovix-archive-fuzz");
    return folder;
}

// The whole records of `bytes` from `start`.
template <class Record> std::vector<Record> wholeRecords(const std::string &bytes, size_t start)
{
    std::vector<Record> records;
    for (size_t at = start; at + sizeof(Record) <= bytes.size(); at += sizeof(Record)) {
        Record record;
        std::memcpy(&record, bytes.data() + at, sizeof record);
        records.push_back(record);
    }
    return records;
}

std::vector<YearIndexEntry> indexEntries(const std::string &bytes)
{
    if (bytes.size() < kYearIndexHeaderSize)
        return {};
    int32_t first = 0;
    std::memcpy(&first, bytes.data(), 4);
    return wholeRecords<YearIndexEntry>(bytes, first != 0 ? 0 : kYearIndexHeaderSize);
}

bool sameBytes(const void *a, const void *b, size_t size)
{
    return std::memcmp(a, b, size) == 0;
}

void checkReaders(const DataDir &dir, const std::vector<std::string> &parts)
{
    const std::string none;
    const std::string &index = parts.size() > 0 ? parts[0] : none;
    const std::string &sales = parts.size() > 1 ? parts[1] : none;
    const std::string &items = parts.size() > 2 ? parts[2] : none;

    const auto entries = readYearIndex(dir, 2026);
    const auto records = readDayTransactions(dir, 2026, 3, 5);
    const auto lines = readDayLines(dir, 2026, 3, 5);
    must(entries && records && lines);
    const auto expectedEntries = indexEntries(index);
    must(entries->size() == expectedEntries.size());
    for (size_t i = 0; i < entries->size(); ++i)
        must(sameBytes(&(*entries)[i], &expectedEntries[i], sizeof(YearIndexEntry)));
    must(records->size() == sales.size() / kTransactionRecordSize);
    for (size_t i = 0; i < records->size(); ++i)
        must(sameBytes(&(*records)[i], sales.data() + i * kTransactionRecordSize,
                       kTransactionRecordSize));
    must(lines->size() == items.size() / kSoldItemRecordSize);
    must(readDayTransactions(dir, 2026, 3, 6)->empty());

    TillConfig config;
    config.set(cfg::historyStart, 0, 1);
    config.set(cfg::historyStart, 1, 1);
    config.set(cfg::historyStart, 2, 2026);
    LocalTime today;
    today.year = 2026;
    today.month = 3;
    today.day = 5;
    ScriptedMessages messages;
    TransactionHistory history(dir, config, today);

    // The first index entry of each number names its day.
    std::set<int32_t> seen;
    int looked = 0;
    for (const YearIndexEntry &entry : expectedEntries) {
        const int32_t number = entry.transactionNumber;
        if (!seen.insert(number).second || looked++ == 24)
            continue;
        const auto found = history.find(number, messages);
        const bool inRange = number >= kLowestLookUpNumber && number <= kHighestLookUpNumber;
        const bool thisDay = entry.month == kDay.month && entry.day == kDay.day;
        bool onFile = false;
        const TransactionRecord *first = nullptr;
        for (const TransactionRecord &record : *records) {
            if (record.transactionNumber == number) {
                onFile = true;
                first = &record;
                break;
            }
        }
        must(found.has_value() == (inRange && thisDay && onFile));
        if (!found)
            continue;
        must(found->day == kDay);
        must(sameBytes(&found->record, first, kTransactionRecordSize));
        const auto own = linesOfTransaction(*lines, number);
        must(found->lines.size() == own.size());
        for (const SoldItemRecord &line : found->lines)
            must(line.transactionNumber == number);

        auto basket = std::make_unique<Basket>();
        loadArchivedTransaction(*basket, found->record, found->lines);
        must(basket->lineCount >= 0 && basket->lineCount <= kBasketLineCapacity);
        must(static_cast<size_t>(basket->lineCount)
             == std::min<size_t>(found->lines.size(), kBasketLineCapacity));

        for (bool discounted : {false, true}) {
            const auto next = history.next(number, discounted, messages);
            if (next) {
                must(next->record.transactionNumber > number);
                must(discounted || next->record.transactionNumber == number + 1);
                must(!discounted || next->record.discount > 0);
            }
        }
    }

    // Each list keeps to the index (or, discounted, to the day's records).
    const TransactionListRequest requests[] = {
        {TransactionListKind::All, 0, 0, 0},
        {TransactionListKind::Day, 2026, 3, 5},
        {TransactionListKind::Month, 2026, 3, 0},
        {TransactionListKind::Year, 2026, 0, 0},
        {TransactionListKind::Discounted, 0, 0, 0},
    };
    for (const TransactionListRequest &request : requests) {
        const auto list = listTransactions(dir, config, today, request, messages);
        if (!list)
            continue;
        must(list->lines.size() < kTransactionListLimit);
        if (request.kind == TransactionListKind::Discounted)
            must(list->lines.size() <= records->size());
        else
            must(list->lines.size() <= expectedEntries.size());
        for (const std::string &line : list->lines) {
            if (request.kind == TransactionListKind::Day)
                must(line.ends_with(" on day 5 of month 3, 2026"));
        }
    }
}

// The number a new sale takes is held by no index entry and no record of the
// day, whatever wr.cfg offers.
void checkFreeNumber(const DataDir &dir, const std::vector<std::string> &parts)
{
    std::set<int64_t> held;
    if (parts.size() > 0) {
        for (const YearIndexEntry &entry : indexEntries(parts[0]))
            held.insert(+entry.transactionNumber);
    }
    if (parts.size() > 1) {
        for (const TransactionRecord &record : wholeRecords<TransactionRecord>(parts[1], 0))
            held.insert(+record.transactionNumber);
    }
    LocalTime today;
    today.year = kDay.year;
    today.month = kDay.month;
    today.day = kDay.day;
    std::vector<int32_t> offers = {1, 5, 0, -3, 2147483647};
    if (!held.empty())
        offers.push_back(static_cast<int32_t>(*held.begin()));
    ArchivedNumbers numbers;
    for (int32_t wanted : offers) {
        const std::optional<int32_t> free = numbers.firstFree(dir, today, wanted);
        must(free.has_value() && *free >= 1 && held.count(*free) == 0);
        // Above every number held, the one offered is taken as it is.
        const int64_t offered = std::max(wanted, 1);
        if (held.empty() || *held.rbegin() < offered)
            must(*free == offered);
    }
}

// A sale appended over whatever is there.
void checkAppend(const DataDir &dir, const std::vector<std::string> &parts)
{
    const std::string none;
    const std::string &index = parts.size() > 0 ? parts[0] : none;
    const std::string &sales = parts.size() > 1 ? parts[1] : none;
    const std::string &items = parts.size() > 2 ? parts[2] : none;

    SalesArchiveWriter writer(dir, 2026, 3, 5);
    ArchiveFile failed = ArchiveFile::SalesLog;
    must(writer.inspect(failed));
    FileTransaction work(dir);
    writer.protect(work);
    must(work.begin());
    TransactionRecord record{};
    record.transactionNumber = 150000000;
    record.lineCount = 2;
    record.total = 3.5f;
    writeText(record.paymentType, "Cash");
    SoldItemRecord line{};
    line.transactionNumber = record.transactionNumber;
    line.total = 1.75f;
    const SoldItemRecord sold[] = {line, line};
    const YearIndexEntry entry{150000000, 5, 3};
    std::string problem;
    must(writer.append(entry, record, sold, problem));
    must(work.commit());

    for (const SalesArchiveWriter::TornTail &tail : writer.tornTails()) {
        const auto kept = ovix::fuzz::readFile(dir.path(tail.sideFile));
        must(kept && *kept == tail.bytes);
    }
    const auto salesAfter = ovix::fuzz::readFile(dir.path(writer.salesLog()));
    const size_t wholeSales = sales.size() - sales.size() % kTransactionRecordSize;
    must(salesAfter && salesAfter->size() == wholeSales + kTransactionRecordSize);
    must(salesAfter->compare(0, wholeSales, sales, 0, wholeSales) == 0);
    must(sameBytes(salesAfter->data() + wholeSales, &record, kTransactionRecordSize));
    const auto itemsAfter = ovix::fuzz::readFile(dir.path(writer.itemsLog()));
    const size_t wholeItems = items.size() - items.size() % kSoldItemRecordSize;
    must(itemsAfter && itemsAfter->size() == wholeItems + 2 * kSoldItemRecordSize);
    must(itemsAfter->compare(0, wholeItems, items, 0, wholeItems) == 0);

    const auto entriesBefore = indexEntries(index);
    const auto entriesAfter = readYearIndex(dir, 2026);
    must(entriesAfter && entriesAfter->size() == entriesBefore.size() + 1);
    for (size_t i = 0; i < entriesBefore.size(); ++i)
        must(sameBytes(&(*entriesAfter)[i], &entriesBefore[i], sizeof(YearIndexEntry)));
    must(sameBytes(&entriesAfter->back(), &entry, sizeof entry));
    must(!fileExists(dir.path(kJournalName)));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string &root = dataFolder();
    fs::remove_all(root + "/2026");
    fs::create_directories(root + "/2026/3/5");
    const std::vector<std::string> parts = ovix::fuzz::splitParts(
        std::string_view(reinterpret_cast<const char *>(data), size), 3);
    const char *const names[] = {"2026/base.dat", "2026/3/5/saleslog.dat",
                                 "2026/3/5/itemslog.dat"};
    for (size_t i = 0; i < parts.size(); ++i)
        ovix::fuzz::writeFile(root + "/" + names[i], parts[i]);

    const DataDir dir(root);
    checkReaders(dir, parts);
    checkFreeNumber(dir, parts);
    checkAppend(dir, parts);
    return 0;
}
