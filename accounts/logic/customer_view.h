#pragma once
// What the read-only customer views show of a customer: the "CUSTOMER" view
// (every field) and the "FIND CUSTOMER" box of a name search (the main
// ones). Texts are Windows-1252.

#include "accounts/logic/customer_form.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace ovix {

class TillConfig;

struct CustomerView {
    CustomerForm fields; // every box as the customer dialog shows it, amounts "%.2f"
    std::string lastUsed; // "HH:MM " and the date; "" when not set or "NEW"
    std::string lastPayment; // the same; "" when not set
    std::string terms; // the band's text, e.g. "30 days, 2% disc"
};

CustomerView customerView(const CustomerRecord &customer, const TillConfig &config);

// A time stamp as a customer view shows it: its time digits as "%c%c:%c%c ",
// then its date (the locale's "ddd d MMM yy" when it is a real date, else the
// date part as stored). "" for an empty stamp.
std::string shownStamp(std::string_view stamp);

} // namespace ovix
