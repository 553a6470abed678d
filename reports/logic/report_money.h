#pragma once
// Amounts of the reports: the archive keeps singles, a report sums them as
// whole cents so that a year of lines loses nothing, and shows them once.

#include "sales/logic/cents_entry.h" // centsText: "%.2f" of whole cents

#include <cstdint>

namespace ovix {

// A stored amount in whole cents, rounded half away from zero.
int64_t centsOf(float amount);

} // namespace ovix
