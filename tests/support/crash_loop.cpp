#include "support/crash_loop.h"

#include "platform/data_dir.h"
#include "platform/file_access.h"
#include "platform/scripted_messages.h"
#include "platform/undo_journal.h"
#include "platform/clock.h"
#include "sales/logic/history_purge.h"
#include "support/start_fixture.h"
#include "support/test_support.h"

#include <cerrno>
#include <algorithm>
#include <filesystem>
#include <set>
#include <sys/wait.h>
#include <unistd.h>

namespace ovix::test {

namespace {

namespace fs = std::filesystem;

void putBack(const std::string &folder, const Files &files)
{
    for (const auto &entry : fs::directory_iterator(folder))
        fs::remove_all(entry.path());
    for (const auto &[name, bytes] : files) {
        const std::string path = folder + "/" + name;
        if (bytes == "/")
            fs::create_directories(path);
        else
            writeBytes(path, bytes);
    }
}

// The folder's files without the temporaries of whole-file replacements.
Files settled(const std::string &folder)
{
    Files files = snapshot(folder);
    std::erase_if(files, [](const auto &entry) {
        return entry.first.ends_with(".new~") || entry.first.ends_with(".backup~")
            || entry.first.ends_with(".restore~");
    });
    return files;
}

// The names that differ between two snapshots, for the message.
std::string differences(const Files &a, const Files &b)
{
    std::string names;
    auto note = [&](const std::string &name) {
        if (names.size() < 200)
            names += (names.empty() ? "" : ", ") + name;
    };
    for (const auto &[name, bytes] : a) {
        const auto found = b.find(name);
        if (found == b.end() || found->second != bytes)
            note(name);
    }
    for (const auto &[name, bytes] : b) {
        if (!a.contains(name))
            note(name);
    }
    return names;
}

struct Interruption {
    enum class Kind { Crash, Fail, DiskFull } kind;
    bool atSync;
    int number;

