#pragma once
// Units by category: lines sold and their value per display category, today
// or this month, from the counters the till keeps in wr.cfg.

#include <cstdint>
#include <string>
#include <vector>

namespace ovix {

class PrintDevice;
class TillConfig;
struct LocalTime;

struct CategoryUnits {
    std::string code; // the category's three-character name
    int units = 0;
    int64_t value = 0; // cents
};

// The 18 display categories in order. The month's value is today's plus the
// kept values of the earlier days of this month.
std::vector<CategoryUnits> categoryUnits(const TillConfig &config, bool month,
    const LocalTime &today);

// "%d, %.2f" (units, value).
std::string categoryUnitsText(const CategoryUnits &units);

// The window's title: "Units by category for today" / "... for month".
const char *categoryUnitsTitle(bool month);

// The store's name with "Units by category (day)" or "(month)", today's date
// under it, then nine rows of two columns, each its code, units and value.
void printCategoryUnits(PrintDevice &device, const std::string &storeName, bool month,
    const std::vector<CategoryUnits> &rows, const LocalTime &today);

} // namespace ovix
