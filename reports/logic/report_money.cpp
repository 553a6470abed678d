#include "reports/logic/report_money.h"

#include "platform/c_format.h"

#include <cinttypes>
#include <cmath>

namespace ovix {

int64_t centsOf(float amount)
{
    const double cents = static_cast<double>(amount) * 100.0;
    if (!std::isfinite(cents) || std::fabs(cents) > 9.0e15)
        return 0;
    return std::llround(cents);
}

std::string centsText(int64_t cents)
{
    const uint64_t whole = cents < 0 ? 0 - static_cast<uint64_t>(cents) : static_cast<uint64_t>(cents);
    return cformat("%s%" PRIu64 ".%02" PRIu64, cents < 0 ? "-" : "", whole / 100, whole % 100);
}

} // namespace ovix
