#pragma once
// What the item dialog ("New inventory" / "Amend inventory") holds: the boxes
// as typed and the list positions as chosen, how a new item's boxes start,
// how an item on file fills them, and how they make a film.dat record.
//
// Texts are Windows-1252. The boxes keep what was typed so that a refused
// item can be shown again exactly as the clerk left it; numbers and prices
// are only read from the texts when the record is made.

#include "platform/clock.h"
#include "store/record_kinds.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace ovix {

class TillConfig;

// Characters the boxes take: the item number, the long texts, the notes, a
// whole number, a price, the reckoner's price with tax.
inline constexpr size_t kItemNumberWidth = 19;
inline constexpr size_t kItemTextWidth = 38;
inline constexpr size_t kItemNotesWidth = 78;
inline constexpr size_t kItemCountWidth = 9;
inline constexpr size_t kItemPriceWidth = 12;
inline constexpr size_t kPriceWithTaxWidth = 9;

// Highest retail or cost price an item may have, in cents (20000.00).
inline constexpr int64_t kItemPriceLimitCents = 2000000;

// The list choices of the dialog.
inline constexpr int kTaxCodeCount = 4; // "Non taxable", "Tax 1 and 2", "Tax 1", "Tax 2"
inline constexpr int kLowestAgeWarning = 2;
inline constexpr int kHighestAgeWarning = 30;
inline constexpr int kHighestSpecialOrder = 20;
inline constexpr int kFirstSellByYear = 2012; // list position 1; position 0 is "0"
inline constexpr int kLastSellByYear = 2080;
// The year a stored sell-by year index counts from (index 1 = 2012).
inline constexpr int kSellByYearBase = 2011;

// Which picture an item shows, and the steps of the dialog's "Back" and
// "Forward" buttons through the 24 stock pictures. When the item has a
// picture of its own, that picture sits between stock picture 24 and 1: the
// first step leaves it for 1 (Back) or 24 (Forward), and coming round again
// to that end shows it again.
struct PictureChoice {
    int stockNumber = 1; // 1..24
    bool own = false; // showing the item's own picture file
    bool ownAvailable = false; // the item has one to come back to

    void back();
    void forward();
    // "m<number>.bmp" while the own picture is shown, else "STOCK<n>.bmp".
    std::string fileName(int64_t itemNumber) const;
};

struct ItemForm {
    std::string number;
    std::string description;
    std::array<std::string, 4> skus;
    std::string costPrice;
    std::string tradePrice;
    std::string retailPrice;
    std::string orderCode;
    std::string orderQuantity;
    std::string minimumOrder;
    std::string onOrder;
    std::string restockLevel;
    std::string notes;
    std::string deliveryCharge;
    std::string weight;
    std::string committed;
    std::string deliveryLead;
    std::string labelsToPrint;
    std::string location;
    std::string website;
    std::string webImage;
    std::string quantity; // in stock
    int taxCode = 0; // 0..3
    int displayCategory = 14; // 0..17
    int saleOrReturn = 0; // 0 "NO", 1 "YES"
    bool noTaxRounding = false;
    int specialOrder = 0; // 0..20
    bool ageWarning = false;
    int age = kLowestAgeWarning; // 2..30, kept while the box is unchecked
    bool omitQuickSelect = false;
    bool buyOneGetOneFree = false;
    int sellByDay = 0; // list positions: 0 none, else 1..31
    int sellByMonth = 0; // 0 none, else 1..12
    int sellByYear = 0; // 0 none, else 1..69 (2012..2080)
    int addedDay = 1; // the date picker
    int addedMonth = 1;
    int addedYear = 2000;
    PictureChoice picture;
};

// The item number typed in the Number box: its leading decimal number, or
// -1 when it holds more digits than a 64-bit number takes (never wrapped
// round onto another number). 0 when no digit leads.
int64_t typedItemNumber(std::string_view text);

// A price, delivery charge or weight box: its leading decimal number ("12.5ABC"
// is 12.5, "ABC" is 0), held within a float's range.
float typedItemPrice(std::string_view text);

// The date added as "%02d/%02d/%d" holds it: day, month and year, when they
// make a date the picker can show (day 1-31, month 1-12, year after 1980).
bool readDateAdded(std::string_view text, int &day, int &month, int &year);

// The number the new-item dialog offers: the lowest unused number above the
// last item number issued (from 1 when that is not positive, or when adding
// one would pass the largest 64-bit number); nothing when the "Do not offer
// on new inventory box" setting is on, or when the offer would pass the
// highest item number.
std::optional<int64_t> offeredItemNumber(const TillConfig &config, const ItemIndex &items);

// A blank "New inventory" dialog on `today`: prices, delivery and weight
// "0.00", committed, delivery lead and labels "0", quantity in stock empty,
// the configured default tax code and display category, stock picture 1,
// and the offered number (or an empty box).
ItemForm newItemForm(const TillConfig &config, const ItemIndex &items, const LocalTime &today);

// The boxes of an item on file. The date added shows when it is a valid date
// (day 1-31, month 1-12, year after 1980), else `today`. `ownPictureExists`
// says whether the item's own picture file is in the data folder.
ItemForm formOfItem(const ItemRecord &record, const LocalTime &today, bool ownPictureExists);

// Writes the boxes into `record`, leaving every field the dialog does not
// show as it was. The number is typedItemNumber() of its box; the retail
// price is rounded to cents; whole numbers past 32 bits are held at the
// nearest 32-bit value.
void applyItemForm(const ItemForm &form, ItemRecord &record);

// The first refusal of a new item, in the order the clerk is told them
// ("Number outside range.", "The description must have at least two
// characters.", "Invalid category", "Invalid retail price", "Invalid retail
// price, limit 20000.00", "Invalid quantity in stock", "Invalid cost price",
// "Invalid cost price, limit 20000.00"); nothing when the item may be stored.
std::optional<std::string> newItemProblem(const ItemRecord &record);

// The first refusal of an amended item ("Number cannot be changed", "The
// title must have at least two characters.", "Invalid cost price, limit
// 20000.00", "Invalid retail price, limit 20000.00"); `original` is the
// number the item is on file under.
std::optional<std::string> amendedItemProblem(const ItemRecord &record, int64_t original);

// Clears what a new item never inherits: the loan, and the reserved bytes a
// new record starts without.
void clearForNewItem(ItemRecord &record);

} // namespace ovix
