#pragma once
// One run of the till from the shop's point of view: loading and checking
// every data file at start, the new-day work, the start-up notes written
// once the data is known to be sound, and the orderly switch-off.
//
// The window calls openData() while it is created, completeStart() when
// openData() succeeded, and shutdownTill() after its message loop.

namespace ovix {

class Messages;
class TillState;

// Loads and checks the shop's data into `state`, in this order: work left
// half done by a crash is undone; film.dat and member.dat with their indexes
// ("Unable to open film.dat in Opendata", "Film.dat has no data in
// Opendata.", "Data file film.dat corrupt in Opendata.", and the member.dat
// forms); ADDRESS.VT (sample lines when missing); mans.dat ("Data file
// mans.dat ... in Opendata."); wr.cfg ("Data file wr.cfg not present in
// Opendata."; a short or damaged one is copied beside itself, told, and its
// unusable values set back, see damaged_config.h); language.ini (built-in
// words when missing); the start-up fix-ups and, on a block never used, its
// first-use defaults (a block that only looks unused because wr.cfg was
// damaged keeps a sound resn.dat); the new-day check with the usage-gap
// question when the last use was not yesterday.
//
// Nothing is written until every check has passed and the question was
// answered OK. Only then: a 66-byte mans.dat placeholder becomes one free
// supplier record, resn.dat is made for a first use or moved on by the
// elapsed days (made anew only when it does not exist or every day is past;
// a damaged one is reported and left alone), bun4.dat is created or rolled
// over, and the day totals roll over in memory (stored by completeStart()).
//
// Every failure has been told to the user before false is returned; then
// state.startFailed is set and nothing on disk has changed but the undoing
// of interrupted work (and, for a disk failing part-way, what was written
// before it failed).
bool openData(TillState &state, Messages &messages);

// After a successful openData(): keeps the previous switch-off stamp, stamps
// the switch-on time, stores wr.cfg ("WR.CFG", caption "Problem", and the
// run goes on), logs "Switched on.", makes resn.dat when it does not exist,
// takes the currency symbol from the locale when none is set, makes today's
// archive folders, sets the quick-select category, shows the passive text on
// the pole display when one is in use (a port that cannot be opened is told,
// and the start goes on) and tells the number of today's reminders ("For
// today: %d", caption "Reminders"; a count outside 0-200 is told as damaged,
// not shown). False, doing nothing, when the start failed.
// Before wr.cfg is stored, the next transaction number is moved past the
// numbers today's archive holds (transaction_numbers.h); when wr.cfg's number
// did not follow the archive, a note after "Switched on." says so.
bool completeStart(TillState &state, Messages &messages);

// At the end of a run whose start did not fail (and whose files were not
// put back from a backup, see restore.h): stamps the switch-off time
// and stores wr.cfg, ADDRESS.VT (unless it could not be read at start) and
// language.ini, logs "Switched off." with the clerk, and writes the day
// summary thedaily.dat. Failures to store wr.cfg or to log are told; the
// others are silent.
void shutdownTill(TillState &state, Messages &messages);

} // namespace ovix
