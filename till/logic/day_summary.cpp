#include "till/logic/day_summary.h"

#include "platform/clock.h"
#include "platform/data_dir.h"
#include "platform/file.h"
#include "sales/logic/archive_folders.h"
#include "sales/logic/till_state.h"

namespace ovix {

bool writeDaySummary(const TillState &state, const LocalTime &now)
{
    const std::string text = dailyOverviewText(state.config, dailyOverviewFacts(state), now);
    ensureArchiveFolders(state.dir, now);
    const std::string folder = dayFolderName(now.year, now.month, now.day);
    return replaceFileAtomically(state.dir.path(folder + "/" + kDaySummaryFileName), text);
}

} // namespace ovix
