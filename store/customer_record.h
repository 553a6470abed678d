#pragma once
// One customer of member.dat: a packed 2094-byte little-endian record, slot n
// at byte n × 2094. Text fields hold NUL-terminated Windows-1252 bytes, zero
// filled; read them with readText() from store/fixed_text.h. Reserved bytes are
// kept exactly as read.
// Packed fields are unaligned: copy a number into a local (or use +field)
// before anything binds a reference to it, such as std::min or EXPECT_EQ.

#include "store/item_record.h" // kMaxRecordNumber, shared with items

#include <bit>
#include <cstddef>
#include <cstdint>
#include <limits>

namespace ovix {

inline constexpr const char *kCustomerFileName = "member.dat";
inline constexpr size_t kCustomerRecordSize = 2094;

#pragma pack(push, 1)
struct CustomerRecord {
    int64_t number; // 1..kMaxRecordNumber; 0 or less marks a free slot
    char name[30];
    char road[30];
    char area[30];
    char town[30];
    char postcode[10];
    char telephone[20];
    char telephone_extension[20];
    char telephone2[20];
    char fax[20];
    char shipping_address_1[60];
    char shipping_address_2[30];
    char shipping_address_3[30];
    char shipping_address_4[30];
    char shipping_address_5[10];
    char salutation[6];
    char first_name[8];
    char contact[60];
    char customer_notes[200];
    int32_t group; // customer category 1..2000
    unsigned char reserved_656[20];
    char comment[30];
    char credit_card[40];
    char credit_card_2[80];
    char credit_card_expiry[20];
    char credit_card_2_expiry[160];
    int32_t terms; // band 1..8
    int32_t last_transaction; // transaction last charged to or paid on the account
    char comment2[40];
    char email[40];
    float total_purchases;
    unsigned char reserved_1098[12];
    char origination[12];
    char customer_last_used[16]; // time stamp
    char last_payment[16]; // time stamp, empty until the first payment
    int32_t loan_table_1[10][2];
    char loan_table_2[10][16];
    char loan_table_3[10][16];
    float balance; // amount owed on account
    float credit_limit;
    unsigned char reserved_1562[16];
    int32_t transactions;
    int64_t tax; // 1 taxable, 0 pays no tax
    int64_t items_on_loan[10]; // item numbers, 0 = empty entry
    int32_t loan_table_4[10][2];
    char loan_dates[10][16]; // time stamp per entry of items_on_loan
    char loan_due[10][16]; // time stamp per entry of items_on_loan
    unsigned char reserved_2070[20];
    int32_t import_marker; // cleared when created, set by the import
};
#pragma pack(pop)

static_assert(std::endian::native == std::endian::little, "records are stored little-endian");
static_assert(std::numeric_limits<float>::is_iec559 && sizeof(float) == 4,
    "record amounts are IEEE 754 singles");

static_assert(sizeof(CustomerRecord) == kCustomerRecordSize);
static_assert(offsetof(CustomerRecord, number) == 0);
static_assert(offsetof(CustomerRecord, name) == 8);
static_assert(offsetof(CustomerRecord, road) == 38);
static_assert(offsetof(CustomerRecord, area) == 68);
static_assert(offsetof(CustomerRecord, town) == 98);
static_assert(offsetof(CustomerRecord, postcode) == 128);
static_assert(offsetof(CustomerRecord, telephone) == 138);
static_assert(offsetof(CustomerRecord, telephone_extension) == 158);
static_assert(offsetof(CustomerRecord, telephone2) == 178);
static_assert(offsetof(CustomerRecord, fax) == 198);
static_assert(offsetof(CustomerRecord, shipping_address_1) == 218);
static_assert(offsetof(CustomerRecord, shipping_address_2) == 278);
static_assert(offsetof(CustomerRecord, shipping_address_3) == 308);
static_assert(offsetof(CustomerRecord, shipping_address_4) == 338);
static_assert(offsetof(CustomerRecord, shipping_address_5) == 368);
static_assert(offsetof(CustomerRecord, salutation) == 378);
static_assert(offsetof(CustomerRecord, first_name) == 384);
static_assert(offsetof(CustomerRecord, contact) == 392);
static_assert(offsetof(CustomerRecord, customer_notes) == 452);
static_assert(offsetof(CustomerRecord, group) == 652);
static_assert(offsetof(CustomerRecord, reserved_656) == 656);
static_assert(offsetof(CustomerRecord, comment) == 676);
static_assert(offsetof(CustomerRecord, credit_card) == 706);
static_assert(offsetof(CustomerRecord, credit_card_2) == 746);
static_assert(offsetof(CustomerRecord, credit_card_expiry) == 826);
static_assert(offsetof(CustomerRecord, credit_card_2_expiry) == 846);
static_assert(offsetof(CustomerRecord, terms) == 1006);
static_assert(offsetof(CustomerRecord, last_transaction) == 1010);
static_assert(offsetof(CustomerRecord, comment2) == 1014);
static_assert(offsetof(CustomerRecord, email) == 1054);
static_assert(offsetof(CustomerRecord, total_purchases) == 1094);
static_assert(offsetof(CustomerRecord, reserved_1098) == 1098);
static_assert(offsetof(CustomerRecord, origination) == 1110);
static_assert(offsetof(CustomerRecord, customer_last_used) == 1122);
static_assert(offsetof(CustomerRecord, last_payment) == 1138);
static_assert(offsetof(CustomerRecord, loan_table_1) == 1154);
static_assert(offsetof(CustomerRecord, loan_table_2) == 1234);
static_assert(offsetof(CustomerRecord, loan_table_3) == 1394);
static_assert(offsetof(CustomerRecord, balance) == 1554);
static_assert(offsetof(CustomerRecord, credit_limit) == 1558);
static_assert(offsetof(CustomerRecord, reserved_1562) == 1562);
static_assert(offsetof(CustomerRecord, transactions) == 1578);
static_assert(offsetof(CustomerRecord, tax) == 1582);
static_assert(offsetof(CustomerRecord, items_on_loan) == 1590);
static_assert(offsetof(CustomerRecord, loan_table_4) == 1670);
static_assert(offsetof(CustomerRecord, loan_dates) == 1750);
static_assert(offsetof(CustomerRecord, loan_due) == 1910);
static_assert(offsetof(CustomerRecord, reserved_2070) == 2070);
static_assert(offsetof(CustomerRecord, import_marker) == 2090);

} // namespace ovix
