#pragma once
// What the customer dialog ("NEW CUSTOMER", "Amend customer") holds: every box
// as typed, Windows-1252, and the rules that turn it into a CustomerRecord.
// The dialog only shows and collects the form; everything here runs without a
// window.

#include "store/customer_record.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace ovix {

struct CustomerForm {
    std::string number;
    std::string name;
    std::string road;
    std::string area;
    std::string town;
    std::string postcode;
    std::string telephone;
    std::string extension;
    std::string telephone2;
    std::string email;
    std::string fax;
    std::string contact;
    std::string notes;
    std::string comment;
    std::string comment2;
    std::string creditCard;
    std::string creditCardExpiry;
    std::string creditCard2;
    std::string creditCard2Expiry;
    std::string shippingName;
    std::string shippingRoad;
    std::string shippingArea;
    std::string shippingTown;
    std::string shippingPostcode;
    std::string taxable = "1"; // "0" or "1"
    std::string group = "1";
    std::string transactions = "0";
    std::string totalPurchases = "0";
    std::string balance = "0";
    std::string creditLimit = "2000";
    int termsIndex = 0; // position 0..7 in the Terms list: band termsIndex + 1
};

// A text box of the form and the record field it fills.
struct CustomerTextField {
    const char *objectName; // the box's object name in the dialog
    const char *label; // the dialog's label
    std::string CustomerForm::*text;
    size_t offset; // of the record field
    size_t width; // of the record field, terminator included
    size_t maxChars; // the most characters the box keeps
    bool upperCase; // typed in capitals
};

// Every text box, in the dialog's order.
std::span<const CustomerTextField> customerTextFields();

// The most characters the number boxes (Number, Group, Transactions, the
// amounts) keep.
inline constexpr size_t kCustomerNumberChars = 19;
// Customer numbers run from 1 to 10^17.
inline constexpr int64_t kLowestCustomerNumber = 1;
inline constexpr int64_t kHighestCustomerNumber = 100000000000000000;
inline constexpr int kLowestGroup = 1;
inline constexpr int kHighestGroup = 2000;

// The number typed in a number box: its leading whole number. Nothing when
// it holds more than 64 bits do, so that it is never wrapped round onto
// another number.
std::optional<int64_t> typedWholeNumber(std::string_view text);

// The customer number typed in the form, when it is 1 to 10^17.
std::optional<int64_t> formCustomerNumber(const CustomerForm &form);

// The first rule of a new customer the form breaks, as its message ("Number
// outside range.", "The name must have at least two characters.", "Invalid
// category (1-2000)"), or nothing when it keeps them all.
std::optional<std::string> newCustomerProblem(const CustomerForm &form);

// Also refused, for a new customer and an amendment alike: an Email holding a
// line break or other control character.
inline constexpr const char *kEmailControlProblem
    = "The email address must not hold a line break or other control character.";

// The same for an amendment of customer `number`: the number must not have
// changed ("Number cannot be changed"), then the name and group rules.
std::optional<std::string> amendmentProblem(const CustomerForm &form, int64_t number);

// The form filled from `customer`, amounts as "%.2f", the Terms position of
// its band (clamped to the eight bands).
CustomerForm formOfRecord(const CustomerRecord &customer);

// Writes the form into `customer`: every text box cut to its box's length
// (capitals where the box forces them), Taxable, Group, Transactions, Terms,
// Credit limit and Total purchases, and the Number; the Balance only when
// `withBalance` (a new customer). Amounts are rounded to whole cents. The
// rest of the record is left as it is.
void applyForm(const CustomerForm &form, CustomerRecord &customer, bool withBalance);

} // namespace ovix
