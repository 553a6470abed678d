#include "print/logic/print_device.h"

namespace ovix {

int mulDiv(int value, int numerator, int denominator)
{
    if (denominator == 0)
        return -1;
    int64_t product = static_cast<int64_t>(value) * numerator;
    int64_t magnitude = product < 0 ? -product : product;
    int64_t divisor = denominator < 0 ? -static_cast<int64_t>(denominator) : denominator;
    int64_t quotient = (magnitude + divisor / 2) / divisor;
    if ((product < 0) != (denominator < 0))
        quotient = -quotient;
    if (quotient > INT32_MAX || quotient < INT32_MIN)
        return -1;
    return static_cast<int>(quotient);
}

} // namespace ovix
