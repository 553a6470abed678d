#pragma once
// One line of the list work files f2.dat (items) and m2.dat (customers): a
// packed 110-byte little-endian record, written afresh by each alphabetical
// list or "Highest volume products" and read back in file order by the
// printed and screen lists.
//   f2.dat: item number, description, quantity in stock ("%d"), retail price ("%.2f")
//   m2.dat: customer number, name, road, telephone
// The texts are NUL-terminated Windows-1252, zero filled (store/fixed_text.h).

#include <bit>
#include <cstddef>
#include <cstdint>

namespace ovix {

inline constexpr const char *kItemListFileName = "f2.dat";
inline constexpr const char *kCustomerListFileName = "m2.dat";
inline constexpr size_t kListFileRecordSize = 110;

#pragma pack(push, 1)
struct ListFileRecord {
    int64_t number;   // item or customer number
    char name[42];    // description or name
    char column1[30]; // in stock, or road
    char column2[30]; // retail price, or telephone
};
#pragma pack(pop)

static_assert(std::endian::native == std::endian::little, "records are stored little-endian");
static_assert(sizeof(ListFileRecord) == kListFileRecordSize);
static_assert(offsetof(ListFileRecord, name) == 8);
static_assert(offsetof(ListFileRecord, column1) == 50);
static_assert(offsetof(ListFileRecord, column2) == 80);

} // namespace ovix
