#include "reports/logic/category_units.h"

#include "platform/c_format.h"
#include "platform/clock.h"
#include "platform/locale_text.h"
#include "print/logic/print_device.h"
#include "reports/logic/report_money.h"
#include "store/till_config.h"

#include <algorithm>
#include <cmath>

namespace ovix {

namespace {

int64_t centsOfDouble(double amount)
{
    if (!std::isfinite(amount) || std::fabs(amount) > 9.0e13)
        return 0;
    return std::llround(amount * 100.0);
}

} // namespace

std::vector<CategoryUnits> categoryUnits(const TillConfig &config, bool month,
    const LocalTime &today)
{
    std::vector<CategoryUnits> rows;
    const int earlierDays = std::clamp(today.day - 1, 0, kCategoryHistoryDays);
    for (int category = 0; category < kCategoryCount; ++category) {
        const auto at = static_cast<size_t>(category);
        CategoryUnits row;
        row.code = config.categoryName(category + 1);
        row.units = config.get(month ? cfg::categoryMonthCounts : cfg::categoryDayCounts, at);
        row.value = centsOfDouble(config.get(cfg::categoryDayValues, at));
        for (int day = 0; month && day < earlierDays; ++day)
            row.value += centsOfDouble(
                config.get(cfg::categoryTakingsHistory, categoryHistoryIndex(category, day)));
        rows.push_back(std::move(row));
    }
    return rows;
}

std::string categoryUnitsText(const CategoryUnits &units)
{
    return cformat("%d, %s", units.units, centsText(units.value).c_str());
}

const char *categoryUnitsTitle(bool month)
{
    return month ? "Units by category for month" : "Units by category for today";
}

void printCategoryUnits(PrintDevice &device, const std::string &storeName, bool month,
    const std::vector<CategoryUnits> &rows, const LocalTime &today)
{
    device.selectFont({ PrintFont::Kind::Arial10, 0, false });
    const int line = std::max(1, device.lineHeight() + 2);
    const int column = 20 * std::max(1, device.averageCharWidth());
    device.drawText(0, 0,
        cformat("%s   Units by category (%s)", storeName.c_str(), month ? "month" : "day"),
        TextAlign::Left);
    device.drawText(0, line, formatLocaleDate(today.year, today.month, today.day, "MMMM d yyyy"),
        TextAlign::Left);
    const size_t half = (rows.size() + 1) / 2;
    for (size_t i = 0; i < rows.size(); ++i) {
        const int x = i < half ? 0 : column;
        const int y = (3 + static_cast<int>(i % half)) * line;
        device.drawText(x, y, rows[i].code + " " + categoryUnitsText(rows[i]), TextAlign::Left);
    }
}

} // namespace ovix
