#include "till/logic/till_state.h"

namespace ovix {

int64_t TillState::clerk() const
{
    return currentClerkNumber(config);
}

} // namespace ovix
