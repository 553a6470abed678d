#include "store/shop.h"

namespace ovix {

int64_t Shop::clerk() const
{
    return currentClerkNumber(config);
}

} // namespace ovix
