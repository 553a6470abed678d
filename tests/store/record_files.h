#pragma once
// Record files built byte by byte at the documented offsets, independently of
// the record structs, for the index and layout tests.

#include "platform/clock.h"
#include "support/test_support.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace ovix::test {

inline constexpr size_t kItemBytes = 1874;
inline constexpr size_t kCustomerBytes = 2094;
inline constexpr size_t kSupplierBytes = 1058;

// putText for texts that may be empty (an empty view may have no data at all).
inline void putField(std::string &bytes, size_t offset, std::string_view text)
{
    if (!text.empty())
        putText(bytes, offset, text);
}

// One film.dat record: number at 0, description at 8, sku1 at 90.
inline std::string itemBytes(
    int64_t number, std::string_view description, std::string_view sku1 = {})
{
    std::string record(kItemBytes, '\0');
    putI64(record, 0, number);
    putField(record, 8, description);
    putField(record, 90, sku1);
    return record;
}

// One member.dat record: number at 0, name at 8.
inline std::string customerBytes(int64_t number, std::string_view name)
{
    std::string record(kCustomerBytes, '\0');
    putI64(record, 0, number);
    putField(record, 8, name);
    return record;
}

// One mans.dat record: number at 0, name at 8.
inline std::string supplierBytes(int64_t number, std::string_view name)
{
    std::string record(kSupplierBytes, '\0');
    putI64(record, 0, number);
    putField(record, 8, name);
    return record;
}

// The record of `slot` in a whole file's bytes.
inline std::string slotBytes(const std::string &file, size_t slot, size_t size)
{
    return file.substr(slot * size, size);
}

// Fixes the clock for the life of the object.
class FixedClock {
public:
    explicit FixedClock(LocalTime time)
    {
        setFixedLocalTime(time);
    }
    ~FixedClock()
    {
        setFixedLocalTime(std::nullopt);
    }
    FixedClock(const FixedClock &) = delete;
    FixedClock &operator=(const FixedClock &) = delete;
};

} // namespace ovix::test
