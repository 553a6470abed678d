#pragma once
// The three record formats of the sales archive, as they lie on the disk:
// packed, little-endian, text fields NUL-terminated Windows-1252 and zero
// filled, money as IEEE singles.
//
//   Y/base.dat          year index: int32 0 header, then YearIndexEntry records
//   Y/M/D/saleslog.dat  TransactionRecord per sale, refund or account payment
//   Y/M/D/itemslog.dat  SoldItemRecord per line, each transaction's lines in
//                       basket order right after each other
//
// Packed fields are unaligned: copy a number into a local (or use +field)
// before anything binds a reference to it, such as std::min or EXPECT_EQ.

#include <bit>
#include <cstddef>
#include <cstdint>
#include <limits>

namespace ovix {

inline constexpr size_t kYearIndexHeaderSize = 4;
inline constexpr size_t kYearIndexEntrySize = 12;
inline constexpr size_t kTransactionRecordSize = 950;
inline constexpr size_t kSoldItemRecordSize = 104;

// Display categories of items are 0..17; a line sold without an item record
// (a non-inventory line) is archived in category 18.
inline constexpr int64_t kNonInventoryCategory = 18;

#pragma pack(push, 1)

// One archived transaction of the year: where its day folder is.
struct YearIndexEntry {
    int32_t transactionNumber; // low 32 bits
    int32_t day; // of the day folder
    int32_t month; // of the day folder
};

struct TransactionRecord {
    int64_t transactionNumber;
    int64_t daySequence; // number of the transaction within its day, from 1
    int64_t customerNumber; // 0 = none
    int32_t clerkNumber;
    int32_t lineCount; // SoldItemRecords that follow in itemslog.dat
    float nonTaxable;
    float taxable;
    float subtotal; // before tax
    float taxOne;
    float taxTwo;
    float cost; // sum of the lines' cost prices
    float total;
    float discount; // transaction discount
    float reserved64[5];
    float cashBack; // whole units
    float cashPart;
    float eftPart;
    float reserved96;
    float chequePart; // "CH"
    float reserved104[2];
    float balanceBefore; // customer balance before (customer payments)
    float balanceAfter; // customer balance after (charged to the account)
    float reserved120;
    char timeText[20]; // "HH:MM"
    char dateText[20]; // "ddd d MMM yy" of the locale, or "D:%2d M:%2d Y:%d"
    char customerName[40];
    char customerAddress[4][30];
    char customerTelephone[30];
    char paymentType[40]; // "Cash", "CH", "EFT", "Credit", "Split", "Refund", "Payment..."
    char reservedTexts394[5][40];
    char reservedText594[20];
    char reservedTexts614[2][40];
    char reservedText694[80];
    char reservedTexts774[2][40];
    int32_t reservedNumbers854[2];
    float reservedAmounts862[2];
    char transactionNote[80];
};

struct SoldItemRecord {
    int64_t transactionNumber; // as in the TransactionRecord
    int64_t category; // display category 0..17, kNonInventoryCategory otherwise
    int64_t customerNumber; // 0 = none
    int64_t itemNumber; // 0 for a non-inventory line
    char description[40];
    float nonTaxable;
    float taxable;
    float taxOne;
    float taxTwo;
    float cost;
    float discount; // 0 for lines rung up at the till
    float total; // price + tax 1 + tax 2
    int32_t clerkNumber;
};

#pragma pack(pop)

static_assert(std::endian::native == std::endian::little, "the archive is stored little-endian");
static_assert(std::numeric_limits<float>::is_iec559 && sizeof(float) == 4,
    "archive amounts are IEEE 754 singles");

static_assert(sizeof(YearIndexEntry) == kYearIndexEntrySize);
static_assert(offsetof(YearIndexEntry, transactionNumber) == 0);
static_assert(offsetof(YearIndexEntry, day) == 4);
static_assert(offsetof(YearIndexEntry, month) == 8);

static_assert(sizeof(TransactionRecord) == kTransactionRecordSize);
static_assert(offsetof(TransactionRecord, transactionNumber) == 0);
static_assert(offsetof(TransactionRecord, daySequence) == 8);
static_assert(offsetof(TransactionRecord, customerNumber) == 16);
static_assert(offsetof(TransactionRecord, clerkNumber) == 24);
static_assert(offsetof(TransactionRecord, lineCount) == 28);
static_assert(offsetof(TransactionRecord, nonTaxable) == 32);
static_assert(offsetof(TransactionRecord, taxable) == 36);
static_assert(offsetof(TransactionRecord, subtotal) == 40);
static_assert(offsetof(TransactionRecord, taxOne) == 44);
static_assert(offsetof(TransactionRecord, taxTwo) == 48);
static_assert(offsetof(TransactionRecord, cost) == 52);
static_assert(offsetof(TransactionRecord, total) == 56);
static_assert(offsetof(TransactionRecord, discount) == 60);
static_assert(offsetof(TransactionRecord, reserved64) == 64);
static_assert(offsetof(TransactionRecord, cashBack) == 84);
static_assert(offsetof(TransactionRecord, cashPart) == 88);
static_assert(offsetof(TransactionRecord, eftPart) == 92);
static_assert(offsetof(TransactionRecord, reserved96) == 96);
static_assert(offsetof(TransactionRecord, chequePart) == 100);
static_assert(offsetof(TransactionRecord, reserved104) == 104);
static_assert(offsetof(TransactionRecord, balanceBefore) == 112);
static_assert(offsetof(TransactionRecord, balanceAfter) == 116);
static_assert(offsetof(TransactionRecord, reserved120) == 120);
static_assert(offsetof(TransactionRecord, timeText) == 124);
static_assert(offsetof(TransactionRecord, dateText) == 144);
static_assert(offsetof(TransactionRecord, customerName) == 164);
static_assert(offsetof(TransactionRecord, customerAddress) == 204);
static_assert(offsetof(TransactionRecord, customerTelephone) == 324);
static_assert(offsetof(TransactionRecord, paymentType) == 354);
static_assert(offsetof(TransactionRecord, reservedTexts394) == 394);
static_assert(offsetof(TransactionRecord, reservedText594) == 594);
static_assert(offsetof(TransactionRecord, reservedTexts614) == 614);
static_assert(offsetof(TransactionRecord, reservedText694) == 694);
static_assert(offsetof(TransactionRecord, reservedTexts774) == 774);
static_assert(offsetof(TransactionRecord, reservedNumbers854) == 854);
static_assert(offsetof(TransactionRecord, reservedAmounts862) == 862);
static_assert(offsetof(TransactionRecord, transactionNote) == 870);

static_assert(sizeof(SoldItemRecord) == kSoldItemRecordSize);
static_assert(offsetof(SoldItemRecord, transactionNumber) == 0);
static_assert(offsetof(SoldItemRecord, category) == 8);
static_assert(offsetof(SoldItemRecord, customerNumber) == 16);
static_assert(offsetof(SoldItemRecord, itemNumber) == 24);
static_assert(offsetof(SoldItemRecord, description) == 32);
static_assert(offsetof(SoldItemRecord, nonTaxable) == 72);
static_assert(offsetof(SoldItemRecord, taxable) == 76);
static_assert(offsetof(SoldItemRecord, taxOne) == 80);
static_assert(offsetof(SoldItemRecord, taxTwo) == 84);
static_assert(offsetof(SoldItemRecord, cost) == 88);
static_assert(offsetof(SoldItemRecord, discount) == 92);
static_assert(offsetof(SoldItemRecord, total) == 96);
static_assert(offsetof(SoldItemRecord, clerkNumber) == 100);

} // namespace ovix
