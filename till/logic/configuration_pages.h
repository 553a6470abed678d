#pragma once
// What the "General" and "Terms" pages of the configuration sheet, the "TAX
// CONTROL" dialog and the "Print heading" dialog show, and how each stores its
// controls into the configuration block or the store heading.
//
// Each page has an input struct holding its controls as the dialog has them:
// typed text as typed (Windows-1252), list positions as 0-based indexes (-1 =
// nothing chosen), check boxes as bool. load*() fills one from the stored
// values; apply*() copies it back, field by field, taking only values that
// pass the field's rule and leaving the stored value alone otherwise. None of
// them shows a message or touches a file.

#include "platform/clock.h"

#include <array>
#include <string>

namespace ovix {

class StoreHeading;
class TillConfig;

inline constexpr int kBands = 8;
inline constexpr int kCategoryNameBoxes = 18;

// The choices of the Terms page, in list order.
inline constexpr std::array<const char *, 8> kBandDiscountChoices
    = { "Nett", "2", "5", "10", "20", "30", "40", "50" };
inline constexpr std::array<const char *, 8> kBandPeriodChoices
    = { "No credit", "10", "20", "30", "60", "90", "120", "180" };
// The choices of "Default inventory tax code".
inline constexpr int kTaxCodeChoices = 4;
// "Default rate for discount button" offers 0 to this many percent.
inline constexpr int kMaxDiscountButtonRate = 80;

struct GeneralPageInput {
    std::string itemStartPoint; // "Inventory next available start point"
    std::string customerStartPoint; // "Customer next available start point "
    int displayCategoryIndex = -1; // 0-17 the categories, 18 "ALL"
    int itemCategoryIndex = -1; // 0-17
    std::string startOfDayTill; // "Default start of day till total"
    std::string taxOneName;
    std::string taxTwoName;
    int taxCodeIndex = -1; // "Default inventory tax code", 0-3
    int discountButtonRate = -1; // percent, 0-80
    std::array<std::string, kCategoryNameBoxes> categoryNames;
    int historyDay = 0; // "History from:" 1-31
    int historyMonth = 0; // 1-12
    int historyYear = 0;
    bool summaryBox = false;
    bool customerSearchAsList = false;
    bool itemSearchAsList = false;
    bool permitShortStock = false;
    bool omitMonthlyTotals = false;
    std::string currencySymbol;
    bool secondCurrency = false;
    std::string secondCurrencySymbol;
    std::string conversionRate;
    bool cartDescriptionOnly = false;
    bool nonInventoryTaxable = false;
    bool skuOneEntry = false;
    bool percentageTradeDiscount = false;
    std::string tradeDiscount; // "Discount (say 5 or 5.62)"
    bool discountOnTotal = false;
    bool noNumberOnNewItem = false;
    bool noNumberOnNewCustomer = false;
};

struct TermsPageInput {
    std::array<int, kBands> discountIndex {}; // into kBandDiscountChoices, band 1 first
    std::array<int, kBands> periodIndex {}; // into kBandPeriodChoices
};

struct TaxControlInput {
    bool taxOneActive = false;
    std::string taxOneRate; // hundredths of a percent: "1000" is 10%
    bool taxTwoActive = false;
    std::string taxTwoRate;
    bool taxTwoOnTotalPlusTaxOne = false; // "On total + tax 1"
    bool thresholdOn = false; // "Only apply to amounts over"
    std::string threshold;
};

// Lines "Site name" to "Telephone" of the store heading.
struct PrintHeadingInput {
    std::array<std::string, 6> lines;
};

GeneralPageInput loadGeneralPage(const TillConfig &config);
// Stores, in this order: the start points minus one (numbers 1 to
// 100000000000000000 only); the default display category (index 0-18, stored
// + 1) and default item category (index 0-17, stored + 1); the till total when
// a number not below 0; the tax names (5 characters kept); the tax code
// (0-3); the discount button rate (0-80); each category name of at least three
// characters, upper-cased, its first three kept; "History from:" when it is a
// real date not later than `today`; the check boxes (summary box inverted:
// ticked stores 0, else 1; the two list searches and the two "Do not offer"
// boxes 1/0; the others 2/0), the currency symbol (4 characters kept), the
// second currency symbol (3 kept), the conversion rate when a number not below
// 0, the trade discount when a number from 0 to 100.
void applyGeneralPage(TillConfig &config, const GeneralPageInput &input, const LocalTime &today);

TermsPageInput loadTermsPage(const TillConfig &config);
// Each choice stored as index + 1 when the index is 0 to 7.
void applyTermsPage(TillConfig &config, const TermsPageInput &input);

TaxControlInput loadTaxControl(const TillConfig &config);
// Active boxes and the two flags store 2 or 0; a rate only when a whole
// number 0 to 9999; the threshold only when a number not below 0.
void applyTaxControl(TillConfig &config, const TaxControlInput &input);

PrintHeadingInput loadPrintHeading(const StoreHeading &heading);
// Each line keeps at most 39 characters; the seventh line is left alone.
void applyPrintHeading(StoreHeading &heading, const PrintHeadingInput &input);

// The years "History from:" offers: from the first-use year (this year when
// it is not set or later) to the year of `today`.
int historyFirstYear(const TillConfig &config, const LocalTime &today);

} // namespace ovix
