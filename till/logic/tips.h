#pragma once
// The tips of the day: a fixed list of hints about working the till, shown
// one at a time at start and from the Help menu.

#include <string_view>

namespace ovix {

class TillConfig;

inline constexpr int kTipCount = 26;

// Tip `index` (0-based); any index is taken modulo the list.
std::string_view tipText(int index);

// The tip to show now, by the rotating index kept in the configuration (an
// index outside 0-25 starts again at the first); moves the index on to the
// next tip, back to the first after the last.
int takeTipOfTheDay(TillConfig &config);

// Whether the tips box is shown at start, and setting it (stored as the
// "tips off" word: 0 shown, 1 not shown).
bool tipsShownAtStart(const TillConfig &config);
void setTipsShownAtStart(TillConfig &config, bool shown);

} // namespace ovix
