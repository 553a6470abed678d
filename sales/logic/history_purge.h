#pragma once
// Clearing the whole sales history: the year folders of the archive (Y, Y/M,
// Y/M/D with their base.dat, saleslog.dat, itemslog.dat, thedaily.dat and
// ininvent.dat) from this year back to 2000.

namespace ovix {

class DataDir;
class Messages;

// Removes the archive of `year`, then of each year before it down to 2000
// while that year's base.dat is there. Only the archive's own files are
// deleted (found whatever the case of their names) and only folders left
// empty are removed, so nothing else in the data folder is touched; a year
// folder that cannot be removed is told ("Please manually delete the %d
// folder", caption "Unable to complete purge, access denied") and the purge
// goes on with the year before. A year before 2000 removes nothing. True when
// every year folder met is gone. The next transaction number is the
// caller's to set back to 1.
bool purgeSalesHistory(const DataDir &dir, int year, Messages &messages);

// The mark a restore puts in the data folder together with the restored
// files, and removes once the history is gone: while it is there the purge
// is still to finish, even after a crash part-way through it.
inline constexpr const char *kHistoryPurgeMark = "purge.pending";

// Finishes a purge that a restore began (the mark is there): purges from
// `year` back and removes the mark. True when no purge is left to do.
bool finishPendingPurge(const DataDir &dir, int year, Messages &messages);

} // namespace ovix
