#pragma once
// The overdue-balance reminder mailed to one customer (Windows-1252, CR LF
// lines).

#include "platform/clock.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace ovix {

class StoreHeading;

// Header (to the customer's own address), the two heading lines, "Overdue
// reminder" with the time and date, the customer's number and balance and the
// closing request. The balance is mailed whatever its sign.
std::string debtorMailText(const StoreHeading &heading, std::string_view from,
    std::string_view customerEmail, int64_t customerNumber, double balance, const LocalTime &now);

} // namespace ovix
