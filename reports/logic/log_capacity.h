#pragma once
// The log's capacity as the "Log capacity" list offers it.

#include <string>
#include <vector>

namespace ovix {

class TillConfig;

// The nine choices, index 0 to 8: "100" to "500" (thousands of bytes) in steps of 50.
std::vector<std::string> logCapacityChoices();

// Stores the chosen index; an index outside 0-8 changes nothing. False then.
bool setLogCapacityIndex(TillConfig &config, int index);

} // namespace ovix
