#include "platform/whole_count.h"

#include <cmath>
#include <limits>

namespace ovix {

int wholeCount(float count)
{
    if (!std::isfinite(count) || count >= 2147483647.0f || count <= -2147483648.0f)
        return 0;
    return static_cast<int>(std::lround(count));
}

int clampedToInt(int64_t value)
{
    if (value > std::numeric_limits<int>::max())
        return std::numeric_limits<int>::max();
    if (value < std::numeric_limits<int>::min())
        return std::numeric_limits<int>::min();
    return static_cast<int>(value);
}

} // namespace ovix
