#pragma once
// One item of film.dat: a packed 1874-byte little-endian record, slot n at
// byte n × 1874. Text fields hold NUL-terminated Windows-1252 bytes, zero
// filled; read them with readText() from store/fixed_text.h, which never runs
// past the field's width. Reserved bytes are kept exactly as read.
// Packed fields are unaligned: copy a number into a local (or use +field)
// before anything binds a reference to it, such as std::min or EXPECT_EQ.

#include <bit>
#include <cstddef>
#include <cstdint>
#include <limits>

namespace ovix {

// Highest item or customer number the shop may use; numbers start at 1.
inline constexpr int64_t kMaxRecordNumber = 100000000000000000;

inline constexpr const char *kItemFileName = "film.dat";
inline constexpr size_t kItemRecordSize = 1874;

#pragma pack(push, 1)
struct ItemRecord {
    int64_t number; // 1..kMaxRecordNumber; 0 or less marks a free slot
    char description[82];
    char sku1[40]; // compared by the barcode look-up
    char sku2[40];
    char sku3[40];
    char sku4[60];
    char format[20]; // bundle: component 1 item number as text
    char category[60];
    char location[200];
    char order_code[40];
    char component_4[20];
    char component_5[20];
    char date_added[20]; // "%02d/%02d/%d" day, month, year
    char component_6[20];
    int32_t quantity;
    int32_t reorder_quantity;
    int32_t minimum_order;
    int32_t order_quantity;
    int32_t tax; // 0 none, 1 tax 1 and 2, 2 tax 1, 3 tax 2
    int32_t delivery_lead;
    int32_t on_order;
    int32_t committed;
    int32_t labels_to_print;
    unsigned char reserved_706[8];
    int32_t total_sold;
    unsigned char reserved_718[96];
    float cost_price;
    float trade_price;
    float retail_price; // without tax
    unsigned char reserved_826[36];
    float delivery_charge;
    float weight;
    unsigned char reserved_870[12];
    char website[40];
    char web_image[280];
    int32_t picture_number; // stock picture 1..24
    int32_t no_tax_rounding; // 2 = not rounded
    int32_t special_order;
    int32_t age_warning; // 0 or minimum age 2..30
    int32_t omit_quick_select; // 2 = left off the quick-select buttons
    int32_t component_free[6]; // bundle: 2 = given free
    int32_t component_quantity[6]; // bundle: 1..50
    int32_t buy_one_get_one_free; // 2 = on
    unsigned char reserved_1274[4];
    int32_t sell_by_day;
    int32_t sell_by_month;
    int32_t sell_by_year; // 0 none, n = year 2011 + n
    unsigned char reserved_1290[272];
    int32_t own_picture; // 1 = picture file named after the item number
    int32_t sale_or_return;
    unsigned char reserved_1570[40];
    char notes[87];
    char component_2[20];
    char component_3[60];
    char reserved_1777[4]; // a text, emptied when an item is created
    unsigned char reserved_1781[6];
    int32_t display_category; // 0..17
    unsigned char reserved_1791[11];
    int32_t record_kind; // 2 = bundle
    unsigned char reserved_1806[4];
    char last_used[16]; // time stamp of the last sale
    int64_t loaned_to; // customer number, 0 = not on loan
    char due_back[16]; // time stamp, empty when not on loan
    unsigned char reserved_1850[24];
};
#pragma pack(pop)

static_assert(std::endian::native == std::endian::little, "records are stored little-endian");
static_assert(std::numeric_limits<float>::is_iec559 && sizeof(float) == 4,
    "record prices are IEEE 754 singles");

static_assert(sizeof(ItemRecord) == kItemRecordSize);
static_assert(offsetof(ItemRecord, number) == 0);
static_assert(offsetof(ItemRecord, description) == 8);
static_assert(offsetof(ItemRecord, sku1) == 90);
static_assert(offsetof(ItemRecord, sku2) == 130);
static_assert(offsetof(ItemRecord, sku3) == 170);
static_assert(offsetof(ItemRecord, sku4) == 210);
static_assert(offsetof(ItemRecord, format) == 270);
static_assert(offsetof(ItemRecord, category) == 290);
static_assert(offsetof(ItemRecord, location) == 350);
static_assert(offsetof(ItemRecord, order_code) == 550);
static_assert(offsetof(ItemRecord, component_4) == 590);
static_assert(offsetof(ItemRecord, component_5) == 610);
static_assert(offsetof(ItemRecord, date_added) == 630);
static_assert(offsetof(ItemRecord, component_6) == 650);
static_assert(offsetof(ItemRecord, quantity) == 670);
static_assert(offsetof(ItemRecord, reorder_quantity) == 674);
static_assert(offsetof(ItemRecord, minimum_order) == 678);
static_assert(offsetof(ItemRecord, order_quantity) == 682);
static_assert(offsetof(ItemRecord, tax) == 686);
static_assert(offsetof(ItemRecord, delivery_lead) == 690);
static_assert(offsetof(ItemRecord, on_order) == 694);
static_assert(offsetof(ItemRecord, committed) == 698);
static_assert(offsetof(ItemRecord, labels_to_print) == 702);
static_assert(offsetof(ItemRecord, reserved_706) == 706);
static_assert(offsetof(ItemRecord, total_sold) == 714);
static_assert(offsetof(ItemRecord, reserved_718) == 718);
static_assert(offsetof(ItemRecord, cost_price) == 814);
static_assert(offsetof(ItemRecord, trade_price) == 818);
static_assert(offsetof(ItemRecord, retail_price) == 822);
static_assert(offsetof(ItemRecord, reserved_826) == 826);
static_assert(offsetof(ItemRecord, delivery_charge) == 862);
static_assert(offsetof(ItemRecord, weight) == 866);
static_assert(offsetof(ItemRecord, reserved_870) == 870);
static_assert(offsetof(ItemRecord, website) == 882);
static_assert(offsetof(ItemRecord, web_image) == 922);
static_assert(offsetof(ItemRecord, picture_number) == 1202);
static_assert(offsetof(ItemRecord, no_tax_rounding) == 1206);
static_assert(offsetof(ItemRecord, special_order) == 1210);
static_assert(offsetof(ItemRecord, age_warning) == 1214);
static_assert(offsetof(ItemRecord, omit_quick_select) == 1218);
static_assert(offsetof(ItemRecord, component_free) == 1222);
static_assert(offsetof(ItemRecord, component_quantity) == 1246);
static_assert(offsetof(ItemRecord, buy_one_get_one_free) == 1270);
static_assert(offsetof(ItemRecord, reserved_1274) == 1274);
static_assert(offsetof(ItemRecord, sell_by_day) == 1278);
static_assert(offsetof(ItemRecord, sell_by_month) == 1282);
static_assert(offsetof(ItemRecord, sell_by_year) == 1286);
static_assert(offsetof(ItemRecord, reserved_1290) == 1290);
static_assert(offsetof(ItemRecord, own_picture) == 1562);
static_assert(offsetof(ItemRecord, sale_or_return) == 1566);
static_assert(offsetof(ItemRecord, reserved_1570) == 1570);
static_assert(offsetof(ItemRecord, notes) == 1610);
static_assert(offsetof(ItemRecord, component_2) == 1697);
static_assert(offsetof(ItemRecord, component_3) == 1717);
static_assert(offsetof(ItemRecord, reserved_1777) == 1777);
static_assert(offsetof(ItemRecord, reserved_1781) == 1781);
static_assert(offsetof(ItemRecord, display_category) == 1787);
static_assert(offsetof(ItemRecord, reserved_1791) == 1791);
static_assert(offsetof(ItemRecord, record_kind) == 1802);
static_assert(offsetof(ItemRecord, reserved_1806) == 1806);
static_assert(offsetof(ItemRecord, last_used) == 1810);
static_assert(offsetof(ItemRecord, loaned_to) == 1826);
static_assert(offsetof(ItemRecord, due_back) == 1834);
static_assert(offsetof(ItemRecord, reserved_1850) == 1850);

} // namespace ovix
