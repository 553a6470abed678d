#pragma once
// The customer details sheet (Customers, Print, "Customer details"): one page
// of everything kept about a customer, in the printer's lines of a fortieth of
// the printable height.

namespace ovix {

struct CustomerRecord;
class Messages;
class PrintDevice;
class TillConfig;

// The thickness of the sheet's rules, 0.01 mm.
inline constexpr int kCustomerSheetRule = 20;
// The lines the sheet runs to, the closing rule under the last.
inline constexpr int kCustomerSheetLines = 37;

// Draws the sheet of `customer` on `device`; a font the printer refuses is
// told through `messages` and the sheet is drawn in the font it has.
void printCustomerDetails(PrintDevice &device, const CustomerRecord &customer,
    const TillConfig &config, Messages &messages);

} // namespace ovix
