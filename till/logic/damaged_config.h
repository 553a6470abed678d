#pragma once
// Telling the clerk at start that wr.cfg was short or damaged, with a copy of
// the file as found kept beside it before anything rewrites it.

#include <string>

namespace ovix {

class DataDir;
class Messages;
struct LocalTime;
struct TillConfigRepair;

// The message for a damaged wr.cfg (caption "Problem"): what was wrong with
// the file (its size, the kinds of value set back), which clerks now log on
// with the standard password, and the name of the copy kept. UTF-8.
std::string damagedConfigText(const TillConfigRepair &repair, const std::string &copyName);

// When `repair` found wr.cfg damaged: keeps a copy of it (keepTillConfigCopy)
// and then tells the clerk (damagedConfigText, caption "Problem"). Nothing is
// done for a sound file. False when no copy could be kept: that is told
// instead, and the start must stop so that the only copy is not rewritten.
bool keepAndTellDamagedConfig(
    const DataDir &dir, const TillConfigRepair &repair, const LocalTime &now, Messages &messages);

} // namespace ovix
