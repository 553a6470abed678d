#pragma once
// Paying for the basket: cash through the cash box, a split of cash and CH or
// EFT, cheque, card (with optional cash back) and customer credit; then the
// one finishing sequence, afterPayment. With the card terminal link switched
// on, the card tender and the card part of a split are approved by the card
// program first (comms/logic/card_exchange.h); a card payment it does not
// approve is dropped and the sale stays open.
//
// Every payment first clears the cash, CH and EFT parts, the cash back and
// the customer balances of the basket, so that a payment given up half-way
// (a cancelled split) never reaches the archive with the next sale. A payment
// that is given up, or whose sale could not be archived, leaves the basket as
// it was before the payment began.
//
// The sale is archived first, from the basket; only then do the drawer, the
// pole display, the summary box and the documents run, from the archived
// copy. Nothing they do can lose a paid sale.

#include "comms/logic/card_exchange.h"
#include "store/customer_lookup.h"
#include "sales/logic/basket.h"
#include "sales/logic/complete_transaction.h"
#include "sales/logic/print_document.h"
#include "sales/logic/sale_devices.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ovix {

class Messages;
class TillConfig;
class TillState;

// The "Auto receipt" document and how many times it prints after a sale (1-3,
// from the copies setting); nothing when the setting is "None".
struct AutomaticDocument {
    PrintDocument document = PrintDocument::StandardReceipt;
    int passes = 1;
};
std::optional<AutomaticDocument> automaticDocument(const TillConfig &config);

// Archives the paid sale in `basket` (completeTransaction, with `customer`
// rewritten in the same update when given), then, only when it is archived:
// opens the drawer when the drawer is in use, shows tender and change on the
// pole display when it is in use, and either shows the summary box or, with
// the summary box switched off, prints the "Auto receipt" document in 1-3
// copies (receipts straight to a chosen receipt printer, the rest through the
// print dialog); then the extra receipt when that setting is on. Returns the
// completion's result; with NotArchived no device is touched and the basket
// is as it was.
CompletionResult afterPayment(TillState &state, Basket &basket, Messages &messages,
    SaleDevices &devices, const Tender &tender, const CustomerRecordUpdate *customer = nullptr);

// The three quick buttons of the cash box.
struct QuickAmounts {
    double five = 5;
    double ten = 10;
    double fifty = 20;
};
// For a total above 5.00: the next multiples of 5, 10 and 50 at or above the
// total, all raised one step when the total is itself a multiple of 5, the
// second raised when it equals the first, the third when it equals the
// second. 5.00, 10.00 and 20.00 otherwise.
QuickAmounts quickButtonAmounts(double total);

// What the change box shows for the typed digits: nothing on red while the
// amount is below `due` (or the box is empty), else the change ("%.2f",
// "0.00" when exact) on pale.
struct ChangeDisplay {
    bool enough = false;
    std::string text;
};
ChangeDisplay changeDisplay(double due, std::string_view typedDigits);

enum class PaymentResult {
    NotPaid, // refused, cancelled or nothing to pay: the basket is as it was
    Archived, // paid, archived, the basket empty
    NotArchived, // paid but the archive refused it: the basket is as it was
};

// "Electronic Payment" choices.
enum class CardChoice { Payment, PaymentPlusCashback, CardholderNotPresent, Cancel };

// The buttons "Electronic Payment" shows beside "Payment" and "Cancel" when
// the card terminal link is on.
struct CardChoiceOffer {
    bool cashBack = false;    // "Payment plus cashback"
    bool notPresent = false;  // "Cardholder not present payment"
};

// The "Customer transaction" buttons and their payment codes.
enum class CustomerPaymentCode { Cancel = 0, Eft = 2, Credit = 4, Cash = 8, Cheque = 12 };

// What the "Customer transaction" dialog shows; texts UTF-8.
struct CustomerTransactionView {
    int64_t transactionNumber = 0;
    std::string date;
    std::string time;
    std::string clerk; // "%d, %s"
    double subtotal = 0;
    double taxOne = 0;
    double taxTwo = 0;
    bool showTaxes = true; // false for a customer who pays no tax
    double total = 0;
    int64_t customerNumber = 0;
    std::string fullName; // "%s %s %s": salutation, first name, name
    std::string address;
    std::string telephone;
    std::string commentOne;
    std::string commentTwo;
    std::string notes;
    double creditLimit = 0;
    int64_t taxCode = 0;
    double previousBalance = 0;
    double thisTransaction = 0; // without the taxes for a customer who pays none
    double balanceAfter = 0;
    int32_t transactions = 0;
    std::string lastTransaction; // "HH:MM DD/MM/YYYY", or "" when never
};

// The dialogs a payment needs beyond plain messages; the till shows them,
// tests answer from a script.
class PaymentPrompts {
public:
    virtual ~PaymentPrompts() = default;
    // "Electronic Payment" without the card terminal link.
    virtual CardChoice electronicPayment() = 0;
    // "Electronic Payment" with the card terminal link on, with the buttons
    // `offer` names. Prompts that do not know the link pay nothing.
    virtual CardChoice cardTerminalChoice(const CardChoiceOffer &offer)
    {
        (void)offer;
        return CardChoice::Cancel;
    }
    // The "CASH BACK" box: the text typed, nothing when cancelled.
    virtual std::optional<std::string> cashBack() = 0;
    // One of several customers answering a name; nothing when none is chosen.
    virtual std::optional<size_t> chooseCustomer(
        const std::vector<CustomerCandidate> &candidates)
        = 0;
    virtual CustomerPaymentCode customerTransaction(const CustomerTransactionView &view) = 0;
};

