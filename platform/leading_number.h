#pragma once
// Numbers typed into the till's boxes: leading blanks, an optional sign and
// decimal digits, whatever follows ignored ("12ABC" is 12, "ABC" is 0).

#include <cstdint>
#include <string_view>

namespace ovix {

struct LeadingNumber {
    int64_t value = 0; // 0 when no digit leads the text
    bool outOfRange = false; // more than a signed 64-bit number holds
};

// Reads the leading decimal number of `text`. A number that does not fit in
// 64 bits is reported as out of range (its value then says only its sign:
// INT64_MAX or INT64_MIN), never wrapped round onto another number.
LeadingNumber parseLeadingNumber(std::string_view text);

} // namespace ovix
