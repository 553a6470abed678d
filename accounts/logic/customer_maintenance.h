#pragma once
// Keeping member.dat: storing a new or amended customer from the customer
// dialog, deleting a customer, and pruning customers not seen for six months.
//
// Each change is one all-or-nothing update: the record, and with it wr.cfg
// (a new customer's count) or the activity log (an amendment's block, a
// deletion's line), is protected in the undo journal before the first byte
// is written; a failure puts the files back and reads the customer index
// again, so memory follows the disk. Refusals and failures are told through
// Messages (caption "Problem", with the warning sound, unless said otherwise).

#include "accounts/logic/customer_form.h"
#include "platform/clock.h"

#include <cstdint>
#include <optional>
#include <string>

namespace ovix {

class Messages;
class Shop;

// The number the "NEW CUSTOMER" box offers: the last number issued plus one
// (1 when that is not positive), past every number on file; nothing when
// that would run beyond the highest customer number.
std::optional<int64_t> offeredCustomerNumber(const Shop &shop);

// The "NEW CUSTOMER" box's starting boxes: the offered number (none with
// "Do not offer on new customer box" on, or when no number is left),
// Taxable 1, Group 1, the counts and Balance 0, Credit limit 2000, the first
// Terms band.
CustomerForm newCustomerForm(const Shop &shop);

enum class CustomerStoreOutcome {
    Stored, // on file
    Refused, // what was typed breaks a rule: the dialog opens again holding it
    Ended, // told (a number in use, a failed write) or not confirmed: the command ends
};

// Adds the customer the boxes describe: refused with newCustomerProblem();
// "Number in use." ends the command; "Store record?" (caption "New
// customer") must be confirmed; the record gets Last used "NEW", no Last
// payment, its loan lists and import mark cleared, and is written into the
// first free slot or appended, the new-customers count of the day rising
// with it.
CustomerStoreOutcome storeNewCustomer(Shop &shop, const CustomerForm &form, Messages &messages);

// Rewrites customer `number` with the boxes (the Balance stays as on file):
// refused with amendmentProblem(); then the record is written and the
// amendment's block ("Customer %I64d amended:", before and after) is added
// to the activity log. When bun4.dat cannot take the block: "Data file:
// bun4.dat, not present." (caption "Fatal error"), the record stays written.
CustomerStoreOutcome storeAmendedCustomer(
    Shop &shop, int64_t number, const CustomerForm &form, Messages &messages);

// The activity log block of an amendment from `before` to `after`, at `now`.
std::string amendmentLogBlock(
    const CustomerRecord &before, const CustomerRecord &after, const LocalTime &now);

// Reads customer `number`: "Invalid number." when it is not on file, and the
// record file's messages when it cannot be read.
std::optional<CustomerRecord> readCustomer(const Shop &shop, int64_t number, Messages &messages);

// Asks "Are you sure?" under "%I64d Name: %s" and, on OK, frees the
// customer's slot (number -1, name empty) and logs "Customer %I64d, %s
// deleted." with the time. True when it was deleted.
bool deleteCustomer(Shop &shop, int64_t number, Messages &messages);

// The month before which a customer not used counts as gone: six months
// before `month` of `year`.
struct PruneCutOff {
    int month = 0;
    int year = 0;
};
PruneCutOff pruneCutOff(int month, int year);

// Whether the prune walk offers `customer` for deletion: not when its number
// is below 1 or it is taxable; at once when its Last used has no month or no
// year (a new customer's "NEW"); not when last used after the cut-off month;
// not, with `omitDebtors`, when its balance is not exactly 0.
bool pruneOffers(const CustomerRecord &customer, const PruneCutOff &cutOff, bool omitDebtors);

// Customers "Prune": "Enter the start number:" (default 1), "Omit those
// that owe money?" (caption "Prune members"), then each customer from the
// start number on that pruneOffers() is offered under "%I64d Name: %s" as
// "Last used: %s Balance: %.2f": Yes deletes it (no log line), No goes on,
// Cancel ends. Returns how many were deleted.
int pruneCustomers(Shop &shop, Messages &messages);

} // namespace ovix
