#include "till/logic/startup.h"

#include "platform/c_format.h"
#include "platform/clock.h"
#include "platform/file.h"
#include "platform/locale_text.h"
#include "platform/messages.h"
#include "platform/undo_journal.h"
#include "print/logic/pole_display.h"
#include "store/activity_log.h"
#include "store/reminder_file.h"
#include "store/supplier_record.h"
#include "store/till_config.h"
#include "store/till_config_repair.h"
#include "store/time_stamp.h"
#include "sales/logic/archive_folders.h"
#include "sales/logic/history_purge.h"
#include "till/logic/damaged_config.h"
#include "till/logic/day_summary.h"
#include "till/logic/new_day.h"
#include "sales/logic/till_state.h"
#include "sales/logic/transaction_numbers.h"

#include <cinttypes>
#include <cstddef>

namespace ovix {

namespace {

constexpr const char *kFolderPermissions = "Problem, please check folder permissions";
constexpr const char *kReminderUpdateFailure
    = "Unable to open resn.dat for complete update in Opendata.";

bool failStart(TillState &state)
{
    state.startFailed = true;
    return false;
}

void setSwitchOff(TillConfig &config, const LocalTime &time)
{
    const int32_t parts[5] = {time.minute, time.hour, time.day, time.month, time.year};
    for (size_t i = 0; i < 5; ++i)
        config.set(cfg::lastSwitchOff, i, parts[i]);
}

// True when bun4.dat is missing (it will be created) or can be opened for writing.
bool logUsable(const DataDir &dir)
{
    const std::string path = dir.path(kCurrentLogName);
    return !fileExists(path) || File::open(path, File::Mode::ReadWrite).isOpen();
}

} // namespace

bool openData(TillState &state, Messages &messages)
{
    const LocalTime now = localNow();
    state.startFailed = false;
    state.start.started = now;
    state.start.switchOnHour = now.hour;
    state.start.switchOnMinute = now.minute;
    const DataDir &dir = state.dir;

    const RecoveryResult recovery = recoverInterruptedWork(dir);
    if (!recovery.ok) {
        reportFatal(messages, cformat("Work cut short by a crash could not be undone: %s",
                                      recovery.error.c_str()));
        return failStart(state);
    }
    if (recovery.rolledBack)
        reportInfo(messages, "Work cut short by a crash was undone.", "Start-up");
    // A restore whose purge of the old sales history was cut short.
    finishPendingPurge(dir, now.year, messages);

    // Reading and checking: nothing is written here.
    if (!state.items.load(messages) || !state.customers.load(messages))
        return failStart(state);
    state.headingWritable = loadStoreHeading(dir, state.heading) != StoreHeadingLoad::Unreadable;
    const bool supplierPlaceholder
        = fileSize(dir.path(kSupplierFileName)) == kSupplierPlaceholderSize;
    if (!supplierPlaceholder && !state.suppliers.load(messages))
        return failStart(state);
    TillConfig config;
    int64_t configSize = 0;
    if (!loadTillConfig(dir, config, messages, &configSize))
        return failStart(state);
    // A short or damaged wr.cfg is told and copied before anything is written.
    const TillConfigRepair repair = repairTillConfig(config, configSize, now);
    if (!keepAndTellDamagedConfig(dir, repair, now, messages))
        return failStart(state);
    loadReceiptWords(dir, state.receiptWords, receiptLanguageIndex(config));

    state.start.storedTransactionNumber = config.get(cfg::nextTransactionNumber);
    applyStartUpFixes(config);
    const bool firstUse = config.get(cfg::dayOfLastUse) == 0;
    if (firstUse)
        applyFirstUseDefaults(config, now, localeCurrencySymbolCp1252());
    if (!logUsable(dir)) {
        reportProblem(messages, "Unable to manipulate log.", kFolderPermissions);
        return failStart(state);
    }
    const DayChange change = findDayChange(config, now);
    if (change.newDay) {
        if (change.askUser
            && !messages.confirm(usageGapText(config), usageGapCaption(now),
                                 MessageKind::Warning))
            return failStart(state);
        if (!firstUse && !reminderDaysCanShift(dir, change.elapsedDays)) {
            reportProblem(messages, kReminderUpdateFailure);
            return failStart(state);
        }
    }

    // Every check passed: the files may change now.
    if (supplierPlaceholder && !state.suppliers.load(messages))
        return failStart(state);
    // A block that only looks new because wr.cfg was damaged keeps the reminders.
    const bool keepReminders = repair.damaged() && reminderFileIsWhole(dir);
    if (firstUse && !keepReminders && !createBlankReminderFile(dir)) {
        reportProblem(messages, "Unable to create resn.dat in first run Opendata.",
                      kFolderPermissions);
        return failStart(state);
    }
    if (change.newDay) {
        rollOverDay(config, change, now);
        const ReminderShiftResult shifted = shiftReminderDays(dir, change.elapsedDays);
        if (shifted == ReminderShiftResult::Unusable
            || shifted == ReminderShiftResult::WriteFailed) {
            reportProblem(messages, kReminderUpdateFailure);
            return failStart(state);
        }
    }
    if (rollOverLog(dir, logCapacityIndex(config)) == RollOverResult::Failed) {
        reportProblem(messages, "Unable to manipulate log.", kFolderPermissions);
        return failStart(state);
    }
    state.config = config;
    return true;
}

bool completeStart(TillState &state, Messages &messages)
{
    if (state.startFailed)
        return false;
    const LocalTime &now = state.start.started;
    const DataDir &dir = state.dir;

    for (size_t i = 0; i < 5; ++i)
        state.start.previousSwitchOff[i] = state.config.get(cfg::lastSwitchOff, i);
    setSwitchOff(state.config, now);
    const std::string numberNote
        = moveNextNumberPastArchive(state, now, state.start.storedTransactionNumber);
    storeTillConfig(dir, state.config, messages, TillConfigStoreMoment::AfterStart);

    const std::string switchedOn
        = "\r\n" + logTimePrefix(makeTimeStamp(now)) + "  Switched on.\r\n";
    if (!appendToLog(dir, switchedOn + numberNote))
        reportProblem(messages, "Unable to open bun4.dat in WM_CREATE.");

    if (!reminderFileExists(dir)) {
        reportInfo(messages, "New", "Reservation file");
        if (!createBlankReminderFile(dir))
            reportProblem(messages, "Unable to create reservation file.");
    }

    fillCurrencySymbolFromLocale(state.config, localeCurrencySymbolCp1252());
    ensureArchiveFolders(dir, now, messages);
    applyQuickSelectStart(state.config);
    // The pole display greets the first customer with its idle text; a port
    // that cannot be opened is told once and the till starts all the same.
    if (state.config.get(cfg::poleInUse) != 0)
        poleShowPassive(state.config, dir, messages);

    const int32_t today = storedRemindersForToday(dir);
    if (today < 0 || today > kRemindersPerDay)
        reportProblem(messages, "The count of today's reminders in resn.dat is damaged.",
                      "Reminders");
    else if (today != 0)
        reportInfo(messages, cformat("For today: %d", today), "Reminders");
    return true;
}

void shutdownTill(TillState &state, Messages &messages)
{
    if (state.startFailed || state.dataReplaced)
        return;
    const LocalTime now = localNow();
    const DataDir &dir = state.dir;

    setSwitchOff(state.config, now);
    storeTillConfig(dir, state.config, messages, TillConfigStoreMoment::AtShutdown);
    if (state.headingWritable)
        storeStoreHeading(dir, state.heading);
    storeReceiptWords(dir, state.receiptWords);

    const int clerk = static_cast<int>(state.clerk());
    const std::string switchedOff = "\r\n" + logTimePrefix(makeTimeStamp(now))
        + "  Switched off.\r\n"
        + cformat("Clerk: %" PRId64 ", %s\r\n", state.clerk(),
                  state.config.clerkName(clerk).c_str());
    if (!appendToLog(dir, switchedOff))
        reportProblem(messages, "Unable to open bun4.dat at end of WinMain.");

    writeDaySummary(state, now);
}

} // namespace ovix
