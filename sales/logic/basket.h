#pragma once
// The sale being rung up: at most 400 lines of seven float values each, the
// running totals, the customer, payment and note texts. One Basket is the
// till's current sale; a second one of the same layout is the saved basket.
//
// A plain block of fixed-size fields in the order the sales archive's
// transaction record mirrors (number, day sequence, customer, clerk, line
// count, the 23 totals and the texts are copied into it field for field; each
// line becomes one sold-item record). Texts are NUL-terminated Windows-1252,
// zero filled. Amounts are floats kept at two decimals. The struct is
// trivially copyable: copying it copies the whole sale, and clearing it sets
// every byte to zero.

#include "store/fixed_text.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <type_traits>

namespace ovix {

struct CustomerRecord;

inline constexpr int kBasketLineCapacity = 400;
inline constexpr int kBasketTotalCount = 23;
inline constexpr size_t kBasketDescriptionWidth = 40;

// The entries of Basket::totals, in their stored order.
enum class BasketTotal {
    NonTaxable = 0,
    Taxable = 1,
    Subtotal = 2, // before tax, after a before-tax discount
    TaxOne = 3,
    TaxTwo = 4,
    Cost = 5,
    Total = 6,
    Discount = 7, // transaction discount
    // 8-12 reserved, always 0
    CashBack = 13, // whole units
    CashPart = 14,
    EftPart = 15,
    // 16 reserved
    ChequePart = 17, // "CH"
    // 18, 19 reserved
    BalanceBefore = 20, // customer balance before (customer payments)
    BalanceAfter = 21, // customer balance after (charged to the account)
    // 22 reserved
};

struct Basket {
    int64_t transactionNumber; // set when the sale is paid
    int64_t daySequence; // set when the sale is archived
    int64_t customerNumber; // 0 = no customer
    int64_t lineItemNumber[kBasketLineCapacity]; // 0 = non-inventory line
    int32_t clerkNumber; // set when the sale is paid
    int32_t lineCount; // lines in use, 0..400
    char lineDescription[kBasketLineCapacity][kBasketDescriptionWidth];
    float lineNonTaxable[kBasketLineCapacity]; // the price when the line is not taxed, else 0
    float lineTaxable[kBasketLineCapacity]; // the price when the line is taxed, else 0
    float lineTaxOne[kBasketLineCapacity];
    float lineTaxTwo[kBasketLineCapacity];
    float lineCost[kBasketLineCapacity]; // the item's cost price, free lines too
    float lineDiscount[kBasketLineCapacity]; // 0 for lines rung up at the till
    float lineTotal[kBasketLineCapacity]; // price + tax 1 + tax 2
    float totals[kBasketTotalCount]; // indexed by BasketTotal
    char timeText[20]; // "HH:MM", set when paid
    char dateText[20]; // set when paid
    char customerName[40];
    char customerAddress[4][30];
    char customerTelephone[30];
    char paymentType[40]; // "Cash", "CH", "EFT", "Credit", "Split", "Refund"
    // Never filled, always zero; they mirror reserved fields of the archived
    // transaction record (its offsets 394-869).
    char reservedTexts394[5][40];
    char reservedText594[20];
    char reservedTexts614[2][40];
    char reservedText694[80];
    char reservedTexts774[2][40];
    int32_t reservedNumbers854[2];
    float reservedAmounts862[2];
    char transactionNote[80]; // at most 79 characters

    float total(BasketTotal which) const
    {
        return totals[static_cast<int>(which)];
    }
    void setTotal(BasketTotal which, float value)
    {
        totals[static_cast<int>(which)] = value;
    }
};

static_assert(std::is_trivially_copyable_v<Basket> && std::is_standard_layout_v<Basket>);

// One line of the basket, copied out.
struct BasketLine {
    int64_t itemNumber = 0; // 0 = non-inventory line
    std::string description; // Windows-1252, at most 39 bytes
    float nonTaxable = 0;
    float taxable = 0;
    float taxOne = 0;
    float taxTwo = 0;
    float cost = 0;
    float discount = 0;
    float total = 0;
};

// Sets every byte of the basket to zero: no lines, no customer, no note.
void clearBasket(Basket &basket);

// Line `index` (0-based) copied out; an index outside 0..lineCount-1 gives an
// empty line.
BasketLine basketLine(const Basket &basket, int index);

// Puts `line` at position `index` (0..399) without touching lineCount or the
// totals. The description keeps at most 39 bytes.
void setBasketLine(Basket &basket, int index, const BasketLine &line);

// Zeroes every value of line `index` (0..399), its item number and description.
void clearBasketLine(Basket &basket, int index);

// Takes line `index` (0..lineCount-1) out as a void does: its taxes, cost,
// discount, non-taxable or taxable amount and total come off the totals, the
// later lines move down by one and the line count drops by one. Taking out
// the last remaining line clears the whole basket, customer and note included.
// False, with nothing changed, for an index that names no line.
bool removeBasketLine(Basket &basket, int index);

// Attaches `customer` to the sale: number, name, road, area, town, postcode
// and telephone go into the basket.
void setBasketCustomer(Basket &basket, const CustomerRecord &customer);

// Adds `amount` (negative to subtract) to a running total and stores the sum
// re-rounded to two decimals: formatted with "%.2f" and parsed back. The cost
// total is kept without this step; change it with setTotal.
void addToRunningTotal(Basket &basket, BasketTotal which, double amount);

// How many lines in use hold item `itemNumber`.
int countLinesOf(const Basket &basket, int64_t itemNumber);
// Buy one get one free: the next unit of the item is free while the basket
// holds more charged lines of it than free ones. Counting both (rather than
// taking every second line) keeps a void of a charged unit from making two
// units in a row free.
bool nextUnitIsFreeUnderBuyOneGetOne(const Basket &basket, int64_t itemNumber);

// Text fields copied out up to their NUL, never past their width.
inline std::string lineDescriptionText(const Basket &basket, int index)
{
    if (index < 0 || index >= kBasketLineCapacity)
        return {};
    return readFixedText(basket.lineDescription[index], kBasketDescriptionWidth);
}

} // namespace ovix
