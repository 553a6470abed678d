#include "accounts/logic/account_payment.h"

#include "accounts/logic/account_history.h"
#include "accounts/logic/customer_terms.h"
#include "platform/c_format.h"
#include "platform/clock.h"
#include "platform/cp1252.h"
#include "platform/data_dir.h"
#include "platform/file.h"
#include "platform/locale_text.h"
#include "platform/messages.h"
#include "store/fixed_text.h"
#include "store/time_stamp.h"
#include "sales/logic/basket.h"
#include "sales/logic/complete_transaction.h"
#include "sales/logic/sale_devices.h"
#include "sales/logic/till_state.h"
#include "sales/logic/transaction_archiving.h"

#include <algorithm>
#include <cerrno>
#include <cinttypes>
#include <cstdlib>

namespace ovix {

namespace {

constexpr const char *kNotRecorded
    = "The payment was not recorded and no file was changed: the balance is as it was. "
      "Take the payment again when the fault is put right.";
constexpr int64_t kPaymentCentsLimit = 1000000000; // 10000000.00
constexpr int kFirstIndexYear = 2002;

struct MethodTexts {
    const char *paymentType; // the archive's payment type
    const char *logName; // "Payment type: %s" of the activity log
};

MethodTexts textsOf(AccountPaymentMethod method)
{
    switch (method) {
    case AccountPaymentMethod::Cheque:
        return { "Payment (ch)", "CH" };
    case AccountPaymentMethod::Eft:
        return { "Payment (eft)", "EFT" };
    case AccountPaymentMethod::Cash:
        break;
    }
    return { "Payment (cash)", "Cash" };
}

std::string trimmed(std::string_view text)
{
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    const size_t last = text.find_last_not_of(" \t");
    return std::string(text.substr(first, last - first + 1));
}

void addMoney(TillConfig &config, DoubleField field, int64_t cents)
{
    config.set(field, roundMoney(config.get(field) + static_cast<double>(cents) / 100.0));
}

// The day totals of a payment of `cents`, and the next number.
void addPaymentToDayTotals(TillConfig &config, AccountPaymentMethod method, int64_t cents)
{
    addMoney(config, cfg::tillTakings, cents);
    FloatField count = cfg::cashBalancePaymentsCount;
    DoubleField amount = cfg::cashBalancePayments;
    if (method == AccountPaymentMethod::Cheque) {
        count = cfg::chequeBalancePaymentsCount;
        amount = cfg::chequeBalancePayments;
    } else if (method == AccountPaymentMethod::Eft) {
        count = cfg::eftBalancePaymentsCount;
        amount = cfg::eftBalancePayments;
    }
    config.set(count, config.get(count) + 1.0f);
    addMoney(config, amount, cents);
    config.set(cfg::todayTransactionCount, config.get(cfg::todayTransactionCount) + 1);
    advanceTransactionNumber(config);
}

float amountOf(int64_t cents)
{
    return static_cast<float>(static_cast<double>(cents) / 100.0);
}

TransactionRecord paymentRecord(const CustomerRecord &customer, int32_t number,
    int32_t clerk, AccountPaymentMethod method, int64_t cents, int64_t balanceAfterCents,
    const LocalTime &now)
{
    TransactionRecord record {};
    record.transactionNumber = number;
    record.customerNumber = customer.number;
    record.clerkNumber = clerk;
    record.total = amountOf(cents);
    if (method == AccountPaymentMethod::Cash)
        record.cashPart = record.total;
    else if (method == AccountPaymentMethod::Cheque)
        record.chequePart = record.total;
    else
        record.eftPart = record.total;
    record.balanceBefore = amountOf(cents + balanceAfterCents);
    record.balanceAfter = amountOf(balanceAfterCents);
    writeText(record.timeText, transactionTimeText(now));
    writeText(record.dateText, transactionDateText(now));
    writeText(record.customerName, readText(customer.name));
    writeText(record.customerAddress[0], readText(customer.road));
    writeText(record.customerAddress[1], readText(customer.area));
    writeText(record.customerAddress[2], readText(customer.town));
    writeText(record.customerAddress[3], readText(customer.postcode));
    writeText(record.customerTelephone, readText(customer.telephone));
    writeText(record.paymentType, textsOf(method).paymentType);
    return record;
}

std::string paymentLogBlock(const TransactionRecord &record, const std::string &clerkName,
    AccountPaymentMethod method, const LocalTime &now)
{
    return "\r\n" + logTimePrefix(makeTimeStamp(now))
        + cformat(" Payment: %d, Total: %.2f\r\n", static_cast<int>(record.transactionNumber),
            static_cast<double>(record.total))
        + cformat("Clerk: %d, %s\r\n", record.clerkNumber, clerkName.c_str())
        + cformat("Payment type: %s\r\n", textsOf(method).logName)
        + cformat("Customer: %" PRId64 " %s\r\n", record.customerNumber,
            readText(record.customerName).c_str());
}

// The payment as the summary box and the pole display see it.
Basket summaryOf(const TransactionRecord &record, const CustomerRecord &customer)
{
    Basket copy {};
    copy.transactionNumber = record.transactionNumber;
    copy.clerkNumber = record.clerkNumber;
    setBasketCustomer(copy, customer);
    copy.setTotal(BasketTotal::Total, record.total);
    copy.setTotal(BasketTotal::CashPart, record.cashPart);
    copy.setTotal(BasketTotal::ChequePart, record.chequePart);
    copy.setTotal(BasketTotal::EftPart, record.eftPart);
    copy.setTotal(BasketTotal::BalanceBefore, record.balanceBefore);
    copy.setTotal(BasketTotal::BalanceAfter, record.balanceAfter);
    writeText(copy.timeText, readText(record.timeText));
    writeText(copy.dateText, readText(record.dateText));
    writeText(copy.paymentType, readText(record.paymentType));
    return copy;
}

std::optional<int64_t> strictNumber(std::string_view text, int64_t low, int64_t high)
{
    const std::string digits = trimmed(text);
    if (digits.empty() || digits.size() > 18
        || digits.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    const int64_t value = std::strtoll(digits.c_str(), nullptr, 10);
    if (value < low || value > high)
        return std::nullopt;
    return value;
}

} // namespace

std::string stampShownWithTime(std::string_view stamp)
{
    const std::string text(stamp);
    if (text.size() < 5 || text == "NEW")
        return {};
    return cformat("%c%c:%c%c ", text[0], text[1], text[3], text[4]) + showStampDate(text);
}

AccountPaymentView accountPaymentView(
    const TillState &state, const CustomerRecord &customer, const LocalTime &today)
{
    AccountPaymentView view;
    view.number = customer.number;
    view.name = toUtf8(readText(customer.name));
    view.lastPurchase = toUtf8(stampShownWithTime(readText(customer.customer_last_used)));
    view.lastPayment = toUtf8(stampShownWithTime(readText(customer.last_payment)));
    view.terms = bandText(state.config, customerBand(customer));
    view.balance = cformat("%.2f", static_cast<double>(customer.balance));
    for (const CustomerTransaction &transaction : customerTransactions(state.dir, customer.number,
             archiveFirstDay(state.config, today), archiveDayOf(today))) {
        view.transactions.push_back(toUtf8(cformat("%s,  %" PRId64 ", %.2f",
            archiveDayText(transaction.day).c_str(), transaction.record.transactionNumber,
            static_cast<double>(transaction.record.total))));
    }
    return view;
}

std::optional<int64_t> typedPaymentCents(std::string_view typed)
{
    const std::string text = trimmed(typed.substr(0, std::min<size_t>(typed.size(), 19)));
    if (text.empty() || text.find_first_not_of("0123456789.") != std::string::npos)
        return std::nullopt;
    errno = 0;
    char *end = nullptr;
    const double value = std::strtod(text.c_str(), &end);
    if (errno != 0 || end != text.c_str() + text.size())
        return std::nullopt;
    const int64_t cents = moneyCents(value);
    if (cents <= 0 || cents >= kPaymentCentsLimit)
        return std::nullopt;
    return cents;
}

AccountPaymentResult takeAccountPayment(TillState &state, int64_t customerNumber,
    std::string_view typedAmount, AccountPaymentMethod method, Messages &messages,
    SaleDevices &devices)
{
    const std::optional<int64_t> cents = typedPaymentCents(typedAmount);
    if (!cents) {
        reportProblem(messages, "Please enter the amount paid, for example 12.50");
        return AccountPaymentResult::Refused;
    }
    const std::optional<int64_t> slot = state.customers.slotOf(customerNumber);
    CustomerRecord customer {};
    if (!slot || !state.customers.readRecord(*slot, customer, messages)
        || customer.number != customerNumber) {
        if (slot)
            reportProblem(messages, kNotRecorded);
        else
            reportProblem(messages, "No customer associated with transaction");
        return AccountPaymentResult::NotRecorded;
    }
    // The balance as its two decimals show it; whole cents from here on.
    const int64_t balanceCents = moneyCents(customer.balance);
    if (balanceCents < *cents
        && !messages.confirm("Continue", "Exceeds amount due", MessageKind::Warning))
        return AccountPaymentResult::Cancelled;

    const LocalTime now = localNow();
    TransactionArchiving archiving(state, now, kNotRecorded);
    if (!archiving.begin(messages))
        return AccountPaymentResult::NotRecorded;
    const int32_t number = archiving.number();
    const int32_t clerk = static_cast<int32_t>(state.clerk());
    const int64_t balanceAfterCents = balanceCents - *cents;

    CustomerRecord paid = customer;
    paid.balance = amountOf(balanceAfterCents);
    writeText(paid.last_payment, makeTimeStamp(now));
    paid.last_transaction = number;

    TillConfig updated = state.config;
    updated.set(cfg::nextTransactionNumber, number);
    addPaymentToDayTotals(updated, method, *cents);
    const TransactionRecord record
        = paymentRecord(customer, number, clerk, method, *cents, balanceAfterCents, now);
    const YearIndexEntry entry { number, now.day, now.month };
    const std::string log = archiving.logNotes()
        + paymentLogBlock(record, state.config.clerkName(clerk), method, now);

    FileUpdate &update = archiving.update();
    update.replaceTillConfig(updated);
    update.appendToArchive(archiving.archive(), entry, record, {});
    update.rewriteRecord(state.customers, *slot, paid);
    update.appendLogBlock(log);
    if (!archiving.finish(updated, messages))
        return AccountPaymentResult::NotRecorded;
    archiving.tellHeldBack(messages);

    const Basket copy = summaryOf(record, paid);
    const Tender tender { static_cast<double>(*cents) / 100.0, 0 };
    if (state.config.get(cfg::drawerInUse) != 0)
        devices.openDrawer();
    if (state.config.get(cfg::poleInUse) != 0)
        devices.poleShowTenderAndChange(tender.tendered, tender.change);
    if (state.config.get(cfg::noSummaryBox) == 0)
        devices.showSummary(copy, tender);
    reportInfo(messages, "Updated", "Customer");
    return AccountPaymentResult::Paid;
}

std::optional<int32_t> typedTransactionNumber(std::string_view typed)
{
    const std::optional<int64_t> number = strictNumber(typed, 1, 200000000);
    if (!number)
        return std::nullopt;
    return static_cast<int32_t>(*number);
}

InvoiceList invoiceList(const DataDir &dir, const TillConfig &config, const LocalTime &today)
{
    InvoiceList list;
    const ArchiveDay first = archiveFirstDay(config, today);
    for (int year = first.year; year <= today.year; ++year) {
        const std::optional<std::vector<YearIndexEntry>> entries = readYearIndex(dir, year);
        if (!entries)
            continue;
        for (const YearIndexEntry &entry : *entries) {
            if (year == first.year
                && ArchiveDay { year, entry.month, entry.day } < first)
                continue;
            if (list.lines.size() >= kInvoiceListCapacity) {
                list.lines.clear();
                list.tooMany = true;
                return list;
            }
            list.lines.push_back(cformat("%d on day %d of month %d, %d", entry.transactionNumber,
                entry.day, entry.month, year));
        }
    }
    return list;
}

std::optional<int32_t> transactionNumberOfLine(std::string_view line)
{
    const size_t end = line.find(' ');
    return typedTransactionNumber(line.substr(0, end));
}

std::optional<int64_t> customerOfTransaction(
    const TillState &state, int32_t number, const LocalTime &today, Messages &messages)
{
    const int firstYear = std::min(kFirstIndexYear, archiveFirstDay(state.config, today).year);
    for (int year = firstYear; year <= today.year; ++year) {
        const std::optional<std::vector<YearIndexEntry>> entries = readYearIndex(state.dir, year);
        if (!entries)
            continue;
        const auto entry = std::find_if(entries->begin(), entries->end(),
            [number](const YearIndexEntry &e) { return e.transactionNumber == number; });
        if (entry == entries->end())
            continue;
        const std::string salesLog = dayFileName(year, entry->month, entry->day, kSalesLogName);
        std::optional<std::vector<TransactionRecord>> records;
        if (fileExists(state.dir.path(salesLog)))
            records = readDayTransactions(state.dir, year, entry->month, entry->day);
        if (!records) {
            reportProblem(messages, unableToOpenMessage(ArchiveFile::SalesLog));
            return std::nullopt;
        }
        for (const TransactionRecord &record : *records) {
            if (record.transactionNumber != number)
                continue;
            const int64_t customer = record.customerNumber;
            if (customer <= 0 || !state.customers.slotOf(customer)) {
                reportProblem(messages, "No customer associated with transaction");
                return std::nullopt;
            }
            return customer;
        }
        return std::nullopt;
    }
    return std::nullopt;
}

} // namespace ovix
