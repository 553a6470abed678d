#pragma once
// The customer details sheet (Customers, Print, "Customer details"): one page
// of everything kept about a customer, in characters a fortieth of the
// printable height tall.

namespace ovix {

struct CustomerRecord;
class Messages;
class PrintDevice;
class TillConfig;

// The thickness of the sheet's rules, 0.01 mm.
inline constexpr int kCustomerSheetRule = 20;
// The line of the closing rule, the sheet's last (the first rule is on line 4).
inline constexpr int kCustomerSheetLines = 41;

// Draws the sheet of `customer` on `device`; a font the printer refuses is
// told through `messages` and the sheet is drawn in the font it has.
void printCustomerDetails(PrintDevice &device, const CustomerRecord &customer,
    const TillConfig &config, Messages &messages);

} // namespace ovix
