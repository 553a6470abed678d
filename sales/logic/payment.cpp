#include "sales/logic/payment.h"

#include "comms/logic/card_settings.h"
#include "platform/c_format.h"
#include "platform/clock.h"
#include "platform/cp1252.h"
#include "platform/leading_number.h"
#include "platform/messages.h"
#include "store/fixed_text.h"
#include "store/record_kinds.h"
#include "sales/logic/cents_entry.h"
#include "store/user_control.h"
#include "sales/logic/till_state.h"

#include <cinttypes>

namespace ovix {

namespace {

constexpr const char *kLessThanTotal = "Less than total";

double moneyOf(int64_t cents)
{
    return static_cast<double>(cents) / 100.0;
}

int64_t nextMultiple(int64_t cents, int64_t step)
{
    return (cents + step - 1) / step * step;
}

bool poleInUse(const TillState &state)
{
    return state.config.get(cfg::poleInUse) != 0;
}

std::string stampText(const LocalTime &now)
{
    return cformat("%02d:%02d%02d/%02d/%d", now.hour, now.minute, now.day, now.month, now.year);
}

// "HH:MM DD/MM/YYYY" of a record's time stamp; "" when it holds none.
std::string stampShown(std::string_view stamp)
{
    if (stamp.size() < 6 || stamp == "NEW")
        return {};
    return std::string(stamp.substr(0, 5)) + " " + std::string(stamp.substr(5));
}

} // namespace

std::optional<AutomaticDocument> automaticDocument(const TillConfig &config)
{
    const int document = autoReceiptIndex(config);
    if (document < 1 || document > 4)
        return std::nullopt;
    return AutomaticDocument { static_cast<PrintDocument>(document),
        receiptCopiesIndex(config) + 1 };
}

CompletionResult afterPayment(TillState &state, Basket &basket, Messages &messages,
    SaleDevices &devices, const Tender &tender, const CustomerRecordUpdate *customer)
{
    Basket archived {};
    CompletionOptions options;
    options.archived = &archived;
    options.customer = customer;
    const CompletionResult result = completeTransaction(state, basket, messages, options);
    if (result != CompletionResult::Archived)
        return result;

    const TillConfig &config = state.config;
    if (config.get(cfg::drawerInUse) != 0)
        devices.openDrawer();
    if (poleInUse(state))
        devices.poleShowTenderAndChange(tender.tendered, tender.change);
    if (config.get(cfg::noSummaryBox) != 0) {
        if (const std::optional<AutomaticDocument> automatic = automaticDocument(config)) {
            const PrintDocument chosen = automatic->document;
            const bool throughDialog
                = !goesToReceiptPrinter(chosen) || receiptPrinterListIndex(config) == 0;
            for (int copy = 0; copy < automatic->passes; ++copy)
                devices.printDocument(chosen, archived, tender, throughDialog);
        }
    } else {
        devices.showSummary(archived, tender);
    }
    if (config.get(cfg::kitchenReceipt) != 0)
        devices.printDocument(PrintDocument::KitchenReceipt, archived, tender, false);
    return result;
}

QuickAmounts quickButtonAmounts(double total)
{
    QuickAmounts amounts;
    const int64_t cents = wholeCents(total);
    if (cents <= 500)
        return amounts;
    int64_t five = nextMultiple(cents, 500);
    int64_t ten = nextMultiple(cents, 1000);
    int64_t fifty = nextMultiple(cents, 5000);
    if (cents == five) {
        five += 500;
        ten += 1000;
        fifty += 5000;
    }
    if (ten == five)
        ten += 1000;
    if (fifty == ten)
        fifty += 5000;
    amounts.five = moneyOf(five);
    amounts.ten = moneyOf(ten);
    amounts.fifty = moneyOf(fifty);
    return amounts;
}

ChangeDisplay changeDisplay(double due, std::string_view typedDigits)
{
    ChangeDisplay display;
    const std::optional<double> tendered = centsEntryAmount(typedDigits);
    const int64_t dueCents = wholeCents(due);
    const int64_t tenderedCents = tendered ? wholeCents(*tendered) : 0;
    if (!tendered || tenderedCents < dueCents)
        return display;
    display.enough = true;
    display.text = centsText(tenderedCents - dueCents);
    return display;
}

void removeTaxes(Basket &basket)
{
    const double taxes = double(basket.total(BasketTotal::TaxOne))
        + double(basket.total(BasketTotal::TaxTwo));
    addToRunningTotal(basket, BasketTotal::NonTaxable, basket.total(BasketTotal::Taxable));
    basket.setTotal(BasketTotal::Taxable, 0);
    addToRunningTotal(basket, BasketTotal::Total, -taxes);
    basket.setTotal(BasketTotal::TaxOne, 0);
    basket.setTotal(BasketTotal::TaxTwo, 0);
    const int lines = basket.lineCount < kBasketLineCapacity ? basket.lineCount
                                                              : kBasketLineCapacity;
    for (int line = 0; line < lines; ++line) {
        if (!(basket.lineTaxable[line] > 0))
            continue;
        basket.lineNonTaxable[line] = basket.lineTaxable[line];
        basket.lineTaxable[line] = 0;
        basket.lineTotal[line] -= basket.lineTaxOne[line] + basket.lineTaxTwo[line];
        basket.lineTaxOne[line] = 0;
        basket.lineTaxTwo[line] = 0;
    }
}

Payment::Payment(TillState &state, Basket &basket, Messages &messages, SaleDevices &devices,
    CardReplyWaiter *cardWaiter)
    : state_(state), basket_(basket), messages_(messages), devices_(devices),
      cardWaiter_(cardWaiter)
{
}

int64_t Payment::numberAboutToBeUsed()
{
    const int32_t offered = state_.config.get(cfg::nextTransactionNumber);
    return state_.archivedNumbers.firstFree(state_.dir, localNow(), offered).value_or(offered);
}

bool Payment::cardApproved(const CardRequest &request)
{
    if (cardWaiter_ == nullptr) {
        reportProblem(messages_, "Unable to create EVT file");
        return false;
    }
    const CardSettings settings = loadCardSettings(state_.config, state_.dir);
    return runCardExchange(settings.folder, cardRequestText(request), *cardWaiter_, messages_,
        settings.verbose, ApprovalNotice::Text)
        .approved;
}

bool Payment::mayStart(const char *emptyText, const char *emptyCaption)
{
    if (tenderOpen_)
        return false;
    if (basket_.lineCount <= 0) {
        reportProblem(messages_, emptyText, emptyCaption);
        return false;
    }
    clearPaymentFields();
    before_ = basket_;
    return true;
}

void Payment::clearPaymentFields()
{
    for (BasketTotal field : { BasketTotal::CashPart, BasketTotal::ChequePart,
             BasketTotal::EftPart, BasketTotal::CashBack, BasketTotal::BalanceBefore,
             BasketTotal::BalanceAfter })
        basket_.setTotal(field, 0);
    writeText(basket_.paymentType, "");
}

void Payment::stampPaid(const char *paymentType)
{
    const LocalTime now = localNow();
    basket_.transactionNumber = state_.config.get(cfg::nextTransactionNumber);
    writeText(basket_.timeText, transactionTimeText(now));
    writeText(basket_.dateText, transactionDateText(now));
    basket_.clerkNumber = static_cast<int32_t>(state_.clerk());
    writeText(basket_.paymentType, paymentType);
}

PaymentResult Payment::finish(const Tender &tender, const CustomerRecordUpdate *customer)
{
    tenderOpen_ = false;
    split_ = false;
    lastTender_ = tender;
    const CompletionResult result
        = afterPayment(state_, basket_, messages_, devices_, tender, customer);
    if (result == CompletionResult::Archived)
        return PaymentResult::Archived;
    if (basket_.lineCount > 0)
        basket_ = before_;
    return PaymentResult::NotArchived;
}

bool Payment::startCash()
{
    if (!mayStart("Please select items", "Problem"))
        return false;
    due_ = roundMoney(basket_.total(BasketTotal::Total));
    split_ = false;
    if (poleInUse(state_))
        devices_.poleShowTotal(due_);
    tenderOpen_ = true;
    return true;
}

bool Payment::startSplit()
{
    if (!mayStart("Please select items", "Problem"))
        return false;
    due_ = roundMoney(basket_.total(BasketTotal::Total));
    split_ = false;
    tenderOpen_ = true;
    return true;
}

QuickAmounts Payment::quickAmounts() const
{
    return split_ ? QuickAmounts {} : quickButtonAmounts(due_);
}

PaymentResult Payment::finishCash(int64_t tenderedCents, bool withOtherParts)
{
    const int64_t changeCents = tenderedCents - wholeCents(due_);
    Tender tender;
    tender.change = moneyOf(changeCents);
    if (split_) {
        const int64_t cardCents = moneyCents(basket_.total(BasketTotal::EftPart));
        if (cardCents > 0 && cardLinkActive(state_.config)) {
            CardRequest request;
            request.reference = numberAboutToBeUsed();
            request.amountCents = cardCents;
            if (!cardApproved(request)) {
                tenderOpen_ = false;
                split_ = false;
                basket_ = before_;
                return PaymentResult::NotPaid;
            }
        }
        // OK counts the whole sale as tendered: the cash handed over and the
        // part paid the other way. The exact and quick buttons count only
        // the cash.
        tender.tendered = moneyOf(tenderedCents);
        if (withOtherParts)
            tender.tendered = moneyOf(tenderedCents
                + moneyCents(basket_.total(BasketTotal::ChequePart))
                + moneyCents(basket_.total(BasketTotal::EftPart)));
        stampPaid("Split");
    } else {
        tender.tendered = moneyOf(tenderedCents);
        basket_.setTotal(BasketTotal::CashPart, basket_.total(BasketTotal::Total));
        stampPaid("Cash");
    }
    return finish(tender);
}

PaymentResult Payment::exactAmount()
{
    if (!tenderOpen_)
        return PaymentResult::NotPaid;
    return finishCash(wholeCents(due_));
}

PaymentResult Payment::quickButton(double amount)
{
    if (!tenderOpen_)
        return PaymentResult::NotPaid;
    if (wholeCents(due_) > wholeCents(amount)) {
        reportProblem(messages_, kLessThanTotal);
        return PaymentResult::NotPaid;
    }
    return finishCash(wholeCents(amount));
}

PaymentResult Payment::cashOk(std::string_view typedDigits)
{
    if (!tenderOpen_)
        return PaymentResult::NotPaid;
    const std::optional<double> typed = centsEntryAmount(typedDigits);
    if (!typed || wholeCents(due_) > wholeCents(*typed)) {
        reportProblem(messages_, kLessThanTotal);
        return PaymentResult::NotPaid;
    }
    return finishCash(wholeCents(*typed), true);
}

void Payment::cancelTender()
{
    if (!tenderOpen_)
        return;
    tenderOpen_ = false;
    split_ = false;
    basket_ = before_;
}

std::string Payment::splitRemainder(std::string_view typedDigits) const
{
    const int64_t cash = wholeCents(centsEntryAmount(typedDigits).value_or(0));
    const int64_t total = wholeCents(due_);
    return cash < total ? centsText(total - cash) : std::string();
}

bool Payment::splitOk(std::string_view typedDigits, bool otherIsCheque)
{
    if (!tenderOpen_ || split_)
        return false;
    const int64_t cash = wholeCents(centsEntryAmount(typedDigits).value_or(0));
    const int64_t total = wholeCents(due_);
    if (cash > total) {
        reportProblem(messages_, "Cash exceeds total");
        return false;
    }
    basket_.setTotal(BasketTotal::CashPart, static_cast<float>(moneyOf(cash)));
    const auto other = static_cast<float>(moneyOf(total - cash));
    basket_.setTotal(otherIsCheque ? BasketTotal::ChequePart : BasketTotal::EftPart, other);
    split_ = true;
    due_ = moneyOf(cash);
    return true;
}

PaymentResult Payment::payCheque()
{
    if (!mayStart("Please select items", "Problem"))
        return PaymentResult::NotPaid;
    const double total = roundMoney(basket_.total(BasketTotal::Total));
    basket_.setTotal(BasketTotal::ChequePart, basket_.total(BasketTotal::Total));
    stampPaid("CH");
    if (poleInUse(state_))
        devices_.poleShowTotal(total);
    return finish({ total, 0 });
}

std::optional<int64_t> Payment::askCashBack(PaymentPrompts &prompts)
{
    const std::optional<std::string> typed = prompts.cashBack();
    if (!typed)
        return std::nullopt;
    // Whole units: "25.60" is 25. A negative or huge amount is no cash back.
    const LeadingNumber typedNumber = parseLeadingNumber(*typed);
    const int64_t cashBack = typedNumber.value;
    if (typedNumber.outOfRange || cashBack < 0 || cashBack > kCashBackLimit) {
        reportProblem(messages_, "Invalid entry");
        return std::nullopt;
    }
    if (cashBack > kCashBackConfirmAbove
        && messages_.ask(cformat("%" PRId64, cashBack), "Please confirm") != Answer::Yes)
        return std::nullopt;
    return cashBack;
}

PaymentResult Payment::payCard(PaymentPrompts &prompts)
{
    if (!mayStart("Please select items", "Problem"))
        return PaymentResult::NotPaid;
    int64_t cashBack = 0;
    const bool keptFromCashBack
        = state_.restricted() && userControlSet(state_.config, UserControlItem::Cashback);
    const bool linked = cardLinkActive(state_.config);
    if (linked) {
        const CardSettings settings = loadCardSettings(state_.config, state_.dir);
        CardChoice choice = CardChoice::Payment;
        if (settings.cashBack || settings.notPresentPayments || settings.notPresentRefunds) {
            CardChoiceOffer offer;
            offer.cashBack = settings.cashBack && !keptFromCashBack;
            offer.notPresent = settings.notPresentPayments;
            choice = prompts.cardTerminalChoice(offer);
            if ((choice == CardChoice::PaymentPlusCashback && !offer.cashBack)
                || (choice == CardChoice::CardholderNotPresent && !offer.notPresent))
                choice = CardChoice::Cancel;
        }
        if (choice == CardChoice::Cancel)
            return PaymentResult::NotPaid;
        if (choice == CardChoice::PaymentPlusCashback) {
            const std::optional<int64_t> typed = askCashBack(prompts);
            if (!typed)
                return PaymentResult::NotPaid;
            cashBack = *typed;
        }
        CardRequest request;
        request.reference = numberAboutToBeUsed();
        request.amountCents = moneyCents(basket_.total(BasketTotal::Total)) + cashBack * 100;
        if (cashBack > 0) {
            request.type = CardRequestType::SaleWithCashBack;
            request.cashBackCents = cashBack * 100;
        }
        request.cardholderNotPresent = choice == CardChoice::CardholderNotPresent;
        if (!cardApproved(request)) {
            basket_ = before_;
            return PaymentResult::NotPaid;
        }
    } else if (!keptFromCashBack) {
        const CardChoice choice = prompts.electronicPayment();
        if (choice == CardChoice::Cancel)
            return PaymentResult::NotPaid;
        if (choice == CardChoice::PaymentPlusCashback) {
            const std::optional<int64_t> typed = askCashBack(prompts);
            if (!typed)
                return PaymentResult::NotPaid;
            cashBack = *typed;
        }
    }
    const double total = roundMoney(basket_.total(BasketTotal::Total));
    basket_.setTotal(BasketTotal::EftPart, basket_.total(BasketTotal::Total));
    basket_.setTotal(BasketTotal::CashBack, static_cast<float>(cashBack));
    stampPaid("EFT");
    // The day's cash back grows with the sale; a sale the archive refuses
    // hands out no cash, so the total goes back.
    const double dayCashBack = state_.config.get(cfg::cashBack);
    state_.config.set(cfg::cashBack, dayCashBack + static_cast<double>(cashBack));
    if (poleInUse(state_))
        devices_.poleShowTotal(total);
    const PaymentResult result = finish({ total, 0 });
    if (result != PaymentResult::Archived)
        state_.config.set(cfg::cashBack, dayCashBack);
    return result;
}

std::optional<int64_t> Payment::chooseCustomerSlot(PaymentPrompts &prompts)
{
    const std::optional<std::string> typed = messages_.askText("Number / name", "Customer");
    if (!typed)
        return std::nullopt;
    const CustomerSearchOrder order = state_.config.get(cfg::customerSearchAsList) != 0
        ? CustomerSearchOrder::ByNumber
        : CustomerSearchOrder::BySlot;
    const CustomerLookup found
        = lookUpCustomers(state_.customers, fromUtf8(*typed), order, false, messages_);
    if (found.candidates.empty()) {
        if (!found.byNumber && !typed->empty())
            reportInfo(messages_, "No match found", "Finished");
        return std::nullopt;
    }
    if (found.byNumber)
        return found.candidates.front().slot;
    const std::optional<size_t> chosen = prompts.chooseCustomer(found.candidates);
    if (!chosen || *chosen >= found.candidates.size())
        return std::nullopt;
    return found.candidates[*chosen].slot;
}

PaymentResult Payment::payByCustomer(PaymentPrompts &prompts)
{
    if (!mayStart("Please first select the items", "Payment by customer credit"))
        return PaymentResult::NotPaid;
    const std::optional<int64_t> slot = chooseCustomerSlot(prompts);
    CustomerRecordUpdate update;
    if (!slot || !state_.customers.readRecord(*slot, update.record, messages_))
        return PaymentResult::NotPaid;
    update.slot = *slot;
    CustomerRecord &customer = update.record;
    const float balance = customer.balance;
    const float creditLimit = customer.credit_limit;
    const double total = basket_.total(BasketTotal::Total);
    // In whole cents: a sale that takes the balance exactly to the limit is
    // within it.
    if (moneyCents(creditLimit) < moneyCents(balance) + moneyCents(total)
        && !messages_.confirm("Exceeded", "Credit limit", MessageKind::Warning))
        return PaymentResult::NotPaid;

    stampPaid("");
    setBasketCustomer(basket_, customer);

    const int64_t taxCode = customer.tax;
    const double taxes = double(basket_.total(BasketTotal::TaxOne))
        + double(basket_.total(BasketTotal::TaxTwo));
    CustomerTransactionView view;
    view.transactionNumber = basket_.transactionNumber;
    view.date = toUtf8(readText(basket_.dateText));
    view.time = readText(basket_.timeText);
    view.clerk = cformat("%d, %s", basket_.clerkNumber,
        toUtf8(state_.config.clerkName(basket_.clerkNumber)).c_str());
    view.subtotal = basket_.total(BasketTotal::Subtotal);
    view.taxOne = basket_.total(BasketTotal::TaxOne);
    view.taxTwo = basket_.total(BasketTotal::TaxTwo);
    view.showTaxes = taxCode != 0;
    view.total = total;
    view.customerNumber = customer.number;
    view.fullName = toUtf8(cformat("%s %s %s", readText(customer.salutation).c_str(),
        readText(customer.first_name).c_str(), readText(customer.name).c_str()));
    view.address = toUtf8(readText(customer.road));
    view.telephone = toUtf8(readText(customer.telephone));
    view.commentOne = toUtf8(readText(customer.comment));
    view.commentTwo = toUtf8(readText(customer.comment2));
    view.notes = toUtf8(readText(customer.customer_notes));
    view.creditLimit = creditLimit;
    view.taxCode = taxCode;
    view.previousBalance = balance;
    view.thisTransaction = taxCode == 0 ? roundMoney(total - taxes) : total;
    view.balanceAfter = roundMoney(double(balance) + view.thisTransaction);
    view.transactions = customer.transactions;
    view.lastTransaction = stampShown(readText(customer.customer_last_used));

    const CustomerPaymentCode code = prompts.customerTransaction(view);
    if (code == CustomerPaymentCode::Cancel) {
        basket_ = before_;
        return PaymentResult::NotPaid;
    }
    if (taxCode == 0)
        removeTaxes(basket_);
    const float saleTotal = basket_.total(BasketTotal::Total);
    basket_.setTotal(BasketTotal::BalanceBefore, balance);
    switch (code) {
    case CustomerPaymentCode::Eft:
        basket_.setTotal(BasketTotal::EftPart, saleTotal);
        writeText(basket_.paymentType, "EFT");
        break;
    case CustomerPaymentCode::Cash:
        basket_.setTotal(BasketTotal::CashPart, saleTotal);
        writeText(basket_.paymentType, "Cash");
        break;
    case CustomerPaymentCode::Cheque:
        basket_.setTotal(BasketTotal::ChequePart, saleTotal);
        writeText(basket_.paymentType, "CH");
        break;
    default:
        writeText(basket_.paymentType, "Credit");
        break;
    }

    customer.transactions = customer.transactions + 1;
    writeText(customer.customer_last_used, stampText(localNow()));
    customer.total_purchases
        = static_cast<float>(roundMoney(double(customer.total_purchases) + saleTotal));
    customer.last_transaction = static_cast<int32_t>(basket_.transactionNumber);
    if (code == CustomerPaymentCode::Credit) {
        customer.balance = static_cast<float>(roundMoney(double(balance) + saleTotal));
        basket_.setTotal(BasketTotal::BalanceAfter, customer.balance);
    }
    return finish({ roundMoney(saleTotal), 0 }, &update);
}

} // namespace ovix
