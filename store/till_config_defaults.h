#pragma once
// Values the till puts into its configuration block: a new data set's block,
// the first start on a block, and the fix-ups done at every start.

#include <string>
#include <string_view>

namespace ovix {

class TillConfig;
struct LocalTime;

// Every clerk's password in a new data set.
inline constexpr const char *kStandardClerkPassword = "7351";

// The name clerk 1-99 has in a new data set: "Administrator", "Manager",
// then "Clerk %d".
std::string standardClerkName(int clerk);

// The block a new data set starts with: all zero, then the switch-off time
// and the history dates set to `now`, start-of-day till 100.00, quick-select
// categories 14 and 15, default item category 15, the currency symbol (first
// three bytes of `currencySymbolCp1252`, marked as set), band discounts and
// periods 1 to 8, 99 at 72, tax 1 active at 20.00 %, tax names "TAX 1" and
// "TAX 2", next transaction number 1, the receipt message, the category
// names, the clerk names and passwords, and the standard custom receipt.
// Its day of last use stays 0, so the first start applies the first-use defaults.
TillConfig makeDataSetDefaults(const LocalTime &now, std::string_view currencySymbolCp1252);

// The first start on a block (day of last use 0): day of last use, history
// start and first-use date become `today`; today's takings and the last
// switch-off time are cleared; tax names "GST 1"/"GST 2" when the locale's
// currency symbol is "$", else "VAT 1"/"VAT 2"; the drawer opens through the
// receipt printer with "27,112,0,25,250"; the custom invoice gets its
// standard layout. (The caller creates the reminders file.)
void applyFirstUseDefaults(TillConfig &config, const LocalTime &today,
                           std::string_view currencySymbolCp1252);

// Every start, after loading: tax names "TAX 1" and "TAX 2" when the tax 1
// name is empty; next transaction number 1 when it is 0 or less, or above
// 200000000.
void applyStartUpFixes(TillConfig &config);

// When the currency symbol has not been set (byte 1373 is not 2): the first
// three bytes of the locale's symbol, then marks it set. True when it changed.
bool fillCurrencySymbolFromLocale(TillConfig &config, std::string_view currencySymbolCp1252);

// At start: a default quick-select category of 0 becomes the current one + 1;
// then the current one becomes the default - 1 (both kept in range).
void applyQuickSelectStart(TillConfig &config);

// The standard custom receipt: store name on line 1, address lines 2-5,
// telephone 6, date 7, receipt number 8, clerk 9, customer name 10; after the
// items: total 1, tendered 2, change 3, payment type 4, footer text 6; five
// blank lines at the end; logo included when receipt.bmp exists; prices
// including tax. Other fields are omitted.
void applyCustomReceiptDefaults(TillConfig &config);

} // namespace ovix
