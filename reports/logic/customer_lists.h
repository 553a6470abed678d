#pragma once
// The printed customer lists of the Customers "Print" menu: from a number,
// alphabetically (from m2.dat), the debtors and the customers inactive since
// a year, in the lines of the listing page (reports/logic/listing_pages.h).
// Nothing is written.

#include "platform/clock.h"
#include "reports/logic/inventory_lists.h"

#include <optional>
#include <string_view>
#include <vector>

namespace ovix {

class Messages;

enum class CustomerListKind {
    FromNumber, // "From number ..": "Numeric customer list: "
    Debtors, // "Debtors": balance not 0
    InactiveSince, // "Inactive since ..": not used after the year asked
};

struct CustomerListChoice {
    CustomerListKind kind = CustomerListKind::FromNumber;
    NumberRange range {};
    int year = 2000; // InactiveSince: the last year a customer may have been used in
};

// "Enter the year (YYYY):" as typed: a whole year from 1 to this year, else
// "Outside range" (caption "Problem") and nothing.
std::optional<int> inactiveSinceYear(std::string_view typed, const LocalTime &today,
    Messages &messages);

// The year of a last-use time stamp "HH:MMDD/MM/YYYY"; nothing when it holds
// no year.
std::optional<int> stampYear(std::string_view stamp);

// Whether the customer is printed on the list (its number already in range):
// debtors owe or are owed a cent or more; an inactive customer has no
// last-use year after the year asked.
bool onCustomerList(const CustomerListChoice &choice, const CustomerRecord &customer);

// The customer's four lines: number and name; road (and, for the inactive
// list, the telephone); the balance and telephone, or for the inactive list
// the date of last use; an empty line.
ListingEntry customerListEntry(CustomerListKind kind, const CustomerRecord &customer);

// The whole list from member.dat, in number order. "No items in range."
// (caption "Problem") when the range holds no customer; member.dat that
// cannot be read gives "Data file member.dat, not present." (caption "Fatal
// error"); nothing for both.
std::optional<Listing> customerListing(const CustomerListChoice &choice,
    const CustomerIndex &customers, Messages &messages);

// The alphabetical list from the records of m2.dat: number, name, road and
// telephone on one line, ended by a line of two spaces.
Listing alphabeticalCustomerListing(const std::vector<ListFileRecord> &records);

} // namespace ovix
