#include "sales/logic/complete_transaction.h"

#include "platform/c_format.h"
#include "platform/clock.h"
#include "platform/file.h"
#include "platform/locale_text.h"
#include "platform/messages.h"
#include "platform/scripted_messages.h"
#include "platform/undo_journal.h"
#include "store/activity_log.h"
#include "store/fixed_text.h"
#include "store/till_config_file.h"
#include "store/time_stamp.h"
#include "sales/logic/archive_folders.h"
#include "sales/logic/sales_archive.h"
#include "sales/logic/till_state.h"
#include "sales/logic/transaction_numbers.h"

#include <cinttypes>
#include <climits>
#include <map>
#include <vector>

namespace ovix {

namespace {

constexpr const char *kNotRecorded
    = "The sale was not recorded and no file was changed. The basket is kept: complete "
      "the sale again when the fault is put right.";
constexpr const char *kMidnightWarning = "Otherwise transactions will not archive correctly";
constexpr const char *kMidnightCaption
    = "IMPORTANT - DO NOT run the program over the midnight boundary";

// Messages held back until the sale is complete, each told once.
class Notices {
public:
    void add(std::string text, std::string caption, MessageKind kind)
    {
        for (const ScriptedMessages::Shown &notice : notices_) {
            if (notice.text == text && notice.caption == caption)
                return;
        }
        notices_.push_back({ std::move(text), std::move(caption), kind });
    }
    void addAll(const ScriptedMessages &collected)
    {
        for (const ScriptedMessages::Shown &shown : collected.shown)
            add(shown.text, shown.caption, shown.kind);
    }
    void tell(Messages &messages) const
    {
        for (const ScriptedMessages::Shown &notice : notices_) {
            if (notice.kind == MessageKind::Error)
                reportFatal(messages, notice.text, notice.caption);
            else
                reportProblem(messages, notice.text, notice.caption);
        }
    }

private:
    std::vector<ScriptedMessages::Shown> notices_;
};

template <size_t N> void copyText(char (&to)[N], const char (&from)[N])
{
    writeText(to, readText(from));
}

float basketTotal(const Basket &sale, int index)
{
    return sale.totals[index];
}

TransactionRecord transactionRecordOf(const Basket &sale)
{
    TransactionRecord record {};
    record.transactionNumber = sale.transactionNumber;
    record.daySequence = sale.daySequence;
    record.customerNumber = sale.customerNumber;
    record.clerkNumber = sale.clerkNumber;
    record.lineCount = sale.lineCount;
    record.nonTaxable = sale.total(BasketTotal::NonTaxable);
    record.taxable = sale.total(BasketTotal::Taxable);
    record.subtotal = sale.total(BasketTotal::Subtotal);
    record.taxOne = sale.total(BasketTotal::TaxOne);
    record.taxTwo = sale.total(BasketTotal::TaxTwo);
    record.cost = sale.total(BasketTotal::Cost);
    record.total = sale.total(BasketTotal::Total);
    record.discount = sale.total(BasketTotal::Discount);
    for (int i = 0; i < 5; ++i)
        record.reserved64[i] = basketTotal(sale, 8 + i);
    record.cashBack = sale.total(BasketTotal::CashBack);
    record.cashPart = sale.total(BasketTotal::CashPart);
    record.eftPart = sale.total(BasketTotal::EftPart);
    record.reserved96 = basketTotal(sale, 16);
    record.chequePart = sale.total(BasketTotal::ChequePart);
    record.reserved104[0] = basketTotal(sale, 18);
    record.reserved104[1] = basketTotal(sale, 19);
    record.balanceBefore = sale.total(BasketTotal::BalanceBefore);
    record.balanceAfter = sale.total(BasketTotal::BalanceAfter);
    record.reserved120 = basketTotal(sale, 22);
    copyText(record.timeText, sale.timeText);
    copyText(record.dateText, sale.dateText);
    copyText(record.customerName, sale.customerName);
    for (int i = 0; i < 4; ++i)
        copyText(record.customerAddress[i], sale.customerAddress[i]);
    copyText(record.customerTelephone, sale.customerTelephone);
    copyText(record.paymentType, sale.paymentType);
    for (int i = 0; i < 5; ++i)
        copyText(record.reservedTexts394[i], sale.reservedTexts394[i]);
    copyText(record.reservedText594, sale.reservedText594);
    for (int i = 0; i < 2; ++i) {
        copyText(record.reservedTexts614[i], sale.reservedTexts614[i]);
        copyText(record.reservedTexts774[i], sale.reservedTexts774[i]);
        record.reservedNumbers854[i] = sale.reservedNumbers854[i];
        record.reservedAmounts862[i] = sale.reservedAmounts862[i];
    }
    copyText(record.reservedText694, sale.reservedText694);
    copyText(record.transactionNote, sale.transactionNote);
    return record;
}

SoldItemRecord soldItemRecordOf(const Basket &sale, int line, int64_t category)
{
    SoldItemRecord record {};
    record.transactionNumber = sale.transactionNumber;
    record.category = category;
    record.customerNumber = sale.customerNumber;
    record.itemNumber = sale.lineItemNumber[line];
    writeText(record.description, lineDescriptionText(sale, line));
    record.nonTaxable = sale.lineNonTaxable[line];
    record.taxable = sale.lineTaxable[line];
    record.taxOne = sale.lineTaxOne[line];
    record.taxTwo = sale.lineTaxTwo[line];
    record.cost = sale.lineCost[line];
    record.discount = sale.lineDiscount[line];
    record.total = sale.lineTotal[line];
    record.clerkNumber = sale.clerkNumber;
    return record;
}

// The sale's block of the activity log, CR LF line ends.
std::string logBlock(const Basket &sale, const std::string &clerkName, const LocalTime &now)
{
    const std::string paymentType = readText(sale.paymentType);
    std::string text = "\r\n" + logTimePrefix(makeTimeStamp(now))
        + cformat(" Sale: %" PRId64 ", Total: %.2f\r\n", sale.transactionNumber,
            static_cast<double>(sale.total(BasketTotal::Total)));
    for (int line = 0; line < sale.lineCount; ++line) {
        text += cformat("%" PRId64 "  %s\r\n", sale.lineItemNumber[line],
            lineDescriptionText(sale, line).c_str());
    }
    text += cformat(
        "Clerk: %d, %s   Items: %d\r\n", sale.clerkNumber, clerkName.c_str(), sale.lineCount);
    text += cformat("Payment type: %s\r\n", paymentType.c_str());
    if (paymentType == "Split") {
        text += cformat("Cash: %.2f  CH: %.2f  EFT: %.2f\r\n",
            static_cast<double>(sale.total(BasketTotal::CashPart)),
            static_cast<double>(sale.total(BasketTotal::ChequePart)),
            static_cast<double>(sale.total(BasketTotal::EftPart)));
    }
    if (sale.customerNumber != 0) {
        text += cformat("Customer: %" PRId64 " %s\r\n", sale.customerNumber,
            readText(sale.customerName).c_str());
    }
    if (sale.total(BasketTotal::Discount) != 0.0f) {
        text += cformat(
            "Discount: %.2f\r\n", static_cast<double>(sale.total(BasketTotal::Discount)));
    }
    return text;
}

void addMoney(TillConfig &config, DoubleField field, double amount)
{
    config.set(field, roundMoney(config.get(field) + amount));
}

void addCount(TillConfig &config, FloatField field)
{
    config.set(field, config.get(field) + 1.0f);
}

// The sale's share of the day totals, the counters and the next number.
void addToDayTotals(TillConfig &config, const Basket &sale)
{
    const std::string paymentType = readText(sale.paymentType);
    const bool credit = paymentType == "Credit";
    const double total = sale.total(BasketTotal::Total);
    if (!credit)
        addMoney(config, cfg::tillTakings, total);
    addMoney(config, cfg::nonTaxableSales, sale.total(BasketTotal::NonTaxable));
    addMoney(config, cfg::taxableSales, sale.total(BasketTotal::Taxable));
    addMoney(config, cfg::subtotalSales, sale.total(BasketTotal::Subtotal));
    addMoney(config, cfg::taxOneSales, sale.total(BasketTotal::TaxOne));
    addMoney(config, cfg::taxTwoSales, sale.total(BasketTotal::TaxTwo));
    addMoney(config, cfg::discounts, sale.total(BasketTotal::Discount));
    addMoney(config, cfg::salesTotal, total);
    addMoney(config, cfg::cashSales, sale.total(BasketTotal::CashPart));
    addMoney(config, cfg::chequeSales, sale.total(BasketTotal::ChequePart));
    addMoney(config, cfg::eftSales, sale.total(BasketTotal::EftPart));
    if (credit)
        addMoney(config, cfg::creditSales, total);
    // The sale's own cost keeps what its cost prices carry beyond cents; the
    // day's cost of sales is a running total in cents like the others.
    addMoney(config, cfg::costOfSales, sale.total(BasketTotal::Cost));
    config.set(cfg::todayTransactionCount, config.get(cfg::todayTransactionCount) + 1);
    config.set(cfg::todayItemCount, config.get(cfg::todayItemCount) + sale.lineCount);
    const int32_t next = config.get(cfg::nextTransactionNumber);
    config.set(cfg::nextTransactionNumber, next < INT32_MAX ? next + 1 : 1);
    if (paymentType == "Cash")
        addCount(config, cfg::cashSalesCount);
    else if (paymentType == "CH")
        addCount(config, cfg::chequeSalesCount);
    else if (paymentType == "EFT")
        addCount(config, cfg::eftSalesCount);
    else if (credit)
        addCount(config, cfg::creditSalesCount);
}

// A line's item, read before the update and written back once after all its
// lines took their share.
struct SoldItem {
    int64_t slot = 0;
    ItemRecord record {};
};

// The items of the sale and the category each line is archived under.
struct StockChange {
    std::vector<SoldItem> items;
    std::vector<int64_t> lineCategories;
};

// Takes one unit per line off the items sold, counts them per category in
// `config` and notes what could not be reached in `notices`.
StockChange takeStock(TillState &state, const Basket &sale, const LocalTime &now,
    TillConfig &config, Notices &notices)
{
    StockChange change;
    std::map<int64_t, int> itemOfNumber; // item number -> index in items, -1 unreachable
    const std::string stamp = makeTimeStamp(now);
    for (int line = 0; line < sale.lineCount; ++line) {
        const int64_t number = sale.lineItemNumber[line];
        if (number == 0) {
            change.lineCategories.push_back(kNonInventoryCategory);
            continue;
        }
        auto known = itemOfNumber.find(number);
        if (known == itemOfNumber.end()) {
            int found = -1;
            std::optional<int64_t> slot = number > 0 ? state.items.slotOf(number) : std::nullopt;
            if (!slot) {
                notices.add("Invalid entry", "Problem", MessageKind::Warning);
            } else {
                ScriptedMessages quiet;
                SoldItem item;
                item.slot = *slot;
                if (state.items.readRecord(item.slot, item.record, quiet)
                    && item.record.number == number) {
                    found = static_cast<int>(change.items.size());
                    change.items.push_back(item);
                } else {
                    notices.addAll(quiet);
                    if (quiet.shown.empty())
                        notices.add("Invalid entry", "Problem", MessageKind::Warning);
                }
            }
            known = itemOfNumber.emplace(number, found).first;
        }
        if (known->second < 0) {
            change.lineCategories.push_back(kNonInventoryCategory);
            continue;
        }
        ItemRecord &record = change.items[static_cast<size_t>(known->second)].record;
        const int32_t sold = record.total_sold;
        if (sold < INT32_MAX)
            record.total_sold = sold + 1;
        writeText(record.last_used, stamp);
        const int32_t category = record.display_category;
        if (category >= 0 && category < kCategoryCount) {
            const auto at = static_cast<size_t>(category);
            config.set(cfg::categoryDayCounts, at, config.get(cfg::categoryDayCounts, at) + 1);
            config.set(cfg::categoryMonthCounts, at, config.get(cfg::categoryMonthCounts, at) + 1);
            config.set(cfg::categoryDayValues, at,
                roundMoney(config.get(cfg::categoryDayValues, at) + sale.lineTotal[line]));
        }
        const int32_t quantity = record.quantity;
        if (quantity > 0)
            record.quantity = quantity - 1;
        change.lineCategories.push_back(category);
    }
    return change;
}

void tellNotRecorded(Messages &messages, const std::string &problem, MessageKind kind)
{
    if (!problem.empty()) {
        if (kind == MessageKind::Error)
            reportFatal(messages, problem);
        else
            reportProblem(messages, problem);
    }
    reportProblem(messages, kNotRecorded);
}

} // namespace

std::string transactionDateText(const LocalTime &time)
{
    std::string text = formatLocaleDate(time.year, time.month, time.day, "ddd d MMM yy");
    if (text.empty() || text.size() >= 20)
        text = cformat("D:%2d M:%2d Y:%d", time.day, time.month, time.year);
    return text;
}

std::string transactionTimeText(const LocalTime &time)
{
    return cformat("%02d:%02d", time.hour, time.minute);
}

CompletionResult completeTransaction(
    TillState &state, Basket &basket, Messages &messages, const CompletionOptions &options)
{
    if (basket.lineCount == 0)
        return CompletionResult::NothingToArchive;
    if (basket.lineCount < 0 || basket.lineCount > kBasketLineCapacity) {
        clearBasket(basket);
        reportProblem(messages, "No items");
        return CompletionResult::NothingToArchive;
    }
    const LocalTime now = localNow();
    const DataDir &dir = state.dir;

    // A sale after midnight without a restart: the new day has no folder yet.
    if (!fileExists(dir.path(yearIndexName(now.year)))
        || !isDirectory(dir.path(dayFolderName(now.year, now.month, now.day)))) {
        ensureArchiveFolders(dir, now, messages);
        reportProblem(messages, kMidnightWarning, kMidnightCaption);
    }

    // Work of this run left half done (its undoing failed) is undone first: a
    // torn end it explains is put right by the journal, not kept as damage.
    if (fileExists(dir.path(kJournalName))) {
        const RecoveryResult recovered = recoverInterruptedWork(dir);
        if (!recovered.ok) {
            tellNotRecorded(messages, recovered.error, MessageKind::Warning);
            return CompletionResult::NotArchived;
        }
    }

    // Whatever the journal keeps must be a file it can put back: a folder in
    // the place of one would leave work that no start could undo.
    SalesArchiveWriter archive(dir, now.year, now.month, now.day);
    ArchiveFile unreadable = ArchiveFile::SalesLog;
    if (!archive.inspect(unreadable)) {
        tellNotRecorded(messages, unableToOpenMessage(unreadable), MessageKind::Warning);
        return CompletionResult::NotArchived;
    }

    // The number wr.cfg offers, unless the archive already holds it.
    const int32_t offered = state.config.get(cfg::nextTransactionNumber);
    const std::optional<int32_t> number = state.archivedNumbers.firstFree(dir, now, offered);
    if (!number) {
        const ArchiveFile unread
            = readYearIndex(dir, now.year) ? ArchiveFile::SalesLog : ArchiveFile::YearIndex;
        tellNotRecorded(messages, unableToOpenMessage(unread), MessageKind::Warning);
        return CompletionResult::NotArchived;
    }

    // The sale as it will be archived; the basket itself stays as it is until
    // the sale is on the disk.
    Basket sale = basket;
    sale.transactionNumber = *number;
    sale.daySequence = state.config.get(cfg::todayTransactionCount) + 1;
    if (readText(sale.timeText).empty()) {
        writeText(sale.timeText, transactionTimeText(now));
        writeText(sale.dateText, transactionDateText(now));
    }
    if (sale.clerkNumber == 0)
        sale.clerkNumber = static_cast<int32_t>(state.clerk());

    Notices notices;
    // Notes for the activity log ahead of the sale's block: what was found
    // wrong with the archive and put right.
    std::string notes;
    for (const SalesArchiveWriter::TornTail &tail : archive.tornTails()) {
        notices.add(cformat("%s ended in %zu bytes that are no whole record. They were cut off "
                            "and kept in %s.",
                        tail.file.c_str(), tail.bytes.size(), tail.sideFile.c_str()),
            "Problem", MessageKind::Warning);
        notes += "\r\n" + logTimePrefix(makeTimeStamp(now))
            + cformat("  Damaged end of %s: %zu bytes cut off and kept in %s.\r\n",
                tail.file.c_str(), tail.bytes.size(), tail.sideFile.c_str());
    }
    if (*number != offered)
        notes += numberMovedOnLogText(now, offered, state.archivedNumbers.highest(), *number);

    TillConfig updated = state.config;
    updated.set(cfg::nextTransactionNumber, *number);
    const StockChange stock = takeStock(state, sale, now, updated, notices);
    addToDayTotals(updated, sale);

    const TransactionRecord transaction = transactionRecordOf(sale);
    std::vector<SoldItemRecord> lines;
    lines.reserve(static_cast<size_t>(sale.lineCount));
    for (int line = 0; line < sale.lineCount; ++line)
        lines.push_back(soldItemRecordOf(sale, line, stock.lineCategories[line]));
    const YearIndexEntry entry { *number, now.day, now.month };
    const std::string log = notes + logBlock(sale, state.config.clerkName(sale.clerkNumber), now);

    // A customer record made for the number wr.cfg offered names the one used.
    CustomerRecordUpdate customer;
    if (options.customer) {
        customer = *options.customer;
        if (customer.record.last_transaction == offered)
            customer.record.last_transaction = *number;
    }

    if (isDirectory(dir.path(kTillConfigFileName))) {
        tellNotRecorded(messages, "Data file: wr.cfg, not present.", MessageKind::Error);
        return CompletionResult::NotArchived;
    }
    const bool logUsable = !isDirectory(dir.path(kCurrentLogName));
    FileTransaction work(dir);
    work.protectWholeFile(kTillConfigFileName);
    archive.protect(work);
    for (const SoldItem &item : stock.items) {
        work.protectRange(kItemFileName, item.slot * static_cast<int64_t>(kItemRecordSize),
            static_cast<int64_t>(kItemRecordSize));
    }
    if (options.customer) {
        work.protectRange(kCustomerFileName,
            customer.slot * static_cast<int64_t>(kCustomerRecordSize),
            static_cast<int64_t>(kCustomerRecordSize));
    }
    if (logUsable)
        work.protectLength(kCurrentLogName);
    if (!work.begin()) {
        tellNotRecorded(messages, work.error(), MessageKind::Warning);
        return CompletionResult::NotArchived;
    }
    auto undo = [&](const std::string &problem, MessageKind kind) {
        const bool undone = work.rollback();
        tellNotRecorded(messages, problem, kind);
        if (!undone)
            reportProblem(messages, work.error());
        return CompletionResult::NotArchived;
    };

    // Write order. begin() has synced a journal holding every byte and length
    // this sale is about to change; commit() syncs the changed files and then
    // deletes the journal, and that deletion is the one moment the sale
    // becomes real. A crash before it is undone at the next start: no record,
    // no stock taken, no log block, and wr.cfg still offers this number, which
    // nothing has shown yet (the documents are made after completion). Inside
    // the update wr.cfg with the advanced number goes first, synced by its
    // atomic replace, so that even without the journal a crash could only
    // skip a number, never hand out one already archived. Then the archive
    // (index entry, record, lines: a record is never without its lines), the
    // stock, the customer, and last the log, which may fail on its own.
    std::string error;
    if (!storeTillConfig(dir, updated, &error))
        return undo("Data file: wr.cfg, not present.", MessageKind::Error);
    std::string problem;
    if (!archive.append(entry, transaction, lines, problem))
        return undo(problem, MessageKind::Warning);
    for (const SoldItem &item : stock.items) {
        ScriptedMessages quiet;
        if (!state.items.writeRecord(item.slot, item.record, quiet)) {
            return undo(quiet.shown.empty() ? std::string("Not able to write to film.dat")
                                            : quiet.lastText(),
                quiet.shown.empty() ? MessageKind::Warning : quiet.shown.back().kind);
        }
    }
    if (options.customer) {
        ScriptedMessages quiet;
        if (!state.customers.writeRecord(customer.slot, customer.record, quiet)) {
            return undo(quiet.shown.empty() ? std::string("Not able to write to member.dat")
                                            : quiet.lastText(),
                quiet.shown.empty() ? MessageKind::Warning : quiet.shown.back().kind);
        }
    }
    // A log that cannot be written is left as it was and noted; only a torn
    // block that could not be cut off again undoes the whole update.
    bool tornBlockLeft = false;
    if (!logUsable || !appendToLog(dir, log, &tornBlockLeft)) {
        if (tornBlockLeft)
            return undo("Data file: bun4.dat, not present.", MessageKind::Error);
        notices.add("Data file: bun4.dat, not present.", "Fatal error", MessageKind::Error);
    }
    if (!work.commit()) {
        tellNotRecorded(messages, work.error(), MessageKind::Warning);
        return CompletionResult::NotArchived;
    }

    state.config = updated;
    state.archivedNumbers.noteArchived(dir, now, *number);
    if (options.archived)
        *options.archived = sale;
    clearBasket(basket);
    notices.tell(messages);
    return CompletionResult::Archived;
}

} // namespace ovix
