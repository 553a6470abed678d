#include "reports/logic/report_money.h"

#include <cmath>

namespace ovix {

int64_t centsOf(float amount)
{
    const double cents = static_cast<double>(amount) * 100.0;
    if (!std::isfinite(cents) || std::fabs(cents) > 9.0e15)
        return 0;
    return std::llround(cents);
}

} // namespace ovix
