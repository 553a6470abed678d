#pragma once
// Counts the record files keep as floats or as 64-bit numbers, brought to the
// int a "%d" prints without overflow.

#include <cstdint>

namespace ovix {

// A count kept as a float, as a whole number for "%d"; 0 when the stored
// value is no number an int can hold (a damaged file).
int wholeCount(float count);

// `value` held to the range of an int.
int clampedToInt(int64_t value);

} // namespace ovix
