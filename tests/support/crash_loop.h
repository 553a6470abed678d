#pragma once
// Every write and every sync of one writer interrupted in turn: by a crash
// (the process ends there, as in a power cut), by a failure of that one call
// (EIO), and by a disk that fills up there and stays full (ENOSPC on that
// call and every later write). After each, the next start's recovery runs
// and the whole data folder must be exactly as before the work or exactly
// as after it; a run that reported success must have left it as after, and
// one that left it as before must have told the clerk, and the work done
// again from there (by the same till after a failure, by the next start
// after a crash) must leave it exactly as after. A failure the till lives
// through is undone there and then: no undo journal and no temporary file
// is left for the next start.

#include "platform/scripted_messages.h"

#include <functional>
#include <string>
#include <vector>

namespace ovix::test {

// Loads what the writer needs from the folder (writing nothing) and returns
// the work itself: true when it reports success. The messages answer OK/Yes
// unless the work scripts its own answers.
using Work = std::function<bool(ScriptedMessages &messages)>;
using PrepareWork = std::function<Work()>;

struct CrashLoopCounts {
    int writes = 0; // mutating calls of one uninterrupted run
    int syncs = 0;
    int interruptions = 0; // runs interrupted and checked
    int keptByCrash = 0; // crashes after which the work stood whole
    int doneAgain = 0; // runs that kept nothing, then done again
};

struct CrashLoopRules {
    // The work keeps its change when only the activity log (bun4.dat)
    // cannot take its lines, and tells the clerk so: a failed log write may
    // leave the folder as after but with the log short of lines (a backup's
    // copy of the log too).
    bool logMayLagWhenTold = false;
    // The settings stay in use in memory when wr.cfg cannot be stored, and
    // the clerk is told; the next store (at the latest when the till is
    // switched off) writes them. A failed store may leave wr.cfg as before.
    bool settingsMayLagWhenTold = false;
    // Further folders the work changes (a backup's shop folder): put back
    // before every run and before the work is done again, but not compared.
    std::vector<std::string> alsoPutBack;
    // The next start's own checks of the folder as the work left it (every
    // record file loads, the archive is whole, no transaction number twice),
    // run once on each different folder that kept the work; the faults in
    // words, empty when it all holds. It may change the folder.
    std::function<std::string(const std::string &folder)> nextStart;
};

// Runs the loop over `folder`, which holds the shop as the work finds it
// (it is put back before every run). Each fault found is added to `faults`
// in words, e.g. "crash at write 7: neither before nor after (film.dat)".
// The temporaries that a crash leaves of a whole-file replacement
// ("wr.cfg.new~"), a backup ("film.dat.backup~") or a restore
// ("film.dat.restore~") are not counted: the files themselves are whole, and
// the next replacement, backup or restore removes them.
CrashLoopCounts crashLoop(const std::string &folder, const PrepareWork &prepare,
    std::string &faults, CrashLoopRules rules = {});

} // namespace ovix::test
