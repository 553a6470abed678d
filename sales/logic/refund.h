#pragma once
// "Refund basket": the basket the clerk has rung up goes back to the customer
// as a refund - in cash, by cheque ("CH"), to a card ("EFT") or to the
// customer's account ("Credit") - and is archived as a transaction of its
// own, with payment type "Refund" and its amounts negated.
//
// A refund is completed as a sale is: one all-or-nothing FileUpdate
// (file_update.h) over wr.cfg (the day totals and the advanced transaction
// number), the archive (year index, saleslog.dat, itemslog.dat), film.dat
// (the stock coming back), member.dat when an account is credited, and the
// activity log. After a failure or a crash at any moment either the whole
// refund is on the disk or none of it is, and its number is still free. The
// receipt and the drawer come after, from the archived copy.

#include "sales/logic/basket.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace ovix {

class Messages;
class SaleDevices;
class TillState;

enum class RefundForm { Cash, Cheque, Eft, Credit };

// The clerk's choices in the "Refund" dialog.
struct RefundChoice {
    // "Items faulty, do not add back to stock" rather than "Add items back to stock".
    bool itemsFaulty = false;
    RefundForm form = RefundForm::Cash;
    bool printReceipt = false; // "Print refund receipt"
};

// What the "Refund" dialog shows; texts UTF-8.
struct RefundView {
    int64_t transactionNumber = 0; // the next transaction number
    std::string date; // today's date text, as a transaction stores it
    std::string customer; // "%I64d %s": the basket's customer, "0 " without one
    int lines = 0;
    double nonTaxable = 0;
    double taxable = 0;
    double subtotal = 0;
    double taxOne = 0;
    double taxTwo = 0;
    double total = 0;
};

// The "Card refund" box.
enum class CardRefundChoice { Refund, CardholderNotPresent, Cancel };

// The card terminal's refund exchange: the transaction number the refund
// takes, the refund total in whole cents (positive) and whether the clerk
// chose a cardholder-not-present refund. True when the card program approved
// the refund; false when it declined or could not be asked (the exchange has
// told the clerk why).
using CardRefundExchange
    = std::function<bool(int64_t transactionNumber, int64_t totalCents, bool cardholderNotPresent)>;

// The card processing setup as a refund reads it, at the moment of the refund.
struct CardLinkSettings {
    bool active = false; // "Active"
    bool cardholderNotPresentRefunds = false; // "Permit cardholder not present refunds"
};

// The card terminal link a refund to a card goes through. Without settings
// the link counts as switched off: an EFT refund is recorded at once, as a
// card payment without the link is.
struct CardRefundLink {
    std::function<CardLinkSettings()> settings;
    CardRefundExchange exchange;
};

// The questions a refund asks beyond plain messages; the till shows dialogs,
// tests answer from a script.
class RefundPrompts {
public:
    virtual ~RefundPrompts() = default;
    // The "Refund" dialog; nothing when it was cancelled.
    virtual std::optional<RefundChoice> refund(const RefundView &view) = 0;
    // "Number / name" (caption "Customer") and, for a name, the list to pick
    // from: the chosen customer's number, 0 when none was chosen.
    virtual int64_t findCustomer() = 0;
    // "Card refund": "Refund", "Cardholder not present refund" or "Cancel".
    virtual CardRefundChoice cardRefund() = 0;
};

enum class RefundResult {
    NotRefunded, // refused, cancelled or declined: nothing written, the basket as it was
    Refunded, // on the disk, the basket empty
    NotRecorded, // a file failed: told, nothing written, the basket as it was
};

// What the "Refund" dialog shows for `basket` now.
RefundView refundView(const TillState &state, const Basket &basket);

// Refunds the basket at the present time (localNow()).
//
// "No items" (caption "Problem") with no lines. The "Refund" dialog, then for
// a credit refund the customer ("Number / name") and "Credit this customer?"
// (caption "%I64d Name: %s"): the customer's balance falls by the total, its
// last transaction stamp becomes now and it is attached to the refund. For an
// EFT refund while the card link is active, the "Card refund" box when
// cardholder-not-present refunds are permitted, then the card exchange; a
// refund it does not approve is not recorded. Cancelling anything ends the
// refund with nothing changed.
//
// The refund takes the next transaction number (or the first free one after
// the archive's highest, as a sale does) and today's transaction count + 1
// as its day sequence. Its record holds payment type "Refund", the eight
// amounts from non-taxable to discount negated, and the negated total in the
// cash, CH or EFT part (none for credit); its lines keep their positive
// values. Each line's item, unless "Items faulty" was chosen, gets one unit
// back and its last-used stamp; either way its category's day and month line
// counts fall by one and its day value by the line total. A line whose item
// is no longer on file ("Invalid entry") is archived in category 18 and
// touches no item. The day totals (takings except for credit, the sales
// figures, cost and discounts) fall by the amounts, the form's refund total
// falls and its count grows, today's transaction count grows by one and the
// next transaction number advances; the activity log takes the refund's
// block. All of it in one update; wr.cfg is stored with it.
//
// Once on the disk: the basket is cleared, what was held back is told, the
// refund receipt prints when chosen (tendered = total, no change) and the
// drawer opens when it is in use. When the update fails the clerk is told
// what failed and that the refund was not recorded, and the basket stays.
RefundResult refundBasket(TillState &state, Basket &basket, Messages &messages,
    SaleDevices &devices, RefundPrompts &prompts, const CardRefundLink &card = {});

} // namespace ovix