    std::string describe() const
    {
        static const char *const kKinds[] = {"crash", "failure", "full disk"};
        return std::string(kKinds[static_cast<int>(kind)]) + " at " + (atSync ? "sync " : "write ")
            + std::to_string(number);
    }
};

void install(FaultyFileAccess &access, const Interruption &at)
{
    using Mode = FaultyFileAccess::Mode;
    const Mode mode = at.kind == Interruption::Kind::Crash ? Mode::Crash
        : at.kind == Interruption::Kind::Fail              ? Mode::Fail
                                                           : Mode::FailOnward;
    access.setFailureError(at.kind == Interruption::Kind::DiskFull ? ENOSPC : EIO);
    if (at.atSync)
        access.faultSyncNumber(at.number, mode);
    else
        access.faultWriteNumber(at.number, mode);
}

} // namespace

CrashLoopCounts crashLoop(const std::string &folder, const PrepareWork &prepare,
    std::string &faults, CrashLoopRules rules)
{
    CrashLoopCounts counts;
    const Files initial = snapshot(folder);
    std::vector<Files> others;
    for (const std::string &other : rules.alsoPutBack)
        others.push_back(snapshot(other));
    const auto putAllBack = [&] {
        putBack(folder, initial);
        for (size_t i = 0; i < others.size(); ++i)
            putBack(rules.alsoPutBack[i], others[i]);
    };
    Files before;
    Files after;
    std::set<std::string> usual; // what an uninterrupted run shows
    {
        Work work = prepare();
        before = settled(folder);
        FaultyFileAccess counting;
        ScriptedMessages messages;
        setFileAccess(&counting);
        const bool done = work(messages);
        setFileAccess(nullptr);
        if (!done) {
            faults += "the work failed without a fault: " + messages.lastText() + "\n";
            return counts;
        }
        for (const ScriptedMessages::Shown &box : messages.shown)
            usual.insert(box.text);
        counts.writes = counting.writes();
        counts.syncs = counting.syncs();
        after = settled(folder);
    }
    if (before == after) {
        faults += "the work changed nothing\n";
        return counts;
    }
    // Each folder that kept the work goes through the next start's checks once.
    std::set<Files> startedFrom;
    const auto checkNextStart = [&](const std::string &context, const Files &found) {
        if (!rules.nextStart || !startedFrom.insert(found).second)
            return;
        const std::string findings = rules.nextStart(folder);
        if (!findings.empty())
            faults += context + ": the next start found " + findings + "\n";
    };
    checkNextStart("after the work", after);

    std::vector<Interruption> interruptions;
    for (const auto kind :
        {Interruption::Kind::Crash, Interruption::Kind::Fail, Interruption::Kind::DiskFull}) {
        for (int n = 1; n <= counts.writes; ++n)
            interruptions.push_back({kind, false, n});
        for (int n = 1; n <= counts.syncs; ++n)
            interruptions.push_back({kind, true, n});
    }
    for (const Interruption &at : interruptions) {
        putAllBack();
        bool reportedSuccess = false;
        bool told = false;
        std::set<std::string> shown;
        Work work; // the till that lived through a failure, to do it again
        if (at.kind == Interruption::Kind::Crash) {
            std::fflush(nullptr);
            const pid_t child = fork();
            if (child == 0) {
                Work crashing = prepare();
                FaultyFileAccess faulty;
                install(faulty, at);
                ScriptedMessages messages;
                setFileAccess(&faulty);
                const bool done = crashing(messages);
                setFileAccess(nullptr);
                _exit(done ? 0 : 1);
            }
            int status = 0;
            ::waitpid(child, &status, 0);
            if (!WIFEXITED(status) || (WEXITSTATUS(status) > 1
                    && WEXITSTATUS(status) != FaultyFileAccess::kCrashExitCode)) {
                faults += at.describe() + ": the process ended abnormally\n";
                continue;
            }
            reportedSuccess = WEXITSTATUS(status) == 0;
            told = true; // the process is gone: nobody is left to tell
        } else {
            work = prepare();
            FaultyFileAccess faulty;
            install(faulty, at);
            ScriptedMessages messages;
            setFileAccess(&faulty);
            reportedSuccess = work(messages);
            setFileAccess(nullptr);
            for (const ScriptedMessages::Shown &box : messages.shown) {
                shown.insert(box.text);
                told = told || !usual.contains(box.text);
            }
            // A single failure is undone by the till itself; only a full
            // disk may leave the undo to the next start.
            if (at.kind == Interruption::Kind::Fail) {
                const Files left = snapshot(folder);
                for (const auto &[name, bytes] : left) {
                    const bool temporary = name == kJournalName || name.ends_with(".new~")
                        || name.ends_with(".backup~") || name.ends_with(".restore~");
                    if (temporary && !initial.contains(name))
                        faults += at.describe() + ": left " + name + " behind\n";
                }
            }
        }
        ++counts.interruptions;

        // The next start: work cut short is undone, and a restore's purge
        // of the old history finished.
        const DataDir dir(folder);
        const RecoveryResult recovery = recoverInterruptedWork(dir);
        if (!recovery.ok) {
            faults += at.describe() + ": recovery failed: " + recovery.error + "\n";
            continue;
        }
        ScriptedMessages quiet;
        finishPendingPurge(dir, localNow().year, quiet);
        const Files found = settled(folder);
        if (found == after) {
            if (at.kind == Interruption::Kind::Crash)
                ++counts.keptByCrash;
            continue;
        }
        const auto saw = [&](const char *start) {
            return at.kind == Interruption::Kind::Crash
                || std::any_of(shown.begin(), shown.end(),
                    [start](const std::string &text) { return text.starts_with(start); });
        };
        if (told && (rules.logMayLagWhenTold || rules.settingsMayLagWhenTold)) {
            // The change kept, with the log short of its lines or the
            // settings file as before.
            Files expected = after;
            Files seen = found;
            const bool logLags = rules.logMayLagWhenTold && found.contains("bun4.dat")
                && after.contains("bun4.dat") && found.at("bun4.dat") != after.at("bun4.dat");
            if (logLags && saw("Data file: bun4.dat")) {
                expected.erase("bun4.dat");
                seen.erase("bun4.dat");
            }
            bool lagging = seen == expected;
            const auto oldSettings = before.find("wr.cfg");
            if (!lagging && rules.settingsMayLagWhenTold && oldSettings != before.end()
                && saw("Data file: wr.cfg")) {
                expected["wr.cfg"] = oldSettings->second;
                lagging = seen == expected;
            }
            if (lagging) {
                checkNextStart(at.describe(), found);
                continue;
            }
        }
        if (found != before) {
            faults += at.describe() + ": neither before nor after (" + differences(found, after)
                + " differ from after; " + differences(found, before) + " from before)\n";
            continue;
        }
        if (reportedSuccess) {
            faults += at.describe() + ": reported success but nothing was kept\n";
            continue;
        }
        if (!told) {
            faults += at.describe() + ": nothing was kept and the clerk was not told\n";
            continue;
        }
        // Nothing kept: the work done again from here is done whole, under
        // the number it would have had. The folders not compared start again
        // as they were (a backup's log line is written once more).
        for (size_t i = 0; i < others.size(); ++i)
            putBack(rules.alsoPutBack[i], others[i]);
        if (!work)
            work = prepare();
        ScriptedMessages again;
        const bool doneAgain = work(again);
        ++counts.doneAgain;
        const Files redone = settled(folder);
        if (!doneAgain)
            faults += at.describe() + ": done again, it failed: " + again.lastText() + "\n";
        else if (redone != after)
            faults += at.describe() + ": done again, " + differences(redone, after)
                + " differ from after\n";
    }
    putAllBack();
    return counts;
}

} // namespace ovix::test
