#include "reports/logic/log_capacity.h"

#include "store/activity_log.h"
#include "store/till_config.h"

namespace ovix {

std::vector<std::string> logCapacityChoices()
{
    std::vector<std::string> choices;
    for (int index = 0; index <= 8; ++index)
        choices.push_back(std::to_string(logCapacityBytes(index) / 1000));
    return choices;
}

bool setLogCapacityIndex(TillConfig &config, int index)
{
    if (index < 0 || index > 8)
        return false;
    config.set(cfg::logCapacity, index);
    return true;
}

} // namespace ovix