// Cash back above this many whole units is confirmed first.
inline constexpr int64_t kCashBackConfirmAbove = 100;
// The largest cash back the "CASH BACK" box takes: nine digits.
inline constexpr int64_t kCashBackLimit = 999999999;

// One payment at a time on the one basket. All references must outlive it.
class Payment {
public:
    // `cardWaiter` waits for the card program's reply when the card terminal
    // link is on; without one no card payment can be approved then.
    Payment(TillState &state, Basket &basket, Messages &messages, SaleDevices &devices,
        CardReplyWaiter *cardWaiter = nullptr);

    // A cash box or split dialog is open: every payment is ignored.
    bool tenderOpen() const { return tenderOpen_; }

    // Cash. False (with "Please select items" for an empty basket) when no
    // box may open; else clears the parts, shows the total on the pole display
    // and enters tender-open mode.
    bool startCash();
    // Split. As startCash, for the "Split payment" dialog.
    bool startSplit();

    // What the cash box asks for: the total, or the cash part of a split.
    double amountDue() const { return due_; }
    // The quick buttons of the open cash box (fixed 5, 10, 20 for a split).
    QuickAmounts quickAmounts() const;
    // True while the cash box takes the cash part of a split.
    bool splitting() const { return split_; }

    // The cash box's buttons. "Less than total" refusals return NotPaid and
    // keep the box open; otherwise the box is done (tender-open mode ends)
    // and the sale is finished. For the cash part of a split, the amount
    // tendered is the cash alone after "Exact amount" (the cash part) and a
    // quick button (its amount); OK adds the CH and EFT parts to the cash.
    // With the card terminal link on, a split's EFT part is sent to the card
    // program before the sale is finished; not approved, the payment ends
    // (NotPaid) and the basket is as it was.
    PaymentResult exactAmount();
    PaymentResult quickButton(double amount);
    PaymentResult cashOk(std::string_view typedDigits);
    // Cancel of the cash box or the split dialog: the payment ends, nothing
    // is paid. A cancelled split keeps its parts only until the next payment.
    void cancelTender();

    // The split dialog's remainder box for the typed cash: total - cash
    // ("%.2f") while cash is below the total, else "".
    std::string splitRemainder(std::string_view typedDigits) const;
    // The split dialog's OK. "Cash exceeds total" (false; the caller clears
    // the box) when the cash is above the total; else the cash part and the
    // other form's part are set and the cash box takes over for the cash part.
    bool splitOk(std::string_view typedDigits, bool otherIsCheque);

    // Cheque: CH part = total, finished at once.
    PaymentResult payCheque();
    // Card without the terminal link: "Electronic Payment" (unless the clerk
    // is kept from cash back), the "CASH BACK" box, a confirmation above 100,
    // then EFT part = total; the day's cash-back total grows with the sale.
    // With the link on: "Electronic Payment" only when cash back or a
    // cardholder-not-present setting is on (cash back offered when permitted
    // and the clerk is not kept from it), then the card program's approval of
    // the total (plus the cash back) under the number the sale will take; not
    // approved, nothing is paid and the basket is as it was.
    PaymentResult payCard(PaymentPrompts &prompts);
    // Customer credit: "Number / name" (caption "Customer"), the credit-limit
    // warning, the "Customer transaction" dialog; a customer who pays no tax
    // has the taxes taken off the sale; the customer record is rewritten with
    // the sale.
    PaymentResult payByCustomer(PaymentPrompts &prompts);

    // The amount tendered and the change given of the last finished payment.
    const Tender &lastTender() const { return lastTender_; }

private:
    bool mayStart(const char *emptyText, const char *emptyCaption);
    void clearPaymentFields();
    void stampPaid(const char *paymentType);
    PaymentResult finish(const Tender &tender, const CustomerRecordUpdate *customer = nullptr);
    PaymentResult finishCash(int64_t tenderedCents, bool withOtherParts = false);
    std::optional<int64_t> chooseCustomerSlot(PaymentPrompts &prompts);
    // The whole units typed in "CASH BACK", confirmed above 100; nothing when
    // cancelled or not confirmed.
    std::optional<int64_t> askCashBack(PaymentPrompts &prompts);
    // The number the next archived transaction takes.
    int64_t numberAboutToBeUsed();
    // One card exchange; true when approved.
    bool cardApproved(const CardRequest &request);

    TillState &state_;
    Basket &basket_;
    Messages &messages_;
    SaleDevices &devices_;
    CardReplyWaiter *cardWaiter_;
    Basket before_ {}; // the basket as the payment found it
    bool tenderOpen_ = false;
    bool split_ = false;
    double due_ = 0;
    Tender lastTender_;
};

// A customer who pays no tax: the taxable total and every taxable line become
// non-taxable, the taxes leave the lines and the totals.
void removeTaxes(Basket &basket);

} // namespace ovix
