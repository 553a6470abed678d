#pragma once
// Every write and every sync of one writer interrupted in turn: by a crash
// (the process ends there, as in a power cut), by a failure of that one call
// (EIO), and by a disk that fills up there and stays full (ENOSPC on that
// call and every later write). After each, the next start's recovery runs
// and the whole data folder must be exactly as before the work or exactly
// as after it; a run that reported success must have left it as after, and
// one that left it as before must have told the clerk.

#include "platform/messages.h"

#include <functional>
#include <string>

namespace ovix::test {

// Loads what the writer needs from the folder (writing nothing) and returns
// the work itself: true when it reports success. The messages answer OK/Yes.
using Work = std::function<bool(Messages &messages)>;
using PrepareWork = std::function<Work()>;

struct CrashLoopCounts {
    int writes = 0; // mutating calls of one uninterrupted run
    int syncs = 0;
    int interruptions = 0; // runs interrupted and checked
};

struct CrashLoopRules {
    // The work keeps its change when only the activity log (bun4.dat)
    // cannot take its lines, and tells the clerk so: a failed log write may
    // leave the folder as after but with the log as before.
    bool logMayLagWhenTold = false;
};

// Runs the loop over `folder`, which holds the shop as the work finds it
// (it is put back before every run). Each fault found is added to `faults`
// in words, e.g. "crash at write 7: neither before nor after (film.dat)".
// The temporary of a whole-file replacement ("wr.cfg.new~") that a crash
// leaves is not counted: the file itself is whole, and the next replacement
// removes it.
CrashLoopCounts crashLoop(const std::string &folder, const PrepareWork &prepare,
    std::string &faults, CrashLoopRules rules = {});

} // namespace ovix::test
