#include "sales/logic/refund.h"

#include "platform/c_format.h"
#include "platform/clock.h"
#include "platform/cp1252.h"
#include "platform/messages.h"
#include "sales/logic/archived_transaction.h"
#include "sales/logic/complete_transaction.h"
#include "sales/logic/line_items.h"
#include "sales/logic/sale_devices.h"
#include "sales/logic/till_state.h"
#include "sales/logic/transaction_archiving.h"
#include "store/fixed_text.h"
#include "store/time_stamp.h"

#include <cinttypes>
#include <climits>
#include <vector>

namespace ovix {

namespace {

constexpr const char *kNotRecorded
    = "The refund was not recorded and no file was changed. The basket is kept: refund it "
      "again when the fault is put right.";

// The eight amounts a refund stores negated, non-taxable to discount.
constexpr BasketTotal kNegatedTotals[]
    = { BasketTotal::NonTaxable, BasketTotal::Taxable, BasketTotal::Subtotal, BasketTotal::TaxOne,
          BasketTotal::TaxTwo, BasketTotal::Cost, BasketTotal::Total, BasketTotal::Discount };

// Adds `amount` to a day total in whole cents.
void addMoney(TillConfig &config, DoubleField field, double amount)
{
    config.set(
        field, static_cast<double>(moneyCents(config.get(field)) + moneyCents(amount)) / 100.0);
}

const char *formName(RefundForm form)
{
    switch (form) {
    case RefundForm::Cash:
        return "Cash";
    case RefundForm::Cheque:
        return "CH";
    case RefundForm::Eft:
        return "EFT";
    case RefundForm::Credit:
        return "Credit";
    }
    return "Cash";
}

// The refund's share of the day totals, the counters and the next number;
// `refund` holds the negated amounts.
void addToDayTotals(TillConfig &config, const Basket &refund, RefundForm form)
{
    const double total = refund.total(BasketTotal::Total);
    if (form != RefundForm::Credit)
        addMoney(config, cfg::tillTakings, total);
    addMoney(config, cfg::nonTaxableSales, refund.total(BasketTotal::NonTaxable));
    addMoney(config, cfg::taxableSales, refund.total(BasketTotal::Taxable));
    addMoney(config, cfg::subtotalSales, refund.total(BasketTotal::Subtotal));
    addMoney(config, cfg::taxOneSales, refund.total(BasketTotal::TaxOne));
    addMoney(config, cfg::taxTwoSales, refund.total(BasketTotal::TaxTwo));
    addMoney(config, cfg::costOfSales, refund.total(BasketTotal::Cost));
    addMoney(config, cfg::discounts, refund.total(BasketTotal::Discount));
    addMoney(config, cfg::salesTotal, total);
    DoubleField amount = cfg::cashRefunds;
    FloatField count = cfg::cashRefundsCount;
    switch (form) {
    case RefundForm::Cash:
        break;
    case RefundForm::Cheque:
        amount = cfg::chequeRefunds;
        count = cfg::chequeRefundsCount;
        break;
    case RefundForm::Eft:
        amount = cfg::eftRefunds;
        count = cfg::eftRefundsCount;
        break;
    case RefundForm::Credit:
        amount = cfg::creditRefunds;
        count = cfg::creditRefundsCount;
        break;
    }
    addMoney(config, amount, total);
    config.set(count, config.get(count) + 1.0f);
    config.set(cfg::todayTransactionCount, config.get(cfg::todayTransactionCount) + 1);
    advanceTransactionNumber(config);
}

// An item coming back, read before the update and written once after all its
// lines took their share.
// Puts one unit per line back on the items (none when they are faulty),
// takes the lines off their categories' counts and values in `config`, and
// notes what could not be reached in `notices`.
LineItems returnStock(TillState &state, const Basket &refund, bool itemsFaulty,
    const LocalTime &now, TillConfig &config, TransactionArchiving &notices)
{
    const std::string stamp = makeTimeStamp(now);
    LineItems returned = reachLineItems(state, refund, notices, [&](ItemRecord &record, int line) {
        const int32_t category = record.display_category;
        if (category >= 0 && category < kCategoryCount) {
            const auto at = static_cast<size_t>(category);
            config.set(cfg::categoryDayCounts, at, config.get(cfg::categoryDayCounts, at) - 1);
            config.set(cfg::categoryMonthCounts, at, config.get(cfg::categoryMonthCounts, at) - 1);
            config.set(cfg::categoryDayValues, at,
                static_cast<double>(moneyCents(config.get(cfg::categoryDayValues, at))
                    - moneyCents(refund.lineTotal[line]))
                    / 100.0);
        }
        if (!itemsFaulty) {
            const int32_t quantity = record.quantity;
            if (quantity < INT32_MAX)
                record.quantity = quantity + 1;
            writeText(record.last_used, stamp);
        }
    });
    // Faulty goods leave film.dat alone.
    if (itemsFaulty)
        returned.items.clear();
    return returned;
}

// The refund's block of the activity log, CR LF line ends.
std::string logBlock(
    const Basket &refund, RefundForm form, const std::string &clerkName, const LocalTime &now)
{
    std::string text = "\r\n" + logTimePrefix(makeTimeStamp(now))
        + cformat(" Refund: %" PRId64 ", Total: %.2f\r\n", refund.transactionNumber,
            static_cast<double>(refund.total(BasketTotal::Total)));
    for (int line = 0; line < refund.lineCount; ++line) {
        text += cformat("%" PRId64 "  %s\r\n", refund.lineItemNumber[line],
            lineDescriptionText(refund, line).c_str());
    }
    text += cformat(
        "Clerk: %d, %s   Items: %d\r\n", refund.clerkNumber, clerkName.c_str(), refund.lineCount);
    text += cformat("Form: %s", formName(form));
    text += cformat("\r\nCustomer: %" PRId64 " %s\r\n", refund.customerNumber,
        readText(refund.customerName).c_str());
    return text;
}

// The customer a credit refund goes to, confirmed by the clerk; nothing when
// none was chosen or the clerk said Cancel.
std::optional<CustomerRecordUpdate> creditCustomer(TillState &state, double total,
    const LocalTime &now, Messages &messages, RefundPrompts &prompts)
{
    const int64_t number = prompts.findCustomer();
    if (number <= 0)
        return std::nullopt;
    const std::optional<int64_t> slot = state.customers.slotOf(number);
    if (!slot) {
        reportProblem(messages, "Invalid number.");
        return std::nullopt;
    }
    CustomerRecordUpdate update;
    update.slot = *slot;
    if (!state.customers.readRecord(*slot, update.record, messages))
        return std::nullopt;
    CustomerRecord &customer = update.record;
    const int64_t customerNumber = customer.number;
    if (!messages.confirm("Credit this customer?",
            toUtf8(
                cformat("%" PRId64 " Name: %s", customerNumber, readText(customer.name).c_str())),
            MessageKind::Information))
        return std::nullopt;
    customer.balance = static_cast<float>(
        static_cast<double>(moneyCents(customer.balance) - moneyCents(total)) / 100.0);
    writeText(customer.customer_last_used, makeTimeStamp(now));
    return update;
}

// The card terminal's part of an EFT refund: false when the clerk cancelled
// or the card program did not approve it. `approved` tells whether money went
// back to the card.
bool refundToCard(const CardRefundLink &card, const CardLinkSettings &settings, int64_t number,
    double total, Messages &messages, RefundPrompts &prompts, bool &approved)
{
    approved = false;
    bool notPresent = false;
    if (settings.cardholderNotPresentRefunds) {
        const CardRefundChoice choice = prompts.cardRefund();
        if (choice == CardRefundChoice::Cancel)
            return false;
        notPresent = choice == CardRefundChoice::CardholderNotPresent;
    }
    if (!card.exchange) {
        reportProblem(messages,
            "The card terminal link is switched on, but the till cannot reach the card "
            "program. The refund was not recorded.");
        return false;
    }
    approved = card.exchange(number, moneyCents(total), notPresent);
    return approved;
}

} // namespace

RefundView refundView(const TillState &state, const Basket &basket)
{
    RefundView view;
    view.transactionNumber = state.config.get(cfg::nextTransactionNumber);
    view.date = toUtf8(transactionDateText(localNow()));
    view.customer = toUtf8(
        cformat("%" PRId64 " %s", basket.customerNumber, readText(basket.customerName).c_str()));
    view.lines = basket.lineCount;
    view.nonTaxable = basket.total(BasketTotal::NonTaxable);
    view.taxable = basket.total(BasketTotal::Taxable);
    view.subtotal = basket.total(BasketTotal::Subtotal);
    view.taxOne = basket.total(BasketTotal::TaxOne);
    view.taxTwo = basket.total(BasketTotal::TaxTwo);
    view.total = basket.total(BasketTotal::Total);
    return view;
}

RefundResult refundBasket(TillState &state, Basket &basket, Messages &messages,
    SaleDevices &devices, RefundPrompts &prompts, const CardRefundLink &card)
{
    if (basket.lineCount <= 0 || basket.lineCount > kBasketLineCapacity) {
        reportProblem(messages, "No items");
        return RefundResult::NotRefunded;
    }
    const std::optional<RefundChoice> choice = prompts.refund(refundView(state, basket));
    if (!choice)
        return RefundResult::NotRefunded;
    const LocalTime now = localNow();
    const double total = basket.total(BasketTotal::Total);

    // The refund as it will be archived; the basket stays as it is until the
    // refund is on the disk.
    Basket refund = basket;
    std::optional<CustomerRecordUpdate> customer;
    if (choice->form == RefundForm::Credit) {
        customer = creditCustomer(state, total, now, messages, prompts);
        if (!customer)
            return RefundResult::NotRefunded;
        setBasketCustomer(refund, customer->record);
    }

    TransactionArchiving archiving(state, now, kNotRecorded);
    if (!archiving.begin(messages))
        return RefundResult::NotRecorded;
    const int32_t number = archiving.number();
    refund.transactionNumber = number;
    refund.daySequence = state.config.get(cfg::todayTransactionCount) + 1;
    writeText(refund.timeText, transactionTimeText(now));
    writeText(refund.dateText, transactionDateText(now));
    refund.clerkNumber = static_cast<int32_t>(state.clerk());

    bool cardApproved = false;
    if (choice->form == RefundForm::Eft && card.settings) {
        const CardLinkSettings settings = card.settings();
        if (settings.active
            && !refundToCard(card, settings, number, total, messages, prompts, cardApproved))
            return RefundResult::NotRefunded;
    }

    for (BasketTotal which : { BasketTotal::CashPart, BasketTotal::ChequePart, BasketTotal::EftPart,
             BasketTotal::CashBack, BasketTotal::BalanceBefore, BasketTotal::BalanceAfter })
        refund.setTotal(which, 0);
    for (BasketTotal which : kNegatedTotals)
        refund.setTotal(which, -refund.total(which));
    writeText(refund.paymentType, "Refund");
    const float negatedTotal = refund.total(BasketTotal::Total);
    if (choice->form == RefundForm::Cash)
        refund.setTotal(BasketTotal::CashPart, negatedTotal);
    else if (choice->form == RefundForm::Cheque)
        refund.setTotal(BasketTotal::ChequePart, negatedTotal);
    else if (choice->form == RefundForm::Eft)
        refund.setTotal(BasketTotal::EftPart, negatedTotal);

    TillConfig updated = state.config;
    updated.set(cfg::nextTransactionNumber, number);
    const LineItems stock
        = returnStock(state, refund, choice->itemsFaulty, now, updated, archiving);
    addToDayTotals(updated, refund, choice->form);

    const TransactionRecord transaction = transactionRecordOf(refund);
    std::vector<SoldItemRecord> lines;
    lines.reserve(static_cast<size_t>(refund.lineCount));
    for (int line = 0; line < refund.lineCount; ++line)
        lines.push_back(soldItemRecordOf(refund, line, stock.lineCategories[line]));
    const YearIndexEntry entry { number, now.day, now.month };
    const std::string log = archiving.logNotes()
        + logBlock(refund, choice->form, state.config.clerkName(refund.clerkNumber), now);

    // The same order as a sale: wr.cfg with the advanced number first, so a
    // crash can only skip this number, never hand it out again.
    FileUpdate &update = archiving.update();
    update.replaceTillConfig(updated);
    update.appendToArchive(archiving.archive(), entry, transaction, lines);
    for (const LineItem &item : stock.items)
        update.rewriteRecord(state.items, item.slot, item.record);
    if (customer)
        update.rewriteRecord(state.customers, customer->slot, customer->record);
    update.appendLogBlock(log);
    if (!archiving.finish(updated, messages)) {
        if (cardApproved) {
            reportProblem(messages,
                cformat("The card program has already refunded %.2f to the card. Do not "
                        "refund the card again: record this refund with the card terminal "
                        "link switched off.",
                    total));
        }
        return RefundResult::NotRecorded;
    }

    clearBasket(basket);
    archiving.tellHeldBack(messages);
    if (choice->printReceipt) {
        const bool throughDialog = receiptPrinterListIndex(state.config) == 0;
        devices.printDocument(
            PrintDocument::StandardReceipt, refund, { roundMoney(negatedTotal), 0 }, throughDialog);
    }
    if (state.config.get(cfg::drawerInUse) != 0)
        devices.openDrawer();
    return RefundResult::Refunded;
}

} // namespace ovix
