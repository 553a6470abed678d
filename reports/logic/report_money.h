#pragma once
// Amounts of the reports: the archive keeps singles, a report sums them as
// whole cents so that a year of lines loses nothing, and shows them once.

#include <cstdint>
#include <string>

namespace ovix {

// A stored amount in whole cents, rounded half away from zero.
int64_t centsOf(float amount);

// "%.2f" of the cents: "12.05", "-0.40", "0.00".
std::string centsText(int64_t cents);

} // namespace ovix
