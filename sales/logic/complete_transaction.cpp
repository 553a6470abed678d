#include "sales/logic/complete_transaction.h"

#include "platform/c_format.h"
#include "platform/clock.h"
#include "platform/locale_text.h"
#include "platform/messages.h"
#include "store/fixed_text.h"
#include "store/time_stamp.h"
#include "sales/logic/archived_transaction.h"
#include "sales/logic/file_update.h"
#include "sales/logic/line_items.h"
#include "sales/logic/sales_archive.h"
#include "sales/logic/till_state.h"
#include "sales/logic/transaction_archiving.h"

#include <cinttypes>
#include <climits>
#include <vector>

namespace ovix {

namespace {

constexpr const char *kNotRecorded
    = "The sale was not recorded and no file was changed. The basket is kept: complete "
      "the sale again when the fault is put right.";

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
    advanceTransactionNumber(config);
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
// Takes one unit per line off the items sold, counts them per category in
// `config` and notes what could not be reached in `notices`.
LineItems takeStock(TillState &state, const Basket &sale, const LocalTime &now,
    TillConfig &config, TransactionArchiving &notices)
{
    const std::string stamp = makeTimeStamp(now);
    return reachLineItems(state, sale, notices, [&](ItemRecord &record, int line) {
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
    });
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
    TransactionArchiving archiving(state, now, kNotRecorded);
    if (!archiving.begin(messages))
        return CompletionResult::NotArchived;
    const int32_t number = archiving.number();

    // The sale as it will be archived; the basket itself stays as it is until
    // the sale is on the disk.
    Basket sale = basket;
    sale.transactionNumber = number;
    sale.daySequence = state.config.get(cfg::todayTransactionCount) + 1;
    if (readText(sale.timeText).empty()) {
        writeText(sale.timeText, transactionTimeText(now));
        writeText(sale.dateText, transactionDateText(now));
    }
    if (sale.clerkNumber == 0)
        sale.clerkNumber = static_cast<int32_t>(state.clerk());

    TillConfig updated = state.config;
    updated.set(cfg::nextTransactionNumber, number);
    const LineItems stock = takeStock(state, sale, now, updated, archiving);
    addToDayTotals(updated, sale);

    const TransactionRecord transaction = transactionRecordOf(sale);
    std::vector<SoldItemRecord> lines;
    lines.reserve(static_cast<size_t>(sale.lineCount));
    for (int line = 0; line < sale.lineCount; ++line)
        lines.push_back(soldItemRecordOf(sale, line, stock.lineCategories[line]));
    const YearIndexEntry entry { number, now.day, now.month };
    const std::string log = archiving.logNotes() + logBlock(sale, state.config.clerkName(sale.clerkNumber), now);

    // A customer record made for the number wr.cfg offered names the one used.
    CustomerRecordUpdate customer;
    if (options.customer) {
        customer = *options.customer;
        if (customer.record.last_transaction == archiving.offered())
            customer.record.last_transaction = number;
    }

    // Inside the update wr.cfg with the advanced number goes first, then the
    // archive, the stock, the customer, and last the log. A crash before the
    // commit is undone at the next start: no record, no stock taken, no log
    // block, and wr.cfg still offers this number, which nothing has shown yet
    // (the documents are made after completion).
    FileUpdate &update = archiving.update();
    update.replaceTillConfig(updated);
    update.appendToArchive(archiving.archive(), entry, transaction, lines);
    for (const LineItem &item : stock.items)
        update.rewriteRecord(state.items, item.slot, item.record);
    if (options.customer)
        update.rewriteRecord(state.customers, customer.slot, customer.record);
    update.appendLogBlock(log);
    if (!archiving.finish(updated, messages))
        return CompletionResult::NotArchived;

    if (options.archived)
        *options.archived = sale;
    clearBasket(basket);
    archiving.tellHeldBack(messages);
    return CompletionResult::Archived;
}

} // namespace ovix
