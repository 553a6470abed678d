// The activity log as its readers read it: bun4.dat and bun2.dat printed
// whole, from today or from a day typed, paged through on screen, rolled over
// at start and appended to. The input is a Chunks file (fuzz_folder.h) for
// each log, a capacity index and the day typed. Whatever the bytes: a
// printout is the log or a tail of it starting a line, the pages put
// together are the file, a roll-over moves the whole log and loses nothing,
// and an append adds exactly its text.

#include "fuzz/fuzz_folder.h"
#include "platform/clock.h"
#include "platform/data_dir.h"
#include "platform/scripted_messages.h"
#include "reports/logic/log_day.h"
#include "reports/logic/log_pages.h"
#include "reports/logic/log_printing.h"
#include "store/activity_log.h"

using namespace ovix;
using ovix::fuzz::check;

namespace {

// A printout of `log` from a day is a tail of it starting at a line.
void checkTail(const std::string &log, const std::string &printed)
{
    check(printed.size() <= log.size());
    const size_t start = log.size() - printed.size();
    check(log.compare(start, std::string::npos, printed) == 0);
    check(start == 0 || log[start - 1] == '\n' || log[start - 1] == '\r');
}

void checkPages(const std::string &path, const std::string &log)
{
    LogPager pager(path);
    check(pager.first());
    std::string whole = pager.text();
    int pages = 1;
    while (pager.nextEnabled() && pager.next()) {
        check(pager.start() == static_cast<int64_t>(pages) * kLogPageBytes);
        whole += pager.text();
        ++pages;
    }
    check(whole == log);
    while (pager.previousEnabled())
        check(pager.previous());
    check(pager.start() == 0);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    ovix::fuzz::FuzzFolder &folder = ovix::fuzz::FuzzFolder::instance();
    folder.clear();
    ovix::fuzz::Chunks input(data, size);
    const std::string sample = "\r\n09:00 05/03/2026  Switched on.\r\n";
    const std::optional<std::string> current = input.file(sample);
    const std::optional<std::string> previous = input.file(sample);
    const int capacity = static_cast<int8_t>(input.byte());
    const std::string typed = input.rest().substr(0, 12);
    if (current)
        folder.write(kCurrentLogName, *current);
    if (previous)
        folder.write(kPreviousLogName, *previous);

    const DataDir dir(folder.path());
    LocalTime today;
    today.year = 2026;
    today.month = 3;
    today.day = 5;
    for (LogPrintout printout :
         { LogPrintout::Today, LogPrintout::FromDay, LogPrintout::WholeLog, LogPrintout::OldLog }) {
        ScriptedMessages messages;
        messages.textReplies.push_back(typed);
        const std::optional<std::string> text = logTextToPrint(dir, printout, today, messages);
        const std::optional<std::string> &log
            = printout == LogPrintout::OldLog ? previous : current;
        // The day typed is asked for in a box of its own.
        const size_t asked = printout == LogPrintout::FromDay ? 1 : 0;
        check(text.has_value() == (messages.shown.size() == asked));
        if (!text)
            continue;
        check(log.has_value());
        if (printout == LogPrintout::WholeLog || printout == LogPrintout::OldLog)
            check(*text == *log);
        else
            checkTail(*log, *text);
    }
    if (current)
        checkPages(dir.path(kCurrentLogName), *current);
    if (previous)
        checkPages(dir.path(kPreviousLogName), *previous);

    const RollOverResult rolled = rollOverLog(dir, capacity);
    check(rolled != RollOverResult::Failed);
    const std::optional<std::string> now = folder.read(kCurrentLogName);
    const std::optional<std::string> old = folder.read(kPreviousLogName);
    const auto limit = logCapacityBytes(capacity);
    if (current && static_cast<int64_t>(current->size()) > limit) {
        check(rolled == RollOverResult::RolledOver && old == current);
        check(!now || now->empty());
    } else {
        check(rolled == RollOverResult::Kept && old == previous);
        check(now == (current ? *current : std::string()));
    }

    const std::string line = "\r\n09:01 05/03/2026  Switched off.\r\n";
    const std::string before = folder.read(kCurrentLogName).value_or("");
    check(appendToLog(dir, line));
    check(folder.read(kCurrentLogName) == before + line);
    return 0;
}
