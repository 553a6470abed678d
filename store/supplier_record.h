#pragma once
// One supplier of mans.dat: a packed 1058-byte little-endian record, slot n at
// byte n × 1058. Apart from the number every field is free Windows-1252 text,
// NUL-terminated and zero filled; read them with readText() from
// store/fixed_text.h. Reserved bytes are kept exactly as read.
// Packed fields are unaligned: copy a number into a local (or use +field)
// before anything binds a reference to it, such as std::min or EXPECT_EQ.

#include <bit>
#include <cstddef>
#include <cstdint>
#include <limits>

namespace ovix {

// Highest supplier number the supplier form accepts; numbers start at 1.
inline constexpr int64_t kMaxSupplierNumber = 2000000000000000;

inline constexpr const char *kSupplierFileName = "mans.dat";
inline constexpr size_t kSupplierRecordSize = 1058;
// Size of the mans.dat a new installation may carry instead of real records.
inline constexpr int64_t kSupplierPlaceholderSize = 66;

#pragma pack(push, 1)
struct SupplierRecord {
    int64_t number; // 1..kMaxSupplierNumber; 0 or less marks a free slot
    char name[42];
    int32_t list_number; // shown in the supplier selection list
    unsigned char reserved_54[4];
    float list_amount_1;
    float list_amount_2;
    char road[30];
    char area[30];
    char town[30];
    char postcode[10];
    char telephone[20];
    char telephone_extension[20];
    char telephone2[20];
    char fax[194];
    char contact[60];
    char supplier_notes[204];
    char comment[30];
    char origination[40];
    char credit_limit[40]; // as text
    char terms[100]; // as text
    char comment2[40];
    char email[124];
};
#pragma pack(pop)

static_assert(std::endian::native == std::endian::little, "records are stored little-endian");
static_assert(std::numeric_limits<float>::is_iec559 && sizeof(float) == 4,
    "record amounts are IEEE 754 singles");

static_assert(sizeof(SupplierRecord) == kSupplierRecordSize);
static_assert(offsetof(SupplierRecord, number) == 0);
static_assert(offsetof(SupplierRecord, name) == 8);
static_assert(offsetof(SupplierRecord, list_number) == 50);
static_assert(offsetof(SupplierRecord, reserved_54) == 54);
static_assert(offsetof(SupplierRecord, list_amount_1) == 58);
static_assert(offsetof(SupplierRecord, list_amount_2) == 62);
static_assert(offsetof(SupplierRecord, road) == 66);
static_assert(offsetof(SupplierRecord, area) == 96);
static_assert(offsetof(SupplierRecord, town) == 126);
static_assert(offsetof(SupplierRecord, postcode) == 156);
static_assert(offsetof(SupplierRecord, telephone) == 166);
static_assert(offsetof(SupplierRecord, telephone_extension) == 186);
static_assert(offsetof(SupplierRecord, telephone2) == 206);
static_assert(offsetof(SupplierRecord, fax) == 226);
static_assert(offsetof(SupplierRecord, contact) == 420);
static_assert(offsetof(SupplierRecord, supplier_notes) == 480);
static_assert(offsetof(SupplierRecord, comment) == 684);
static_assert(offsetof(SupplierRecord, origination) == 714);
static_assert(offsetof(SupplierRecord, credit_limit) == 754);
static_assert(offsetof(SupplierRecord, terms) == 794);
static_assert(offsetof(SupplierRecord, comment2) == 894);
static_assert(offsetof(SupplierRecord, email) == 934);

} // namespace ovix
